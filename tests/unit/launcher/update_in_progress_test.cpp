// When an update of the installation is in progress: leave the folder being
// updated first, or offer to continue with the local copy, or to wait.
#include "launcher/update_in_progress.h"

#include <gtest/gtest.h>

namespace {

UpdateInProgressFacts LocalCopy() {
    UpdateInProgressFacts facts;
    facts.localCopyInUse = true;
    facts.mainProgramFolderIsLocal = true;
    return facts;
}

TEST(UpdateInProgress, Decision) {
    // From the local copy, whose main program is there: continue.
    EXPECT_EQ(DecideUpdateInProgress(LocalCopy()), UpdateInProgressAction::OfferContinue);

    // From the installation being updated: first away from it...
    UpdateInProgressFacts fromInstall = LocalCopy();
    fromInstall.launcherFolderIsInstallFolder = true;
    EXPECT_EQ(DecideUpdateInProgress(fromInstall), UpdateInProgressAction::RelaunchFromTempCopy);
    // ...and the copy that did so shows the prompt, without continuing there.
    fromInstall.restarted = true;
    EXPECT_EQ(DecideUpdateInProgress(fromInstall), UpdateInProgressAction::OfferWait);

    // No local copy in use ("/NoLocal"), or one that would start from the
    // installation: only waiting.
    UpdateInProgressFacts noLocal = LocalCopy();
    noLocal.localCopyInUse = false;
    noLocal.launcherFolderIsInstallFolder = true;
    EXPECT_EQ(DecideUpdateInProgress(noLocal), UpdateInProgressAction::OfferWait);
    UpdateInProgressFacts mainElsewhere = LocalCopy();
    mainElsewhere.mainProgramFolderIsLocal = false;
    EXPECT_EQ(DecideUpdateInProgress(mainElsewhere), UpdateInProgressAction::OfferWait);

    // Running as the main program, or handing over to such a launcher: never
    // relaunched, never continued.
    UpdateInProgressFacts asMain = fromInstall;
    asMain.restarted = false;
    asMain.runningUnderMainProgramName = true;
    EXPECT_EQ(DecideUpdateInProgress(asMain), UpdateInProgressAction::OfferWait);
    UpdateInProgressFacts handedOver = LocalCopy();
    handedOver.launcherRunningInLocalCopy = true;
    EXPECT_EQ(DecideUpdateInProgress(handedOver), UpdateInProgressAction::OfferWait);
}

} // namespace
