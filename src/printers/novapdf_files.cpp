#include "printers/novapdf_files.h"

#include "localinstall/file_tree.h"

#include <windows.h>

namespace novapdf {

namespace {

const DWORD kExpansionLimit = 258;

const char* const kDriverPackages[] = {"novaPDF8PrinterDriver(x86).msi", "novaPDF8PrinterDriver(x64).msi"};
const char* const kOemPackages[] = {"novaPDF8OEM(x86).msi", "novaPDF8OEM(x64).msi"};
const char kPackageFolder[] = "\\Installs\\NovaPDF\\";

const char* const kLegacyUninstallers[kLegacyUninstallerCount] = {
    "%ProgramFiles%\\Pellmore\\Pellmore Components\\PDF Printer\\unins000.exe",
    "%ProgramFiles%\\Softland\\novaPDF OEM 7\\unins000.exe",
};
const char* const kPrinterProfiles[kPrinterProfileCount] = {
    "%SystemRoot%\\System32\\spool\\drivers\\w32x86\\3\\Pellmore Virtual Printer.nvp",
    "%SystemRoot%\\System32\\spool\\drivers\\x64\\3\\Pellmore Virtual Printer.nvp",
    "%AppData%\\Softland\\novaPDF\\Pellmore Virtual Printer.nvl",
};

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);

std::string PackagePath(const char* const names[2]) {
    return GetCurrentFolder() + kPackageFolder + names[IsSixtyFourBitWindows() ? 1 : 0];
}

} // namespace

bool IsSixtyFourBitWindows() {
    if (sizeof(void*) == 8) return true;
    HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
    auto isWow64 = kernel ? reinterpret_cast<IsWow64ProcessFn>(
                                reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")))
                          : nullptr;
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

std::string DriverPackagePath() { return PackagePath(kDriverPackages); }

std::string OemPackagePath() { return PackagePath(kOemPackages); }

std::string RelaySourcePath() { return GetCurrentFolder() + "\\Installs\\NovaPDF\\" + kRelayProgram; }

std::string ExpandEnvironment(const std::string& text) {
    char buffer[kExpansionLimit] = "";
    DWORD length = ExpandEnvironmentStringsA(text.c_str(), buffer, kExpansionLimit);
    if (length == 0 || length > kExpansionLimit) return text;
    return buffer;
}

std::string ProgramFilesRoot() {
    std::string wide = ExpandEnvironment("%ProgramW6432%");
    if (DirectoryExists(wide)) return wide;
    return ExpandEnvironment("%ProgramFiles%");
}

std::string ComponentsFolder() { return ProgramFilesRoot() + "\\Pellmore\\Pellmore Components\\PDF Printer"; }

std::string PrinterSetupTool() { return ProgramFilesRoot() + "\\Softland\\novaPDF 8\\Driver\\printerutils.exe"; }

std::string PrinterSetupArguments() {
    return std::string("/op=2 /dn=novaPDF 8 /oem=") + kOemIdentifier +
           " /sp=8501 /pn=Pellmore Virtual Printer /po=novaPDF8 /dp=No";
}

std::string LegacyUninstaller(int index) {
    return index >= 0 && index < kLegacyUninstallerCount ? ExpandEnvironment(kLegacyUninstallers[index])
                                                          : std::string();
}

std::string PrinterProfileFile(int index) {
    return index >= 0 && index < kPrinterProfileCount ? ExpandEnvironment(kPrinterProfiles[index]) : std::string();
}

} // namespace novapdf
