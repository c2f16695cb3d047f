// The data and client folders as the configuration file and the installation
// folder decide them, on a drive-letter and on a UNC installation.
#include <windows.h>

#include <gtest/gtest.h>

#include "appstate/paths.h"
#include "path_test_support.h"

using namespace pathtest;
using namespace test_support;

namespace {

class DataFolderTest : public PathFixture {
protected:
    void SetUp() override {
        PathFixture::SetUp();
        // Another drive than the installation's, so a path relative to the
        // current drive would be caught.
        GetCurrentDirectoryA(MAX_PATH, savedCurrent_);
        SetCurrentDirectoryA("Z:\\");
    }
    void TearDown() override {
        SetCurrentDirectoryA(savedCurrent_);
        PathFixture::TearDown();
    }
    std::string DataFolderFor(const char* value) {
        WriteIni(config, "Settings", "sDir_Pel", value);
        Restart();
        return GetDataFolder();
    }

private:
    char savedCurrent_[MAX_PATH] = {};
};

TEST_F(DataFolderTest, ConfiguredValueResolvesAgainstDriveLetterInstallation) {
    ASSERT_EQ(installFolder.compare(0, 3, "C:\\"), 0) << installFolder;
    EXPECT_EQ(GetDataFolder(), installFolder);
    EXPECT_EQ(GetNetworkIniPath(), installFolder + "\\Network.ini");
    EXPECT_EQ(DataFolderFor(".\\sub"), installFolder + "\\sub");
    EXPECT_EQ(DataFolderFor("..\\sibling"), root / "sibling");
    EXPECT_EQ(DataFolderFor("\\agency\\data"), "C:\\agency\\data");
    EXPECT_EQ(DataFolderFor("\\\\fileserver\\pel\\data"), "\\\\fileserver\\pel\\data");
    EXPECT_EQ(DataFolderFor("D:\\pel"), "D:\\pel");
    // The client folder has its own default, relative to the installation's drive.
    EXPECT_EQ(GetClientFolder(), "C:\\PEL\\CLIENT");
    WriteIni(config, "Settings", "sDir_Client", ".\\clients");
    Restart();
    EXPECT_EQ(GetClientFolder(), installFolder + "\\clients");
}

TEST_F(DataFolderTest, ConfiguredValueResolvesAgainstUncInstallation) {
    // Wine serves \\server\share from the prefix's dosdevices\unc folder, which
    // the test reaches through the Z: drive.
    char prefix[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
    std::string share;
    if (length > 0 && length < MAX_PATH) {
        std::string folder = std::string("Z:") + prefix + "\\dosdevices";
        for (char& c : folder) c = c == '/' ? '\\' : c;
        for (const char* part : {"\\unc", "\\orvotest", "\\share", "\\inst"}) {
            folder += part;
            CreateDirectoryA(folder.c_str(), nullptr);
        }
        share = folder.substr(0, folder.size() - 5);
    }
    RunFrom("\\\\orvotest\\share\\inst");
    EXPECT_EQ(GetDataFolder(), "\\\\orvotest\\share\\inst");
    EXPECT_EQ(DataFolderFor(".\\sub"), "\\\\orvotest\\share\\inst\\sub");
    EXPECT_EQ(DataFolderFor("\\data"), "\\\\orvotest\\share\\data");
    if (!share.empty()) {
        // The share is real: a marker placed there is found through the UNC path.
        WriteFile(share + "\\inst\\Pellmore.NoLocalInstall.inc", "");
        Restart();
        EXPECT_FALSE(IsLocalInstallEnabled());
        RemoveTreeForcibly(share.substr(0, share.rfind('\\')));
    }
}

TEST_F(DataFolderTest, OverlongConfiguredValueIsCutTo259Characters) {
    std::string longValue = "C:\\" + std::string(300, 'a');
    std::string folder = DataFolderFor(longValue.c_str());
    EXPECT_EQ(folder, longValue.substr(0, 259));
}

TEST_F(DataFolderTest, NamingAnotherConfigurationFileRederivesTheFolders) {
    WriteIni(config, "Settings", "sDir_Pel", "C:\\first");
    WriteIni(config, "Settings", "sDir_Client", "C:\\first\\clients");
    std::string other = root / "other.ini";
    WriteIni(other, "Settings", "sDir_Pel", "C:\\second");
    Restart();
    EXPECT_EQ(GetDataFolder(), "C:\\first");
    EXPECT_EQ(GetWANDataFolder(), "C:\\first");
    EXPECT_EQ(GetClientFolder(), "C:\\first\\clients");
    EXPECT_EQ(SetConfigurationFile(other), 1);
    EXPECT_EQ(GetConfigurationFile(), other);
    EXPECT_EQ(GetDataFolder(), "C:\\second");
    EXPECT_EQ(GetWANDataFolder(), "C:\\second");
    EXPECT_EQ(GetClientFolder(), "C:\\PEL\\CLIENT");
}

} // namespace
