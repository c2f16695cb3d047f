// The shared (WAN) data folder of multi-office agencies and the reminder for
// a computer that belongs to no office yet.
#include <windows.h>

#include <gtest/gtest.h>

#include "appstate/paths.h"
#include "path_test_support.h"

using namespace pathtest;
using namespace test_support;

namespace {

class SharedFolderTest : public PathFixture {
protected:
    void SetUp() override {
        PathFixture::SetUp();
        dataFolder = root / "data";
        CreateDirectoryA(dataFolder.c_str(), nullptr);
        networkIni = dataFolder + "\\NETWORK.INI";
        WriteIni(config, "Settings", "sDir_Pel", dataFolder.c_str());
        // An assigned computer, unless a test says otherwise.
        WriteIni(config, "Settings", "iGlb_MultiAgencyComputerID", "4");
        Restart();
    }
    void SetAgencyType(const char* type) { WriteIni(networkIni, "Settings", "iGlb_MultiAgencyType", type); }

    std::string dataFolder;
    std::string networkIni;
};

TEST_F(SharedFolderTest, MultiOfficeAgencyLooksInConfigurationThenNetworkIni) {
    ScriptedPrompter prompter(IDNO);
    SetAgencyType("2");
    WriteIni(config, "Settings", "sDir_WANPel", "C:\\wan\\fromconfig");
    WriteIni(networkIni, "Settings", "sDir_WANPel", "C:\\wan\\fromnetwork");
    Restart();
    EXPECT_EQ(GetMultiAgencyType(), 2);
    EXPECT_EQ(GetWANDataFolder(), "C:\\wan\\fromconfig");

    WriteIni(config, "Settings", "sDir_WANPel", nullptr);
    Restart();
    EXPECT_EQ(GetWANDataFolder(), "C:\\wan\\fromnetwork");

    WriteIni(networkIni, "Settings", "sDir_WANPel", nullptr);
    Restart();
    EXPECT_EQ(GetWANDataFolder(), dataFolder);
    EXPECT_EQ(prompter.calls, 0);
}

TEST_F(SharedFolderTest, UseWANPelPathOverridesTheAgencyType) {
    WriteIni(config, "Settings", "sDir_WANPel", "C:\\wan");
    SetAgencyType("0");
    Restart();
    EXPECT_EQ(GetWANDataFolder(), dataFolder);

    WriteIni(networkIni, "Settings", "iGlb_UseWANPelPath", "Yes");
    Restart();
    EXPECT_EQ(GetWANDataFolder(), "C:\\wan");

    ScriptedPrompter prompter(IDNO);
    SetAgencyType("3");
    WriteIni(networkIni, "Settings", "iGlb_UseWANPelPath", "0");
    Restart();
    EXPECT_EQ(GetWANDataFolder(), dataFolder);
}

TEST_F(SharedFolderTest, RelativeSharedFolderResolvesLikeTheDataFolder) {
    WriteIni(networkIni, "Settings", "iGlb_UseWANPelPath", "1");
    WriteIni(config, "Settings", "sDir_WANPel", ".\\wan");
    Restart();
    EXPECT_EQ(GetWANDataFolder(), installFolder + "\\wan");
    EXPECT_EQ(GetDebugLogPath(), installFolder + "\\wan\\Logs\\Debug.log");
    EXPECT_TRUE(Exists(installFolder + "\\wan\\Logs"));
}

TEST_F(SharedFolderTest, UnassignedComputerQuestionStopsAfterNo) {
    SetAgencyType("1");
    WriteIni(config, "Settings", "iGlb_MultiAgencyComputerID", nullptr);
    ScriptedPrompter prompter(IDNO);
    Restart();
    GetWANDataFolder();
    GetWANDataFolder();
    ASSERT_EQ(prompter.calls, 1);
    EXPECT_EQ(prompter.lastType, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
    EXPECT_EQ(prompter.lastText,
              "This computer has not been assigned to an office.\nTo fix, go to Settings | Agency Information in "
              "the Orvo.\n\nShow this message again?");
    EXPECT_EQ(ReadIni(config, "Messages", "MultiAgencyComputerID"), "1");
    Restart();
    GetWANDataFolder();
    EXPECT_EQ(prompter.calls, 1);
}

TEST_F(SharedFolderTest, UnassignedComputerQuestionRepeatsAfterYes) {
    SetAgencyType("3");
    WriteIni(config, "Settings", "iGlb_MultiAgencyComputerID", nullptr);
    ScriptedPrompter prompter(IDYES);
    Restart();
    GetWANDataFolder();
    Restart();
    GetWANDataFolder();
    EXPECT_EQ(prompter.calls, 2);
    EXPECT_EQ(ReadIni(config, "Messages", "MultiAgencyComputerID"), "");
}

TEST_F(SharedFolderTest, NoQuestionForAssignedComputerOrSingleOffice) {
    ScriptedPrompter prompter(IDNO);
    SetAgencyType("2");
    Restart();
    GetWANDataFolder();
    WriteIni(config, "Settings", "iGlb_MultiAgencyComputerID", nullptr);
    SetAgencyType("0");
    Restart();
    GetWANDataFolder();
    EXPECT_EQ(prompter.calls, 0);
}

} // namespace
