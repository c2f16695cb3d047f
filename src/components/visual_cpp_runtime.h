// The Visual C++ runtime prerequisite.
#pragma once

#include "components/orvo_component.h"

class OrvoComponent_MFC : public OrvoComponent {
public:
    bool IsInstalled() override;
    bool Install(InstallHost& host) override;
};
