#include "components/pellmore_components.h"

// Detection and installation come with this component's own work; until
// then it is never found and says so when asked to install.
bool OrvoComponent_PellmoreComponents::IsInstalled() { return false; }

bool OrvoComponent_PellmoreComponents::Install(InstallHost&) { return ReportInstallUnavailable(*this); }
