// The command line a launch request composes is the contract with the main
// program and the help program: order, spelling and the pass key must match
// exactly.
#include "launcher/launch_request.h"

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "framework/strings.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

long long FixedClock() { return 1700000000LL; }

class LaunchRequestTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousClock_ = SetPassKeyClock(&FixedClock);
        // The agency's data folder, with the installation's agency number.
        std::string data = scratch_.Subfolder("PEL");
        WriteFile(data + "\\Network.ini", "[Settings]\r\niGlb_AgencyNumber=42\r\n");
        config_ = scratch_ / "PELL.INI";
        WriteFile(config_, "[Settings]\r\nsDir_Pel=" + data + "\r\n");
        ResetPathState();
        SetConfigurationFile(config_);
        SetUserInitials("ABC");
    }
    void TearDown() override {
        SetPassKeyClock(previousClock_);
        ResetPathState();
        FlushINICache(nullptr);
    }

    TempFolder scratch_;
    std::string config_;
    PassKeyClock previousClock_ = nullptr;
};

const char kAbcKey[] = "112117115113114115113114115113"; // "ABC" at 1700000000
const std::string kSource = " /LaunchSrc:\"unit_launch.exe\"";

// A request without configuration and user, for the given agency.
LaunchRequest Bare(long agency, const std::string& executable = "x.exe") {
    LaunchRequest request(executable);
    request.configuration.clear();
    request.user.clear();
    request.agencyNumber = agency;
    return request;
}

} // namespace

TEST(PassKey, MixesEachDigitOfTheTimeWithTheInitialsInTurn) {
    EXPECT_EQ(MakePassKey("ABC", 1700000000LL), kAbcKey);
    EXPECT_EQ(MakePassKey("JD", 1234567890LL), "123118121112127114125124115116");
    EXPECT_EQ(MakePassKey("", 1700000000LL), "");
    // Characters above 127 count as negative bytes, as the main program reads them.
    EXPECT_EQ(MakePassKey("\xE9", 1LL), "-40");
}

TEST_F(LaunchRequestTest, DefaultsComposeConfigurationUserKeyAgencyAndSourceInOrder) {
    LaunchRequest request("OrvoHelp.exe");
    request.extraArguments = "/CSHID:\"1234\"";
    EXPECT_EQ(request.BuildCommandLine(), " /CFG:\"" + config_ + "\" /NoOfficePrompt /USER:ABC /PASSKEY:\"" +
                                              kAbcKey + "\" /CSHID:\"1234\" /AGENCYID:42 /LaunchSrc:\"unit_launch.exe\"");
    // The placeholders and the agency were resolved into the request.
    EXPECT_EQ(request.configuration, config_);
    EXPECT_EQ(request.user, "ABC");
    EXPECT_EQ(request.agencyNumber, 42);
}

TEST_F(LaunchRequestTest, AGivenAgencyWinsAndAMissingOneIsZero) {
    EXPECT_EQ(Bare(7).BuildCommandLine(), "  /AGENCYID:7" + kSource);
    WriteFile(GetNetworkIniPath(), "[Settings]\r\n");
    FlushINICache(nullptr);
    EXPECT_EQ(Bare(-3).BuildCommandLine(), "  /AGENCYID:0" + kSource);
}

TEST_F(LaunchRequestTest, EmptyInitialsStillWriteTheUserOptionWithAnEmptyKey) {
    SetUserInitials("");
    LaunchRequest request = Bare(1);
    request.user = LaunchRequest::kCurrentUser;
    EXPECT_EQ(request.BuildCommandLine(), " /NoOfficePrompt /USER: /PASSKEY:\"\"  /AGENCYID:1" + kSource);
}

TEST_F(LaunchRequestTest, LoginReplacesTheUserAndNamedUsersGetNoOfficePrompt) {
    LaunchRequest login = Bare(2);
    login.user = "ignored";
    login.login = "jdoe";
    login.password = "secret";
    EXPECT_EQ(login.BuildCommandLine(), " /LOGIN:jdoe /PASSWORD:secret  /AGENCYID:2" + kSource);
    LaunchRequest noPassword = Bare(2);
    noPassword.login = "jdoe";
    EXPECT_EQ(noPassword.BuildCommandLine(), " /LOGIN:jdoe  /AGENCYID:2" + kSource);

    LaunchRequest named = Bare(2);
    named.configuration = "C:\\Pel\\PELL.INI";
    named.user = "JD";
    EXPECT_EQ(named.BuildCommandLine(), " /CFG:\"C:\\Pel\\PELL.INI\" /USER:JD /PASSKEY:\"" +
                                            MakePassKey("JD", FixedClock()) + "\"  /AGENCYID:2" + kSource);
}

TEST_F(LaunchRequestTest, ClientFileDocumentAndLoadPolicy) {
    LaunchRequest client = Bare(3);
    client.clientNumber = 1234;
    client.document = "C:\\Docs\\ignored.pdf";
    client.loadPolicy = 0; // a valid policy
    EXPECT_EQ(client.BuildCommandLine(), " 00001234.cli /LOADPOLICY:0  /AGENCYID:3" + kSource);

    LaunchRequest document = Bare(3);
    document.document = "C:\\Docs\\claim form.pdf";
    document.extraArguments = "/X";
    EXPECT_EQ(document.BuildCommandLine(), " \"C:\\Docs\\claim form.pdf\" /X /AGENCYID:3" + kSource);
}

TEST_F(LaunchRequestTest, LaunchStartsTheProgramInTheWorkingFolderWithTheComposedLine) {
    RecordFile record(scratch_);
    std::string folder = scratch_.Subfolder("work");
    LaunchRequest request = Bare(9, StandIn("stub_main_program.exe"));
    request.workingFolder = folder;
    request.document = "a b.txt";
    ASSERT_TRUE(request.Launch(SW_HIDE));
    // The command line first; the stand-in main program then notes LaunchBit.
    auto lines = WaitForRecord(record.Path());
    ASSERT_GE(lines.size(), 1u);
    EXPECT_TRUE(fw::EqualsNoCase(lines[0].folder, folder)) << lines[0].folder;
    EXPECT_NE(lines[0].what.find(" \"a b.txt\"  /AGENCYID:9 /LaunchSrc:\"unit_launch.exe\""), std::string::npos)
        << lines[0].what;

    LaunchRequest missing(scratch_ / "absent.exe");
    EXPECT_FALSE(missing.Launch(SW_HIDE));
}
