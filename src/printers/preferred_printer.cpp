#include "printers/preferred_printer.h"

#include "framework/handles.h"
#include "framework/registry.h"
#include "framework/strings.h"
#include "printers/printer_names.h"
#include "printers/spooler.h"

#include <windows.h>

namespace {

const char kPellmoreKey[] = "Software\\Pellmore";
const char kPreferredValue[] = "PreferredVPrinter";
// The product is a 32-bit program: the machine's software keys as it sees
// them (the user's are the same in both views).
REGSAM ViewOf(HKEY root) { return root == HKEY_LOCAL_MACHINE ? KEY_WOW64_32KEY : 0; }

std::string ReadValue(HKEY root) {
    std::string name;
    if (!fw::ReadStringValue(root, kPellmoreKey, kPreferredValue, name, ViewOf(root))) return std::string();
    return name;
}

bool SetValue(HKEY key, const std::string& name) {
    return RegSetValueExA(key, kPreferredValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()),
                          static_cast<DWORD>(name.size() + 1)) == ERROR_SUCCESS;
}

bool WriteMachineValue(const std::string& name) {
    fw::RegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPellmoreKey, 0, KEY_READ | KEY_WRITE | ViewOf(HKEY_LOCAL_MACHINE), key.Out()) !=
        ERROR_SUCCESS)
        return false;
    return SetValue(key.Get(), name);
}

// A fresh profile has no "Software\Pellmore" yet: the choice must not be lost.
bool WriteUserValue(const std::string& name) {
    fw::RegKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kPellmoreKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        key.Out(), nullptr) != ERROR_SUCCESS)
        return false;
    return SetValue(key.Get(), name);
}

bool DeleteValue(HKEY root) {
    fw::RegKey key;
    if (RegOpenKeyExA(root, kPellmoreKey, 0, KEY_READ | KEY_WRITE | ViewOf(root), key.Out()) != ERROR_SUCCESS) return false;
    return RegDeleteValueA(key.Get(), kPreferredValue) == ERROR_SUCCESS;
}

} // namespace

std::string ReadPreferredPrinter() {
    std::string name = ReadValue(HKEY_LOCAL_MACHINE);
    if (name.empty()) name = ReadValue(HKEY_CURRENT_USER);
    return name;
}

void WritePreferredPrinter(const std::string& name) {
    if (name.empty() || fw::EqualsNoCase(name, printers::kNovaPdfPrinterName)) {
        DeleteValue(HKEY_LOCAL_MACHINE);
        DeleteValue(HKEY_CURRENT_USER);
        return;
    }
    if (WriteMachineValue(name))
        DeleteValue(HKEY_CURRENT_USER);
    else
        WriteUserValue(name);
}

std::string ResolveDefaultPrinter(bool reset) {
    std::string preferred = ReadPreferredPrinter();
    if (!reset && CanOpenPrinter(preferred)) return preferred;
    if (CanOpenPrinter(printers::kNovaPdfPrinterName)) return printers::kNovaPdfPrinterName;
    if (CanOpenPrinter(printers::kV1PrinterName)) return printers::kV1PrinterName;
    return reset ? preferred : std::string();
}
