#include "printers/virtual_printer_v3.h"

#include "components/install_host.h"

#include "localinstall/file_tree.h"
#include "printers/amyuni_driver.h"
#include "printers/printer_names.h"
#include "printers/virtual_printer_v1.h"
#include "utils/file_version_info.h"

namespace {

const char* const kV3PrinterNames[] = {printers::kV1PrinterName, "Pellmore Orvo VPrinter V3",
                                       printers::kNovaPdfPrinterName};
const int kVersionTextLimit = 1023;

} // namespace

OrvoComponent_VirtualPrinterV3::OrvoComponent_VirtualPrinterV3() {
    displayName = "Virtual Printer (V3)";
    componentBit = kBitVirtualPrinterV3;
    optional = 1;
    required = 0;
    requiresAdministrator = 1;
    description = printers::kVirtualPrinterDescription;
}

bool OrvoComponent_VirtualPrinterV3::IsInstalled() {
    for (const char* name : kV3PrinterNames) {
        if (CheckAmyuniDriver(name, printers::kV3BuildLimit, installedVersion)) {
            foundPrinterName = name;
            return true;
        }
    }
    return false;
}

bool OrvoComponent_VirtualPrinterV3::Install(InstallHost& host) {
    OrvoComponent_VirtualPrinter v1;
    v1.Uninstall(host.GetOwnerWindow());
    return RunAmyuniInstaller(printers::kV3Installer, *this, host);
}

bool OrvoComponent_VirtualPrinterV3::Uninstall(HWND parent) {
    if (!IsInstalled()) return true;
    RunPrinterProgram(parent, printers::kV3Installer, printers::kV3UninstallArguments);
    return !IsInstalled();
}

bool OrvoComponent_VirtualPrinterV3::IsApplicable() {
    if (!FileExists(printers::kV3Installer)) return false;
    CFileVersionInfo info;
    if (info.Create(printers::kV3DriverLibrary)) info.QueryValue("ProductVersion", requiredVersion, kVersionTextLimit);
    return true;
}

bool OrvoComponent_VirtualPrinterV3::IsInstallerPresent() { return IsApplicable(); }
