// Where the installation is: the launcher's own folder, or the folder recorded
// in install.ini when the launcher runs from its local or temporary copy.
#include <windows.h>

#include <cctype>
#include <memory>

#include <gtest/gtest.h>

#include "appstate/paths.h"
#include "appstate/settings.h"
#include "path_test_support.h"

using namespace pathtest;
using namespace test_support;

namespace {

class InstallFolderTest : public PathFixture {
protected:
    void SetUp() override {
        PathFixture::SetUp();
        programFolder = GetProgramFolder();
        CreateDirectoryA(programFolder.c_str(), nullptr);
        installIni = programFolder + "\\install.ini";
        backup = std::make_unique<FileBackup>(installIni);
    }
    void TearDown() override {
        backup.reset();
        PathFixture::TearDown();
    }

    std::string programFolder;
    std::string installIni;
    std::unique_ptr<FileBackup> backup;
};

TEST_F(InstallFolderTest, InstallIniCountsOnlyForLocalOrTemporaryCopy) {
    WriteIni(installIni, "Settings", "sDir_InstallPath", "\\\\server\\pel");
    Restart();
    EXPECT_EQ(GetInstallPath(), installFolder);
    std::string viaSetting;
    EXPECT_EQ(GetSettingString(kSettingInstallPath, viaSetting), 1);
    EXPECT_EQ(viaSetting, installFolder);

    RunFrom(programFolder);
    EXPECT_EQ(GetInstallPath(), "\\\\server\\pel");

    std::string lowerTemp = GetTempFolder();
    for (char& c : lowerTemp) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    RunFrom(lowerTemp);
    EXPECT_EQ(GetInstallPath(), "\\\\server\\pel");
    EXPECT_EQ(GetInstallFilePath("\\\\Version.dat"), "\\\\server\\pel\\Version.dat");
    EXPECT_EQ(GetInstallFilePath(""), "\\\\server\\pel");
}

TEST_F(InstallFolderTest, RecordedFolderIsWrittenOnlyUnderItsRules) {
    EXPECT_EQ(SetSettingString(kSettingInstallPath, "\\\\server\\pel"), 1);
    EXPECT_EQ(ReadIni(installIni, "Settings", "sDir_InstallPath"), "\\\\server\\pel");
    RunFrom(programFolder);
    EXPECT_EQ(GetInstallPath(), "\\\\server\\pel");

    // The copies themselves are never recorded as the installation.
    SetInstallPath(programFolder);
    SetInstallPath(GetTempFolder());
    EXPECT_EQ(ReadIni(installIni, "Settings", "sDir_InstallPath"), "\\\\server\\pel");

    // Without local copies nothing is recorded.
    RunFrom(installFolder);
    WriteFile(installFolder + "\\Pellmore.NoLocalInstall.inc", "");
    Restart();
    SetInstallPath("C:\\elsewhere");
    EXPECT_EQ(ReadIni(installIni, "Settings", "sDir_InstallPath"), "\\\\server\\pel");
}

TEST_F(InstallFolderTest, RecordingCreatesAMissingProgramFolder) {
    DeleteFileA(installIni.c_str());
    if (!RemoveDirectoryA(programFolder.c_str())) GTEST_SKIP() << "program folder in use: " << programFolder;
    SetInstallPath("C:\\pel");
    EXPECT_EQ(ReadIni(installIni, "Settings", "sDir_InstallPath"), "C:\\pel");
}

} // namespace
