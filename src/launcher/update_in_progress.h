// A start while the main program updates the network installation (its
// marker is in the installation folder): the half-updated files are never
// run. The user may keep working with a current local copy, wait, or start
// the update again.
#pragma once

class COrvoDlg;

// What the start knows when it finds the marker.
struct UpdateInProgressFacts {
    bool localCopyInUse = false;
    bool runningUnderMainProgramName = false;
    bool launcherRunningInLocalCopy = false; // a launcher build as the main program there (brought to front)
    bool launcherFolderIsInstallFolder = false;
    bool restarted = false;
    bool mainProgramFolderIsLocal = false; // the main program would start from the local copy
};

enum class UpdateInProgressAction {
    RelaunchFromTempCopy, // leave the folder being updated first; no prompt
    OfferContinue,        // first link: "Continue Working in Orvo"
    OfferWait,            // first link: "Wait for Update to Complete"
};

UpdateInProgressAction DecideUpdateInProgress(const UpdateInProgressFacts& facts);

// The prompt; the caller ends its run afterwards.
void ShowUpdateInProgress(COrvoDlg& window);
