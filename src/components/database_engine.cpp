#include "components/database_engine.h"

// Detection and installation come with this component's own work; until
// then it is never found and says so when asked to install.
bool OrvoComponent_ODBCDriver::IsInstalled() { return false; }

bool OrvoComponent_ODBCDriver::Install(InstallHost&) { return ReportInstallUnavailable(*this); }
