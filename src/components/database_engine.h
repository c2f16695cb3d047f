// The Access database engine prerequisite (with its ODBC driver).
#pragma once

#include "components/orvo_component.h"

class OrvoComponent_ODBCDriver : public OrvoComponent {
public:
    bool IsInstalled() override;
    bool Install(InstallHost& host) override;
};
