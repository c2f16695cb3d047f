#include "printers/spooler.h"

#include "framework/handles.h"

#include <winspool.h>

#include <vector>

bool CanOpenPrinter(const std::string& name) {
    if (name.empty()) return false;
    fw::Printer printer;
    return OpenPrinterA(const_cast<char*>(name.c_str()), printer.Out(), nullptr) && printer.Valid();
}

bool GetPrinterDriverFile(HANDLE printer, std::string& path) {
    path.clear();
    DWORD needed = 0;
    if (GetPrinterDriverA(printer, nullptr, 3, nullptr, 0, &needed) || GetLastError() != ERROR_INSUFFICIENT_BUFFER ||
        needed == 0)
        return false;
    // DRIVER_INFO_3A holds pointers into the same block: keep it aligned.
    std::vector<DRIVER_INFO_3A> block(needed / sizeof(DRIVER_INFO_3A) + 1);
    DWORD size = static_cast<DWORD>(block.size() * sizeof(DRIVER_INFO_3A));
    if (!GetPrinterDriverA(printer, nullptr, 3, reinterpret_cast<BYTE*>(block.data()), size, &needed)) return false;
    if (!block[0].pDriverPath) return false;
    path = block[0].pDriverPath;
    return !path.empty();
}

bool IsPrintSpoolerRunning() {
    fw::Service manager(OpenSCManagerA(nullptr, nullptr, GENERIC_READ));
    if (!manager) return false;
    fw::Service spooler(OpenServiceA(manager.Get(), "Spooler", SERVICE_QUERY_STATUS));
    if (!spooler) return false;
    SERVICE_STATUS status = {};
    return QueryServiceStatus(spooler.Get(), &status) && status.dwCurrentState == SERVICE_RUNNING;
}
