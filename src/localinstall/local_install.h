// The local copy of the program files as a component: current when the
// local program folder holds the installation's program version; installing
// it replaces that folder by a fresh copy of the installation's files.
#pragma once

#include "components/orvo_component.h"

class OrvoComponent_LocalInstall : public OrvoComponent {
public:
    // The identity the launcher gives it: "Local Installation", bit 0x40.
    OrvoComponent_LocalInstall();

    bool IsInstalled() override;
    // Tells the suite's other programs, then copies the installation folder
    // into the local program folder; false, with the last question shown as
    // the message, when the copy did not complete.
    bool Install(InstallHost& host) override;
    // Not with "/NoLocal", and only where the installation allows local copies.
    bool IsApplicable() override;
};
