// The second generation of the PDF virtual printer, "Pellmore Orvo VPrinter
// V2": only found (the printer opens) and removed. It has no constructor of
// its own; MakeVirtualPrinterV2 gives it its identity.
#pragma once

#include "components/orvo_component.h"

#include <memory>

class OrvoComponent_VirtualPrinterV2 : public OrvoComponent {
public:
    bool IsInstalled() override;
    // Cannot be installed any more.
    bool Install(InstallHost& host) override;
    // Runs the V2 uninstaller when the printer opens. True when it does not
    // open afterwards (or did not before).
    bool Uninstall(HWND parent) override;
    bool IsApplicable() override { return false; }
    bool IsInstallerPresent() override;
};

// A V2 component with the base fields set: "Virtual Printer (V2)", bit 0x20,
// optional, not required, administrator rights, "Virtual Printer".
std::unique_ptr<OrvoComponent_VirtualPrinterV2> MakeVirtualPrinterV2();
