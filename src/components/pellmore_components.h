// The vendor's own components package (PellLink, scanning, company integrations).
#pragma once

#include "components/orvo_component.h"

class OrvoComponent_PellmoreComponents : public OrvoComponent {
public:
    bool IsInstalled() override;
    bool Install(InstallHost& host) override;
};
