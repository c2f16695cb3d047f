#include "localinstall/local_install.h"

#include "appstate/paths.h"
#include "appstate/settings.h"
#include "companions/companions.h"
#include "components/install_host.h"
#include "launcher/arguments.h"
#include "localinstall/local_copy.h"
#include "localinstall/version_files.h"

#include <windows.h>

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

namespace {

// Other programs of the suite learn that their files are about to be
// replaced; the launcher itself ignores the message.
void BroadcastLocalInstall() {
    UINT message = RegisterWindowMessageA(companions::kLocalInstallMessage);
    if (message != 0) PostMessageA(HWND_BROADCAST, message, 0, 0);
}

} // namespace

bool OrvoComponent_LocalInstall::Install(InstallHost& host) {
    message.clear();
    BroadcastLocalInstall();
    std::string installFolder = GetInstallPath();
    LocalCopy copy(host, installFolder, GetProgramFolder());
    // The fresh folder records where it came from, for a launcher started
    // from it or from the temporary folder.
    copy.onProgramFolderReady = [&installFolder] {
        if (IsLocalInstallEnabled()) SetSettingString(kSettingInstallPath, installFolder);
    };
    bool copied = copy.Run();
    if (!copy.RequiredVersion().empty()) requiredVersion = copy.RequiredVersion();
    message = copy.LastQuestion();
    return copied;
}
