// The .NET Framework 4.8 prerequisite.
#pragma once

#include "components/orvo_component.h"

class OrvoComponent_DotNetFramework : public OrvoComponent {
public:
    bool IsInstalled() override;
    bool Install(InstallHost& host) override;
};
