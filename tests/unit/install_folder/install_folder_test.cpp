// Which folder the launcher takes the program files from, how it recognises
// launcher builds, and how it starts itself again. The tests run "from" a
// fixture installation (the module folder is overridden) and use the
// workstation's real local program folder and temporary folder of the Wine
// prefix, cleaning up what they put there.
#include "launcher/install_folder.h"

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "framework/strings.h"
#include "launcher/arguments.h"
#include "launcher/special_settings.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

int CountOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

bool SameFolder(const std::string& a, const std::string& b) { return fw::EqualsNoCase(a, b); }

// Deletes a file a stand-in may still hold for a moment.
void RemoveFile(const std::string& path) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (DeleteFileA(path.c_str()) || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
        Sleep(100);
    }
}

class InstallFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        install_ = scratch_.Subfolder("Pellmore");
        WriteFile(install_ + "\\Version.dat", "5.0.3.90\r\n");
        CopyFileA(StandIn("stub_launcher_build.exe").c_str(), (install_ + "\\Orvo.EXE").c_str(), FALSE);
        CopyFileA(StandIn("stub_main_program.exe").c_str(), (install_ + "\\PellmoreOrvo.EXE").c_str(), FALSE);
        savedArguments_ = GetArguments();
        RunFrom(install_);
        programFolder_ = GetProgramFolder();
        ASSERT_FALSE(programFolder_.empty());
        CreateDirectoryA(programFolder_.c_str(), nullptr);
        RemoveFile(InstallIni());
        FlushINICache(nullptr);
        if (!IsLocalInstallEnabled()) GTEST_SKIP() << "local copies are disabled in this prefix";
    }
    void TearDown() override {
        SetInstallPathQuestion(nullptr);
        GetArguments() = savedArguments_;
        RemoveFile(InstallIni());
        RemoveFile(programFolder_ + "\\PellmoreOrvo.EXE");
        SetModuleFolderForTests("");
        ResetPathState();
        ResetSpecialSettingCache();
        FlushINICache(nullptr);
    }

    void RunFrom(const std::string& folder) {
        SetModuleFolderForTests(folder);
        ResetPathState();
        ResetSpecialSettingCache();
        FlushINICache(nullptr);
    }
    void UseLauncherCommandLine(const std::string& line) { GetArguments() = CArguments(line, savedArguments_.GetAt(0)); }
    std::string InstallIni() const { return programFolder_ + "\\install.ini"; }
    std::string RecordedInstallFolder() {
        FlushINICache(nullptr);
        std::string value;
        CacheGetProfileString("Settings", "sDir_InstallPath", "", value, InstallIni().c_str());
        return value;
    }

    TempFolder scratch_{"orvo_install"};
    std::string install_;
    std::string programFolder_;
    CArguments savedArguments_;
};

} // namespace

TEST(LauncherBuild, RecognisedByItsVersionResourceWhateverItsName) {
    TempFolder scratch;
    std::string renamed = scratch / "PellmoreOrvo.EXE";
    CopyFileA(StandIn("stub_launcher_build.exe").c_str(), renamed.c_str(), FALSE);
    EXPECT_TRUE(IsLauncherBuild(StandIn("stub_launcher_build.exe")));
    EXPECT_TRUE(IsLauncherBuild(renamed));
    EXPECT_FALSE(IsLauncherBuild(StandIn("stub_main_program.exe"))); // a version resource without the mark
    EXPECT_FALSE(IsLauncherBuild(StandIn("stub_setup.exe")));        // no version resource at all
    EXPECT_FALSE(IsLauncherBuild(scratch / "absent.exe"));
    EXPECT_FALSE(IsLauncherBuild(""));
}

TEST_F(InstallFolderTest, MainProgramFolderRefusesALauncherBuildUnderTheMainProgramsName) {
    std::string localMain = programFolder_ + "\\PellmoreOrvo.EXE";
    EXPECT_TRUE(SameFolder(GetMainProgramFolder(), install_)) << "no local main program yet";

    CopyFileA(StandIn("stub_launcher_build.exe").c_str(), localMain.c_str(), FALSE);
    EXPECT_TRUE(SameFolder(GetMainProgramFolder(), install_));

    CopyFileA(StandIn("stub_main_program.exe").c_str(), localMain.c_str(), FALSE);
    EXPECT_TRUE(SameFolder(GetMainProgramFolder(), programFolder_));

    UseLauncherCommandLine("Orvo.exe /NoLocal");
    EXPECT_TRUE(SameFolder(GetMainProgramFolder(), install_)) << "the local copy is never chosen with /NoLocal";
}

