// When components are examined again: the record is trusted while the
// program version is unchanged and the last start completed; a reset writes
// 0 and the current version and asks every component.
#include "component_run_support.h"

using namespace runtest;
using namespace test_support;

namespace {

class CheckTest : public ComponentRunTest {
protected:
    void SetUp() override {
        ComponentRunTest::SetUp();
        net = &Add(".NET", 0x800, true);
        runtime = &Add("runtime", 0x2, false);
    }
    ScriptedComponent* net = nullptr;
    ScriptedComponent* runtime = nullptr;
};

TEST_F(CheckTest, InstallWithoutConfirmationLooksAtNothing) {
    GetArguments().bRecheck = 1;
    GetArguments().bNoConfirmation = 1;
    RecordState(0x802, "5.0.3.90");
    ScriptedAnswers answers;
    EXPECT_EQ(run.CheckComponents(), kComponentsMissing);
    EXPECT_EQ(net->isInstalledCalls + runtime->isInstalledCalls, 0);
    EXPECT_TRUE(answers.asked.empty());
    EXPECT_EQ(ReadInstalledComponents(), 0x802u);
}

TEST_F(CheckTest, TrustedRecordAsksNoComponent) {
    RecordState(0x802, "5.0.3.90");
    EXPECT_EQ(run.CheckComponents(), kComponentsInstalled);
    EXPECT_EQ(net->isInstalledCalls + runtime->isInstalledCalls, 0);
    EXPECT_EQ(run.installedBits, 0x802u);

    // A component verified at each start is asked all the same.
    runtime->verifyEachStart = 1;
    EXPECT_EQ(run.CheckComponents(), kComponentsMissing);
    EXPECT_EQ(runtime->isInstalledCalls, 1);
}

TEST_F(CheckTest, NewProgramVersionResetsWithoutAsking) {
    RecordState(0x802, "5.0.3.89");
    ScriptedAnswers answers;
    EXPECT_EQ(run.CheckComponents(), kComponentsMissing);
    EXPECT_TRUE(answers.asked.empty());
    EXPECT_EQ(ReadInstalledComponents(), 0x800u);
    EXPECT_EQ(ReadComponentsVersion(), "5.0.3.90");
    EXPECT_EQ(net->isInstalledCalls, 1);
    EXPECT_EQ(runtime->isInstalledCalls, 1);
}

TEST_F(CheckTest, IncompleteRecordAsksOnlyTheMissing) {
    RecordState(0x800, "5.0.3.90");
    EXPECT_EQ(run.CheckComponents(), kComponentsMissing);
    EXPECT_EQ(net->isInstalledCalls, 0);
    EXPECT_EQ(runtime->isInstalledCalls, 1);
    runtime->installed = true;
    EXPECT_EQ(run.CheckComponents(), kComponentsInstalled);
    EXPECT_EQ(ReadInstalledComponents(), 0x802u);
}

TEST_F(CheckTest, UnfinishedLastStartAsksBeforeRechecking) {
    RecordState(0x802, "5.0.3.90");
    SetLaunchBitValue(1);
    {
        ScriptedAnswers answers({IDNO});
        EXPECT_EQ(run.CheckComponents(), kComponentsMissing);
        ASSERT_EQ(answers.asked.size(), 1u);
        EXPECT_EQ(answers.asked[0], kLaunchFailedQuestion);
        EXPECT_EQ(answers.types[0], static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
        EXPECT_EQ(ReadInstalledComponents(), 0x802u) << "No keeps the record";
        EXPECT_EQ(net->isInstalledCalls + runtime->isInstalledCalls, 0);
    }
    {
        ScriptedAnswers answers({IDYES});
        EXPECT_EQ(run.CheckComponents(), kComponentsMissing);
        EXPECT_EQ(ReadInstalledComponents(), 0x800u) << "Yes resets and asks again";
    }
}

TEST_F(CheckTest, SafeModeOffersARecheck) {
    RecordState(0x802, "5.0.3.90");
    GetArguments().bSafeMode = 1;
    ScriptedAnswers answers({IDNO});
    EXPECT_EQ(run.CheckComponents(), kComponentsMissing);
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(answers.asked[0], kRecheckQuestion);
}

} // namespace
