#include "launcher/update_in_progress.h"

#include "appstate/paths.h"
#include "appstate/settings.h"
#include "companions/companions.h"
#include "framework/prompter.h"
#include "framework/strings.h"
#include "launcher/arguments.h"
#include "launcher/install_folder.h"
#include "launcher/main_program_launch.h"
#include "launcher/orvo_app.h"
#include "launcher/orvo_dlg.h"
#include "localinstall/file_tree.h"

namespace {

std::string LauncherFolder() {
    if (COrvoApp* app = GetOrvoApp()) return app->GetLauncherFolder();
    return GetModuleFolder();
}

std::string OwnFileName() {
    char module[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    return FileNamePart(module);
}

// In the order the checks must run: the search for a launcher running as
// the main program brings it to the front, so it is made only when needed.
UpdateInProgressFacts GatherFacts() {
    UpdateInProgressFacts facts;
    facts.localCopyInUse = IsLocalCopyInUse();
    facts.runningUnderMainProgramName = fw::EqualsNoCase(OwnFileName(), companions::kMainProgramName);
    if (facts.localCopyInUse && !facts.runningUnderMainProgramName)
        facts.launcherRunningInLocalCopy = ActivateRunningLauncher(companions::kMainProgramName, GetProgramFolder());
    std::string installFolder;
    GetSettingString(kSettingInstallPath, installFolder);
    facts.launcherFolderIsInstallFolder = fw::EqualsNoCase(LauncherFolder(), installFolder);
    facts.restarted = GetArguments().bRestarted != 0;
    facts.mainProgramFolderIsLocal = fw::EqualsNoCase(GetMainProgramFolder(), GetProgramFolder());
    return facts;
}

} // namespace

UpdateInProgressAction DecideUpdateInProgress(const UpdateInProgressFacts& facts) {
    bool considered = facts.localCopyInUse && !facts.runningUnderMainProgramName && !facts.launcherRunningInLocalCopy;
    if (!considered) return UpdateInProgressAction::OfferWait;
    if (facts.launcherFolderIsInstallFolder)
        return facts.restarted ? UpdateInProgressAction::OfferWait : UpdateInProgressAction::RelaunchFromTempCopy;
    return facts.mainProgramFolderIsLocal ? UpdateInProgressAction::OfferContinue : UpdateInProgressAction::OfferWait;
}

void ShowUpdateInProgress(COrvoDlg& window) {
    UpdateInProgressAction action = DecideUpdateInProgress(GatherFacts());
    if (action == UpdateInProgressAction::RelaunchFromTempCopy) {
        RelaunchFromTempCopy(std::string());
        return;
    }
    (void)window;
    AfxMessageBox("An update is currently in progress or did not complete.\nThe update must be completed before "
                  "running the new version of Pellmore Orvo.",
                  MB_OK | MB_ICONINFORMATION);
}
