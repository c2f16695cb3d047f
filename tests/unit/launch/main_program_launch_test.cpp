// The main program receives the launcher's own arguments, then the extra one,
// then the agency and the launch source; "LaunchBit" is set before it starts.
#include "launcher/main_program_launch.h"

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "framework/app.h"
#include "framework/handles.h"
#include "framework/strings.h"
#include "launcher/arguments.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

#include <vector>

using namespace test_support;

namespace {

class StatusLog : public StatusSink {
public:
    void SetStatus(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

DWORD ReadLaunchBit() {
    fw::RegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Pellmore\\Pellmore Orvo\\Launch", 0, KEY_READ, key.Out()) !=
        ERROR_SUCCESS)
        return 0xFFFFFFFF;
    DWORD value = 0, size = sizeof(value);
    if (RegQueryValueExA(key.Get(), "LaunchBit", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        return 0xFFFFFFFF;
    return value;
}

void ClearLaunchBit() { RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Pellmore\\Pellmore Orvo\\Launch"); }

// Runs "from" a fixture installation holding the stand-in main program, with
// the given launcher command line as the process's arguments.
class MainProgramLaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        install_ = scratch_.Subfolder("Pellmore");
        CopyFileA(StandIn("stub_main_program.exe").c_str(), (install_ + "\\PellmoreOrvo.EXE").c_str(), FALSE);
        WriteFile(install_ + "\\Version.dat", "5.0.3.90\r\n");
        SetModuleFolderForTests(install_);
        ResetPathState();
        savedArguments_ = GetArguments();
        ClearLaunchBit();
    }
    void TearDown() override {
        GetArguments() = savedArguments_;
        SetModuleFolderForTests("");
        ResetPathState();
        FlushINICache(nullptr);
        ClearLaunchBit();
    }
    void UseLauncherCommandLine(const std::string& line) {
        GetArguments() = CArguments(line, savedArguments_.GetAt(0));
    }

    TempFolder scratch_{"orvo_main_launch"};
    std::string install_;
    CArguments savedArguments_;
};

size_t PositionOf(const std::string& text, const std::string& part) {
    size_t at = text.find(part);
    EXPECT_NE(at, std::string::npos) << "no " << part << " in " << text;
    return at;
}

} // namespace

TEST_F(MainProgramLaunchTest, PassesTheLaunchersArgumentsThenAgencyAndSource) {
    RecordFile record(scratch_);
    // The stand-in leaves LaunchBit as it found it, as a start that did not complete.
    UseLauncherCommandLine("Orvo.exe /SafeMode C:\\Data\\claim.pdf /StubNoReset");
    StatusLog status;
    LaunchMainProgram(&status, nullptr);

    auto lines = WaitForRecord(record.Path(), 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].what, "LaunchBit=1") << "set before the main program started";
    EXPECT_TRUE(fw::EqualsNoCase(lines[0].program, "PellmoreOrvo.EXE")) << lines[0].program;
    EXPECT_TRUE(fw::EqualsNoCase(lines[0].folder, install_)) << lines[0].folder;
    std::string received = ArgumentsOf(lines[0].what);
    size_t file = PositionOf(received, "C:\\Data\\claim.pdf");
    size_t safeMode = PositionOf(received, "/SafeMode");
    size_t agency = PositionOf(received, "/AGENCYID:");
    size_t source = PositionOf(received, "/LaunchSrc:\"unit_launch.exe\"");
    EXPECT_LT(file, safeMode);
    EXPECT_LT(safeMode, agency);
    EXPECT_LT(agency, source);
    // Nothing composed beyond what the launcher itself was given.
    EXPECT_EQ(received.find("/CFG:"), std::string::npos) << received;
    EXPECT_EQ(received.find("/USER:"), std::string::npos) << received;
    EXPECT_EQ(received.find("/PASSKEY:"), std::string::npos) << received;

    ASSERT_EQ(status.texts.size(), 1u);
    EXPECT_EQ(status.texts[0], "Loading Pellmore Orvo...");
    // No application object: the launcher's own key is written directly.
    EXPECT_EQ(ReadLaunchBit(), 1u);
}

TEST_F(MainProgramLaunchTest, TheExtraArgumentFollowsTheLaunchersOwnAndLaunchBitGoesToTheAppKey) {
    RecordFile record(scratch_);
    UseLauncherCommandLine("Orvo.exe /CFG:C:\\Pel\\PELL.INI /StubNoReset");
    CWinApp app("Pellmore Orvo");
    app.SetRegistryKey("Pellmore");
    LaunchMainProgram(nullptr, "/InternetUpdate");

    auto lines = WaitForRecord(record.Path(), 2);
    ASSERT_EQ(lines.size(), 2u);
    std::string received = ArgumentsOf(lines[0].what);
    size_t config = PositionOf(received, "/CFG:C:\\Pel\\PELL.INI");
    size_t update = PositionOf(received, "/InternetUpdate");
    size_t agency = PositionOf(received, "/AGENCYID:");
    EXPECT_LT(config, update);
    EXPECT_LT(update, agency);
    EXPECT_EQ(app.GetProfileInt("Launch", "LaunchBit", 0), 1u);
}
