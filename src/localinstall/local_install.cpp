#include "localinstall/local_install.h"

#include "appstate/paths.h"
#include "components/install_host.h"
#include "launcher/arguments.h"
#include "localinstall/version_files.h"

OrvoComponent_LocalInstall::OrvoComponent_LocalInstall() {
    displayName = "Local Installation";
    componentBit = kBitLocalInstall;
    description = "Runability of Pellmore Orvo";
    optional = 1;
    required = 1;
    requiresAdministrator = 0;
    verifyEachStart = 1;
}

bool OrvoComponent_LocalInstall::IsInstalled() {
    requiredVersion.clear();
    std::string installFolder = GetInstallPath();
    if (!installFolder.empty()) ReadProgramVersion(requiredVersion, installFolder);
    installedVersion.clear();
    // An empty folder would name the version file of the current folder.
    std::string programFolder = GetProgramFolder();
    if (!programFolder.empty()) ReadProgramVersion(installedVersion, programFolder);
    return requiredVersion == installedVersion;
}

bool OrvoComponent_LocalInstall::IsApplicable() { return !GetArguments().bNoLocalInstall && IsLocalInstallEnabled(); }

// The copy itself comes with the local installation's own work; until then
// the user is told, and nothing is copied or relaunched.
bool OrvoComponent_LocalInstall::Install(InstallHost& host) {
    ReportInstallUnavailable(*this);
    host.InstallMessageBox(message, MB_OK | MB_ICONEXCLAMATION, IDOK);
    return false;
}
