#include "printers/enum_printers.h"

#include <windows.h>
#include <winspool.h>

namespace {

const DWORD kEnumFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
// A printer added between the size query and the listing asks for more.
const int kAttempts = 3;

std::string TextOrEmpty(const char* text) { return text ? text : std::string(); }

} // namespace

std::string CEnumPrinters::At(const std::vector<std::string>& list, int index) const {
    if (index < 0 || index >= count_ || static_cast<size_t>(index) >= list.size()) return "Error";
    return list[static_cast<size_t>(index)];
}

bool CEnumPrinters::Enumerate() {
    names_.clear();
    shares_.clear();
    ports_.clear();
    locations_.clear();
    count_ = 0;
    char server[] = "";
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        DWORD needed = 0, returned = 0;
        // Without any printer the size query itself succeeds.
        if (EnumPrintersA(kEnumFlags, server, 2, nullptr, 0, &needed, &returned)) return true;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0) return false;
        // Zeroed, a little larger, and aligned for the records it holds.
        std::vector<PRINTER_INFO_2A> block((needed + 4) / sizeof(PRINTER_INFO_2A) + 1);
        DWORD size = static_cast<DWORD>(block.size() * sizeof(PRINTER_INFO_2A));
        if (!EnumPrintersA(kEnumFlags, server, 2, reinterpret_cast<BYTE*>(block.data()), size, &needed, &returned)) {
            if (GetLastError() == ERROR_INSUFFICIENT_BUFFER) continue;
            return false;
        }
        for (DWORD i = 0; i < returned; ++i) {
            const PRINTER_INFO_2A& printer = block[i];
            names_.push_back(TextOrEmpty(printer.pPrinterName));
            shares_.push_back(TextOrEmpty(printer.pShareName));
            ports_.push_back(TextOrEmpty(printer.pPortName));
            locations_.push_back(TextOrEmpty(printer.pLocation));
        }
        count_ = static_cast<int>(returned);
        return true;
    }
    return false;
}
