// The Access database engine (its ODBC driver for accdb files, version 12 or
// later): found among the registered ODBC drivers, installed with
// "Installs\WindowsInstaller\AccessDatabaseEngine.exe", which is downloaded
// from the vendor first when the installation lacks it. Whenever the driver
// is missing the driver list goes to "ODBCDriver.log" for support.
#pragma once

#include "components/orvo_component.h"

#include <string>

extern const char kDatabaseEngineDownloadUrl[];

class OrvoComponent_ODBCDriver : public OrvoComponent {
public:
    explicit OrvoComponent_ODBCDriver(std::string downloadUrl = kDatabaseEngineDownloadUrl);
    bool IsInstalled() override;
    bool Install(InstallHost& host) override;

private:
    std::string downloadUrl_;
};
