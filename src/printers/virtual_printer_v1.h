// The first generation of the PDF virtual printer, "Pellmore Orvo Virtual
// Printer" (Amyuni driver, build 3000 or lower). Never a prerequisite any
// more: newer printers and the printer manager use it to find and remove it.
#pragma once

#include "components/orvo_component.h"

class OrvoComponent_VirtualPrinter : public OrvoComponent {
public:
    OrvoComponent_VirtualPrinter();

    // The Amyuni driver check; the driver's product version becomes the
    // installed version.
    bool IsInstalled() override;
    bool Install(InstallHost& host) override;
    // Runs the V1 uninstaller when a V1 printer is found. True when no V1
    // printer is left afterwards (or there was none).
    bool Uninstall(HWND parent) override;
    bool IsApplicable() override { return false; }
    bool IsInstallerPresent() override;
};
