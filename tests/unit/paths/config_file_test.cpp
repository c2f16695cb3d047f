// The per-user configuration file: found in the local application-data
// folder, seeded once from the machine-wide copy, never overwritten.
#include <windows.h>
#include <shlobj.h>

#include <memory>

#include <gtest/gtest.h>

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "path_test_support.h"

using namespace pathtest;
using namespace test_support;

namespace {

class ConfigFileTest : public PathFixture {
protected:
    void SetUp() override {
        PathFixture::SetUp();
        userFile = GetAppDataFolder(AppDataKind::Local, "PELL.INI");
        commonFile = GetAppDataFolder(AppDataKind::Common, "PELL.INI");
        userBackup = std::make_unique<FileBackup>(userFile);
        commonBackup = std::make_unique<FileBackup>(commonFile);
    }
    void TearDown() override {
        userBackup.reset();
        commonBackup.reset();
        PathFixture::TearDown();
    }

    std::string userFile;
    std::string commonFile;
    std::unique_ptr<FileBackup> userBackup;
    std::unique_ptr<FileBackup> commonBackup;
};

TEST_F(ConfigFileTest, FirstUseSeedsFromCommonCopyAndNeverOverwrites) {
    WriteIni(commonFile, "Settings", "sDir_Pel", "C:\\seeded");
    std::string located;
    LocateUserConfigFile(located);
    EXPECT_EQ(located, userFile);
    EXPECT_EQ(ReadIni(userFile, "Settings", "sDir_Pel"), "C:\\seeded");

    WriteIni(commonFile, "Settings", "sDir_Pel", "C:\\changed");
    WriteIni(userFile, "Settings", "sUser", "kept");
    LocateUserConfigFile(located);
    EXPECT_EQ(ReadIni(userFile, "Settings", "sDir_Pel"), "C:\\seeded");
    EXPECT_EQ(ReadIni(userFile, "Settings", "sUser"), "kept");
}

TEST_F(ConfigFileTest, WithoutAnyCopyThePerUserPathIsUsedAllTheSame) {
    ResetPathState();
    EXPECT_EQ(GetConfigurationFile(), userFile);
    EXPECT_FALSE(Exists(userFile));
    // Derived folders come from the per-user file once it exists.
    WriteIni(userFile, "Settings", "sDir_Pel", "C:\\peruser");
    ResetPathState();
    FlushINICache(nullptr);
    EXPECT_EQ(GetDataFolder(), "C:\\peruser");
}

TEST_F(ConfigFileTest, LocalAppDataOverrideOnlyWhereNoLocalCopyIsKept) {
    std::string overrideBase = root / "profiles";
    WriteIni(config, "Settings", "LocalAppData", (overrideBase + "\\\\").c_str());
    Restart();
    EXPECT_EQ(GetLocalAppDataFolder(), GetSpecialFolderPath(CSIDL_LOCAL_APPDATA));

    WriteFile(installFolder + "\\Pellmore.TSCitrix.inc", "");
    Restart();
    EXPECT_EQ(GetLocalAppDataFolder(), overrideBase);
    EXPECT_EQ(GetAppDataFolder(AppDataKind::Local, "PELL.INI"), overrideBase + "\\Pellmore\\Orvo\\PELL.INI");
    EXPECT_TRUE(Exists(overrideBase + "\\Pellmore\\Orvo")) << "created with its parents";
}

TEST(ExpandPathTest, ExpandsShortAndLongValues) {
    SetEnvironmentVariableA("ORVO_TEST_FOLDER", "C:\\expanded");
    EXPECT_EQ(ExpandPath("%ORVO_TEST_FOLDER%\\x"), "C:\\expanded\\x");
    std::string longValue(400, 'v');
    SetEnvironmentVariableA("ORVO_TEST_FOLDER", longValue.c_str());
    EXPECT_EQ(ExpandPath("%ORVO_TEST_FOLDER%"), longValue);
    SetEnvironmentVariableA("ORVO_TEST_FOLDER", nullptr);
    EXPECT_EQ(ExpandPath("no variables"), "no variables");
}

} // namespace
