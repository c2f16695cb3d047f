// Settings by number: the Yes/No and number rules, the values computed from
// marker files, and which file each number range reads.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "appstate/paths.h"
#include "appstate/settings.h"
#include "path_test_support.h"

using namespace pathtest;
using namespace test_support;

namespace {

class SettingsTest : public PathFixture {
protected:
    void SetUp() override {
        PathFixture::SetUp();
        networkIni = installFolder + "\\NETWORK.INI";
    }
    int CitrixClientFor(const char* stored) {
        WriteIni(networkIni, "Settings", "bGlb_bCitrixClient", stored);
        Restart();
        return GetSettingInt(kSettingCitrixClient);
    }
    int UseWANPelPathFor(const char* stored) {
        WriteIni(networkIni, "Settings", "iGlb_UseWANPelPath", stored);
        Restart();
        return GetSettingInt(kSettingUseWANPelPath);
    }

    std::string networkIni;
};

TEST_F(SettingsTest, BooleanIsTrueOnlyForUpperCaseY) {
    EXPECT_EQ(CitrixClientFor(nullptr), 0);
    EXPECT_EQ(CitrixClientFor("Yes"), 1);
    EXPECT_EQ(CitrixClientFor("Y"), 1);
    EXPECT_EQ(CitrixClientFor("yes"), 0);
    EXPECT_EQ(CitrixClientFor("1"), 0);
    EXPECT_EQ(CitrixClientFor("No"), 0);
}

TEST_F(SettingsTest, NumberUsesDefaultAndAtoiRule) {
    EXPECT_EQ(UseWANPelPathFor(nullptr), -1);
    EXPECT_EQ(UseWANPelPathFor("Yes"), 1);
    EXPECT_EQ(UseWANPelPathFor(" 7 offices"), 7);
    EXPECT_EQ(UseWANPelPathFor("no"), 0);
}

TEST_F(SettingsTest, MarkersMakeTheWorkstationACitrixClient) {
    WriteFile(installFolder + "\\Pellmore.TSCitrix.inc", "");
    EXPECT_EQ(CitrixClientFor("No"), 1);
    EXPECT_EQ(GetSettingInt(kSettingHostedEnvironment), 0);

    DeleteFileA((installFolder + "\\Pellmore.TSCitrix.inc").c_str());
    WriteFile(installFolder + "\\Pellmore.Zevarur.inc", "");
    Restart();
    EXPECT_EQ(GetSettingInt(kSettingHostedEnvironment), 1);
    EXPECT_EQ(GetSettingInt(kSettingCitrixClient), 1);
    EXPECT_FALSE(IsLocalInstallEnabled());
}

TEST_F(SettingsTest, LocalCopyOnCitrixClientNeedsThePerUserOverride) {
    std::string userFile;
    LocateUserConfigFile(userFile);
    FileBackup userBackup(userFile);
    WriteIni(networkIni, "Settings", "bGlb_bCitrixClient", "Yes");
    // Named with "/CFG:", but the override belongs to the workstation's own file.
    WriteIni(config, "Settings", "LocalInstallOverride", "1");
    Restart();
    EXPECT_EQ(GetSettingInt(kSettingLocalInstallOverride), 0);
    EXPECT_FALSE(IsLocalInstallEnabled());

    WriteIni(userFile, "Settings", "LocalInstallOverride", "1");
    Restart();
    EXPECT_EQ(GetSettingInt(kSettingLocalInstallOverride), 1);
    EXPECT_TRUE(IsLocalInstallEnabled());

    WriteFile(installFolder + "\\Pellmore.NoLocalInstall.inc", "");
    Restart();
    EXPECT_FALSE(IsLocalInstallEnabled());
}

} // namespace
