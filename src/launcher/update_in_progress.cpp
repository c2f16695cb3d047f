#include "launcher/update_in_progress.h"

#include "appstate/paths.h"
#include "appstate/settings.h"
#include "companions/companions.h"
#include "framework/strings.h"
#include "launcher/arguments.h"
#include "launcher/install_folder.h"
#include "launcher/main_program_launch.h"
#include "launcher/orvo_app.h"
#include "launcher/orvo_dlg.h"
#include "localinstall/file_tree.h"
#include "ui/task_dialog.h"

namespace {

const int kRelaunchUpdate = 1025;
const int kContinueWorking = 1026;
const int kWaitForUpdate = 1027;
const int kExit = IDCLOSE;

// In the order the checks must run: the search for a launcher running as
// the main program brings it to the front, so it is made only when needed.
UpdateInProgressFacts GatherFacts() {
    UpdateInProgressFacts facts;
    facts.localCopyInUse = IsLocalCopyInUse();
    facts.runningUnderMainProgramName = IsRunningUnderMainProgramName();
    if (facts.localCopyInUse && !facts.runningUnderMainProgramName)
        facts.launcherRunningInLocalCopy = ActivateRunningLauncher(companions::kMainProgramName, GetProgramFolder());
    facts.launcherFolderIsInstallFolder = fw::EqualsNoCase(LauncherFolder(), InstallFolderSetting());
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
    bool continueOffered = action == UpdateInProgressAction::OfferContinue;
    CTaskDialog dialog("Orvo Installer", "Orvo Update in Progress",
                       "An update is currently in progress or did not complete.\nThe update must be completed before "
                       "running the new version of Pellmore Orvo.");
    dialog.SetOwner(window.GetSafeHwnd());
    dialog.SetMainIcon(LoadIconA(nullptr, IDI_INFORMATION));
    if (continueOffered)
        dialog.AddCommandLink("Continue Working in Orvo",
                              "Launch the current version of Orvo. You will be prompted when the update is complete.",
                              kContinueWorking);
    else
        dialog.AddCommandLink("Wait for Update to Complete",
                              "Close this dialog. You will have to launch Orvo after the update is complete.",
                              kWaitForUpdate);
    dialog.AddCommandLink("Relaunch Orvo Update", "Select this if update was not successful.", kRelaunchUpdate);
    dialog.AddButton(kExit, "&Exit");
    // Above everything: the user must not miss that this start ran nothing.
    dialog.SetExStyle(WS_EX_TOPMOST);
    switch (dialog.DoModal()) {
    case kRelaunchUpdate:
        LaunchMainProgram(&window, companions::kInternetUpdateOption);
        break;
    case kContinueWorking:
        LaunchMainProgram(&window);
        break;
    default:
        break;
    }
}
