// The third generation of the PDF virtual printer (Amyuni driver, build 4510
// or lower) under any of its three names. Never a prerequisite any more:
// the current printer and the printer manager find and remove it.
#pragma once

#include "components/orvo_component.h"

#include <string>

class OrvoComponent_VirtualPrinterV3 : public OrvoComponent {
public:
    OrvoComponent_VirtualPrinterV3();

    // The first of the names that passes the Amyuni driver check becomes
    // the found printer name; its driver's product version the installed
    // version.
    bool IsInstalled() override;
    // Removes V1 first, then runs the V3 installer (which removes V2).
    bool Install(InstallHost& host) override;
    // Runs the V3 uninstaller when a V3 printer is found. True when none is
    // left afterwards (or there was none).
    bool Uninstall(HWND parent) override;
    // The installer is there; the required version is then the driver
    // library's "ProductVersion" when it has one.
    bool IsApplicable() override;
    bool IsInstallerPresent() override;

    std::string foundPrinterName;
};