TEST_F(InstallFolderTest, RelaunchAddsRestartedOnceAndPassesTheArgumentsOn) {
    RecordFile record(scratch_);
    UseLauncherCommandLine("Orvo.exe /SafeMode");
    Relaunch(install_, "/SkipLocalCheck");
    WaitForRecord(record.Path(), 1); // keeps the two records in order
    UseLauncherCommandLine("Orvo.exe /Restarted /SkipLocalCheck");
    Relaunch("", ""); // the launcher folder

    auto lines = WaitForRecord(record.Path(), 2);
    ASSERT_EQ(lines.size(), 2u);
    for (const RecordLine& line : lines) {
        EXPECT_TRUE(fw::EqualsNoCase(line.program, "Orvo.EXE")) << line.program;
        EXPECT_TRUE(SameFolder(line.folder, install_)) << line.folder;
        EXPECT_EQ(CountOf(line.what, "/Restarted"), 1) << line.what;
        EXPECT_EQ(line.what.find("/CFG:"), std::string::npos) << line.what;
        EXPECT_EQ(line.what.find("/USER:"), std::string::npos) << line.what;
    }
    std::string first = ArgumentsOf(lines[0].what);
    EXPECT_LT(first.find("/SafeMode"), first.find("/Restarted"));
    EXPECT_LT(first.find("/Restarted"), first.find("/SkipLocalCheck"));
    EXPECT_LT(first.find("/SkipLocalCheck"), first.find("/AGENCYID:"));
    EXPECT_LT(first.find("/AGENCYID:"), first.find("/LaunchSrc:\"unit_install_folder.exe\""));
}

TEST_F(InstallFolderTest, RelaunchFromTempCopyStartsACopyInTheTemporaryFolder) {
    RecordFile record(scratch_);
    std::string temp = GetTempFolder();
    std::string copy = temp + "\\Orvo.EXE";
    RemoveFile(copy);
    RelaunchFromTempCopy("/NoConfirm");

    auto lines = WaitForRecord(record.Path());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(SameFolder(lines[0].folder, temp)) << lines[0].folder;
    EXPECT_NE(lines[0].what.find("/NoConfirm"), std::string::npos) << lines[0].what;
    EXPECT_NE(GetFileAttributesA(copy.c_str()), INVALID_FILE_ATTRIBUTES);
    // The copy will find the installation through the local copy's record.
    EXPECT_TRUE(SameFolder(RecordedInstallFolder(), install_));

    // Running from the temporary folder already: start from the installation.
    RunFrom(temp);
    RelaunchFromTempCopy("");
    lines = WaitForRecord(record.Path(), 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(SameFolder(lines[1].folder, install_)) << lines[1].folder;
    RemoveFile(copy);
}

TEST_F(InstallFolderTest, DetermineInstallFolderRecordsTheModuleFolderForTheLocalCopy) {
    EXPECT_TRUE(SameFolder(DetermineInstallFolder(), install_));
    EXPECT_TRUE(SameFolder(RecordedInstallFolder(), install_));

    // From the local copy or the temporary copy: what was recorded.
    RunFrom(programFolder_);
    EXPECT_TRUE(SameFolder(DetermineInstallFolder(), install_));
    RunFrom(GetTempFolder());
    EXPECT_TRUE(SameFolder(DetermineInstallFolder(), install_));
}

TEST_F(InstallFolderTest, WithNoLocalTheInstallationIsTheModuleFolderAndNothingIsRecorded) {
    UseLauncherCommandLine("Orvo.exe /NoLocal");
    EXPECT_TRUE(SameFolder(DetermineInstallFolder(), install_));
    EXPECT_EQ(RecordedInstallFolder(), "");
}

namespace {
int g_asked = 0;
std::string g_prefill;
std::string g_answer;
int g_cancelAfter = 0;

bool ScriptedQuestion(std::string& path) {
    ++g_asked;
    g_prefill = path;
    if (g_asked > g_cancelAfter) return false;
    path = g_answer;
    return true;
}
} // namespace

TEST_F(InstallFolderTest, EnsureInstallFolderAsksUntilAFolderWithAVersionIsGiven) {
    std::string unreachable = scratch_.Subfolder("Unreachable"); // no Version.dat
    RunFrom(unreachable);
    SetInstallPathQuestion(&ScriptedQuestion);
    g_asked = 0;
    g_cancelAfter = 5;
    g_answer = install_ + "\\\\";
    EXPECT_TRUE(EnsureInstallFolder());
    EXPECT_EQ(g_asked, 1);
    EXPECT_EQ(RecordedInstallFolder(), install_) << "stored without trailing backslashes";

    RemoveFile(InstallIni());
    FlushINICache(nullptr);
    g_asked = 0;
    g_cancelAfter = 0;
    EXPECT_FALSE(EnsureInstallFolder());
    EXPECT_EQ(g_asked, 1);
}

TEST_F(InstallFolderTest, WithoutLocalCopiesTheEnteredPathIsNotStoredAndTheQuestionReturns) {
    std::string unreachable = scratch_.Subfolder("Unreachable");
    WriteFile(unreachable + "\\Pellmore.NoLocalInstall.inc", "");
    RunFrom(unreachable);
    ASSERT_FALSE(IsLocalInstallEnabled());
    SetInstallPathQuestion(&ScriptedQuestion);
    g_asked = 0;
    g_cancelAfter = 2;
    g_answer = install_;
    EXPECT_FALSE(EnsureInstallFolder());
    EXPECT_EQ(g_asked, 3);
    EXPECT_TRUE(SameFolder(g_prefill, unreachable));
    EXPECT_EQ(RecordedInstallFolder(), "");
}
