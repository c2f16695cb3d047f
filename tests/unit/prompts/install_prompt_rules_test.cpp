// The install prompt's decisions: when it needs administrator rights, how it
// gets them, when it starts by itself, what a skip warns about, and which
// replies it believes.
#include "support/components.h"
#include "ui/checker_status.h"
#include "ui/install_prompt_rules.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

class InstallPromptRules : public ::testing::Test {
protected:
    void SetUp() override {
        auto runtime = std::make_unique<ScriptedComponent>("Runtime", 0x2);
        runtime->required = 1;
        runtime->description = "Runability of Pellmore Orvo";
        auto links = std::make_unique<ScriptedComponent>("Links", 0x1);
        links->description = "PellLink, Scanning, and Company Integrations";
        auto local = std::make_unique<ScriptedComponent>("Local", 0x40);
        local->required = 1;
        local->requiresAdministrator = 0;
        local->description = "Runability of Pellmore Orvo";
        list.Add(std::move(runtime));
        list.Add(std::move(links));
        list.Add(std::move(local));
    }
    InstallPromptDecision Decide(unsigned bits, bool uac, bool elevated, bool admin, bool atOnce = false) {
        InstallPromptRights rights;
        rights.userAccountControl = uac;
        rights.processElevated = elevated;
        rights.userAdministrator = admin;
        return DecideInstallPrompt(list, bits, rights, atOnce);
    }
    OrvoComponents list;
};

TEST_F(InstallPromptRules, UacWithoutElevationWaitsBehindTheShield) {
    InstallPromptDecision d = Decide(0x40, true, false, true);
    EXPECT_TRUE(d.needsAdministrator);
    EXPECT_TRUE(d.shieldOnInstall);
    EXPECT_TRUE(d.runAsAdministrator);
    EXPECT_TRUE(d.installEnabled);
    EXPECT_FALSE(d.startAtOnce);
    EXPECT_FALSE(d.skipEnabled) << "the runtime is required";
}

TEST_F(InstallPromptRules, NonAdministratorWithoutUacCannotInstall) {
    InstallPromptDecision d = Decide(0x40, false, false, false);
    EXPECT_FALSE(d.installEnabled);
    EXPECT_TRUE(d.askToLogIn);
    EXPECT_FALSE(d.shieldOnInstall);
    EXPECT_FALSE(d.startAtOnce);
    // Only the optional component missing: skipping is allowed.
    InstallPromptDecision optional = Decide(0x42, false, false, false);
    EXPECT_TRUE(optional.skipEnabled);
    EXPECT_FALSE(optional.installEnabled);
}

TEST_F(InstallPromptRules, StartsAtOnceWhenItAlreadyHasTheRights) {
    EXPECT_TRUE(Decide(0x40, true, true, false).startAtOnce);   // elevated under UAC
    EXPECT_TRUE(Decide(0x40, false, false, true).startAtOnce);  // administrator without UAC
    EXPECT_FALSE(Decide(0x40, true, true, false).shieldOnInstall);
    // Nothing needing rights is missing (only the local copy): no rights test at all.
    InstallPromptDecision local = Decide(0x3, false, false, false);
    EXPECT_FALSE(local.needsAdministrator);
    EXPECT_TRUE(local.startAtOnce);
    EXPECT_FALSE(local.runAsAdministrator);
    // Nothing required missing: it waits unless the caller asks.
    EXPECT_FALSE(Decide(0x42, false, false, true).startAtOnce);
    EXPECT_TRUE(Decide(0x42, false, false, true, true).startAtOnce);
}

TEST_F(InstallPromptRules, SkipWarningListsEachMissingArea) {
    EXPECT_EQ(SkipInstallationWarning(list, 0x0),
              "You have chosen to skip installation of some components.\n\nThe following areas of Pellmore Orvo may not "
              "function correctly:\n\t- Runability of Pellmore Orvo\n\t- PellLink, Scanning, and Company "
              "Integrations\n\t- Runability of Pellmore Orvo\n");
}

TEST_F(InstallPromptRules, CopyArgumentsCarryTheReplyAddressAndKey) {
    EXPECT_EQ(InstallingCopyArguments("/SafeMode", reinterpret_cast<HWND>(static_cast<INT_PTR>(4660)), 2256, 4294967295u),
              "/SafeMode /NoConfirm /Install /CtrlWnd:4660 /CtrlMsg:2256 /CtrlKey:4294967295");
}

TEST(InstallingCopyReply, OnlyTheCopysKeyOnceAfterItStarted) {
    InstallingCopyReply reply;
    EXPECT_FALSE(reply.Accept(0x1234)) << "before a copy was started";
    reply.Started(0x1234);
    EXPECT_FALSE(reply.Accept(0));
    EXPECT_FALSE(reply.Accept(0x4321));
    EXPECT_TRUE(reply.Accept(0x1234));
    EXPECT_FALSE(reply.Accept(0x1234)) << "a second reply";
}

TEST(CheckerStatus, TextsAndTheInstallButton) {
    CheckerStatus ready = ChooseCheckerStatus(3, 3, false, false, true);
    EXPECT_EQ(ready.text, "Congratulations!\nThis workstation is ready to run the newest version of Pellmore Orvo!");
    EXPECT_FALSE(ready.installEnabled);
    EXPECT_EQ(ChooseCheckerStatus(0, 0, true, false, true).text, ready.text);

    CheckerStatus missing = ChooseCheckerStatus(3, 2, false, false, true);
    EXPECT_TRUE(missing.installEnabled);
    EXPECT_EQ(missing.text, "The components above need to be installed prior to running the newest version of Pellmore "
                            "Orvo!\r\nRequires logging in as an Administrator.");
    EXPECT_EQ(ChooseCheckerStatus(3, 2, false, true, true).text.find("Administrator"), std::string::npos);
    EXPECT_EQ(ChooseCheckerStatus(3, 2, false, false, false).text.find("Administrator"), std::string::npos)
        << "an unanswerable membership test adds nothing";

    CheckerStatus failed = ChooseCheckerStatus(3, 2, true, false, true);
    EXPECT_FALSE(failed.installEnabled);
    EXPECT_EQ(failed.text.rfind("Unable to install all components! They will need to be installed via a Windows "
                                "Update or from ",
                                0),
              0u);

    EXPECT_TRUE(CheckerNeedsShield(6, false));
    EXPECT_FALSE(CheckerNeedsShield(6, true));
    EXPECT_FALSE(CheckerNeedsShield(5, false));
}

} // namespace
