// The local copy of the program files as a component: current when the
// local program folder holds the installation's program version.
#pragma once

#include "components/orvo_component.h"

class OrvoComponent_LocalInstall : public OrvoComponent {
public:
    // The identity the launcher gives it: "Local Installation", bit 0x40.
    OrvoComponent_LocalInstall();

    bool IsInstalled() override;
    bool Install(InstallHost& host) override;
    // Not with "/NoLocal", and only where the installation allows local copies.
    bool IsApplicable() override;
};
