#include "components/dotnet_framework.h"

// Detection and installation come with this component's own work; until
// then it is never found and says so when asked to install.
bool OrvoComponent_DotNetFramework::IsInstalled() { return false; }

bool OrvoComponent_DotNetFramework::Install(InstallHost&) { return ReportInstallUnavailable(*this); }
