#include "printers/virtual_printer_novapdf.h"

#include "components/install_host.h"
#include "framework/dialog.h"
#include "framework/handles.h"
#include "framework/strings.h"
#include "printers/novapdf_files.h"
#include "printers/printer_names.h"
#include "printers/printer_version.h"
#include "printers/spooler.h"
#include "utils/file_version_info.h"

#include <winspool.h>

namespace {

const int kVersionTextLimit = 1023;

bool LoadPackage(OrvoComponent& component, MsiPackage& package, const std::string& path, const char* incomplete) {
    if (!package.Load(path)) {
        component.AddMessage(package.error);
        return false;
    }
    if (!package.productCode.empty() && !package.upgradeCode.empty() && !package.packagePath.empty()) return true;
    component.AddMessage(incomplete);
    return false;
}

} // namespace

OrvoComponent_VirtualPrinterNovaPDF::OrvoComponent_VirtualPrinterNovaPDF() {
    displayName = printers::kNovaPdfPrinterName;
    componentBit = kBitVirtualPrinterNovaPDF;
    optional = 1;
    required = 0;
    requiresAdministrator = 1;
    description = printers::kVirtualPrinterDescription;
}

bool OrvoComponent_VirtualPrinterNovaPDF::LoadDriverPackage() {
    return LoadPackage(*this, driverPackage, novapdf::DriverPackagePath(),
                       "NovaPDF Printer MSI settings not fully loaded.");
}

bool OrvoComponent_VirtualPrinterNovaPDF::LoadOemPackage() {
    return LoadPackage(*this, oemPackage, novapdf::OemPackagePath(), "Pellmore Printer MSI settings not fully loaded.");
}

bool OrvoComponent_VirtualPrinterNovaPDF::LoadPackages() {
    bool driver = LoadDriverPackage();
    bool oem = LoadOemPackage();
    return driver && oem;
}

bool OrvoComponent_VirtualPrinterNovaPDF::IsApplicable() { return LoadPackages(); }

bool OrvoComponent_VirtualPrinterNovaPDF::IsInstalled() {
    requiredVersion = novapdf::kMinimumDriverVersion;
    installedDriverVersion.clear();
    installedVersion.clear();
    driverPackage.Reset();
    oemPackage.Reset();
    LoadPackages();

    fw::Printer printer;
    if (!OpenPrinterA(const_cast<char*>(printers::kNovaPdfPrinterName), printer.Out(), nullptr) || !printer)
        return false;
    bool installed = true;
    std::string driver;
    CFileVersionInfo info;
    if (GetPrinterDriverFile(printer.Get(), driver) && info.Create(driver.c_str())) {
        info.QueryValue("ProductVersion", installedDriverVersion, kVersionTextLimit);
        installedVersion = installedDriverVersion;
        installed = CompareMajorMinor(installedDriverVersion, novapdf::kMinimumDriverVersion) >= 0;
    }
    if (!oemPackage.installedVersion.empty() || !driverPackage.installedVersion.empty())
        installedVersion += fw::Format(" / %s / %s", oemPackage.installedVersion.c_str(),
                                       driverPackage.installedVersion.c_str());
    return installed;
}

bool OrvoComponent_VirtualPrinterNovaPDF::IsInstalledAndCurrent() {
    return IsInstalled() && !installedDriverVersion.empty() && !oemPackage.productVersion.empty() &&
           CompareMajorMinor(installedDriverVersion, oemPackage.productVersion) >= 0;
}

bool OrvoComponent_VirtualPrinterNovaPDF::Uninstall(HWND parent) {
    // Only the launcher window knows a silent flag.
    InstallHost* host = dynamic_cast<InstallHost*>(CDialog::FromHandle(parent));
    return Remove(host, host && host->GetSilentFlag(), true);
}
