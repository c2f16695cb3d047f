// The current generation of the PDF virtual printer, "Pellmore Virtual
// Printer" (novaPDF 8 driver), the one printer among the prerequisites. Its
// two Windows Installer packages (driver and OEM) are in "Installs\NovaPDF";
// installing it first removes every older generation and the novaPDF 7
// based printer, and copies the relay program into the maker's components
// folder.
#pragma once

#include "components/msi_package.h"
#include "components/orvo_component.h"

#include <string>

class OrvoComponent_VirtualPrinterNovaPDF : public OrvoComponent {
public:
    OrvoComponent_VirtualPrinterNovaPDF();

    // The printer opens and its driver is at least 7.7 (a driver whose
    // version cannot be read counts). Reloads both packages first; the
    // installed version shows the driver's and the products' versions.
    bool IsInstalled() override;
    // Removes the older printers, copies the relay program, installs the
    // packages that are not installed and clears the preferred printer.
    bool Install(InstallHost& host) override;
    // The removal with the restart question allowed, silent when the parent
    // is the launcher window with its silent flag set.
    bool Uninstall(HWND parent) override;
    // Both packages load.
    bool IsApplicable() override;
    bool IsInstallerPresent() override { return IsApplicable(); }

    // Installed, and the driver at least the OEM package's version.
    bool IsInstalledAndCurrent();
    // Sets the printer up again with the vendor's tool, or else installs
    // the OEM package afresh over the driver package.
    bool Repair(InstallHost& host);
    // Removes the older printers, the relay program and both products.
    // host may be null (no window).
    bool Remove(InstallHost* host, bool silent, bool restartAllowed);
    // Older generations (V1, V2, V3) and the novaPDF 7 based printer.
    bool RemoveOlderPrinters(InstallHost* host, bool silent, bool restartAllowed);
    bool RemoveLegacyPrinter(InstallHost* host, bool silent, bool restartAllowed);
    // Runs the vendor's set-up tool when both products are installed; true
    // when the printer is installed afterwards.
    bool SetUpPrinter(InstallHost* host);

    // Each loads its record (once until Reset); false, with the reason in
    // the message, when it fails or lacks the product's identity.
    bool LoadDriverPackage();
    bool LoadOemPackage();
    bool LoadPackages(); // both, each tried
    static bool IsProductInstalled(const MsiPackage& package) { return !package.installedVersion.empty(); }

    // The driver file's "ProductVersion"; empty when it cannot be read.
    std::string installedDriverVersion;
    MsiPackage oemPackage;
    MsiPackage driverPackage;

private:
    // Without any interface but the elevation prompt, as installations run;
    // a removal that needs a restart sets restartRequired.
    bool UninstallPackage(MsiPackage& package);
    bool CopyRelayProgram();
    bool InstallPackage(MsiPackage& package, InstallHost& host);
};
