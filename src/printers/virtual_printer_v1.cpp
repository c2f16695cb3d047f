#include "printers/virtual_printer_v1.h"

#include "localinstall/file_tree.h"
#include "printers/amyuni_driver.h"
#include "printers/printer_names.h"
#include "printers/printer_wait.h"

namespace {

// The spooler lets go of the printer before its uninstaller removes it.
const DWORD kBeforeUninstallMs = 500;

bool FindV1Printer(std::string& productVersion) {
    return CheckAmyuniDriver(printers::kV1PrinterName, printers::kV1BuildLimit, productVersion);
}

} // namespace

OrvoComponent_VirtualPrinter::OrvoComponent_VirtualPrinter() {
    displayName = "Virtual Printer (V1)";
    componentBit = kBitVirtualPrinterV1;
    optional = 1;
    required = 0;
    requiresAdministrator = 1;
    description = printers::kVirtualPrinterDescription;
    requiredVersion = "4.0";
}

bool OrvoComponent_VirtualPrinter::IsInstalled() { return FindV1Printer(installedVersion); }

bool OrvoComponent_VirtualPrinter::Install(InstallHost& host) {
    return RunAmyuniInstaller(printers::kV1Installer, *this, host);
}

bool OrvoComponent_VirtualPrinter::Uninstall(HWND parent) {
    std::string version;
    if (!FindV1Printer(version)) return true;
    PrinterWait(kBeforeUninstallMs);
    RunPrinterProgram(parent, InstallerRunPath(printers::kV1Installer), printers::kV1UninstallArguments);
    // The uninstaller's exit code says nothing; the spooler does.
    return !FindV1Printer(version);
}

bool OrvoComponent_VirtualPrinter::IsInstallerPresent() { return FileExists(printers::kV1Installer); }
