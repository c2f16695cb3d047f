#include "components/visual_cpp_runtime.h"

// Detection and installation come with this component's own work; until
// then it is never found and says so when asked to install.
bool OrvoComponent_MFC::IsInstalled() { return false; }

bool OrvoComponent_MFC::Install(InstallHost&) { return ReportInstallUnavailable(*this); }
