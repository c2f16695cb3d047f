// A folder with the stand-in help program as "OrvoHelp.exe" that is the
// current folder while a test runs (the shell finds the bare name there),
// an installation the launch request reads (configuration, agency 42,
// initials "ABC") and a fixed pass-key clock.
#pragma once

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "launcher/launch_request.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

namespace test_support {

class HelpProgramTest : public ::testing::Test {
protected:
    static long long FixedClock() { return 1700000000LL; }

    void SetUp() override {
        ASSERT_TRUE(CopyFileA(StandIn("stub_help_program.exe").c_str(), (folder_ / "OrvoHelp.exe").c_str(), FALSE));
        GetCurrentDirectoryA(sizeof(previousFolder_), previousFolder_);
        SetCurrentDirectoryA(folder_.Path().c_str());
        previousClock_ = SetPassKeyClock(&FixedClock);
        std::string data = folder_.Subfolder("PEL");
        WriteFile(data + "\\Network.ini", "[Settings]\r\niGlb_AgencyNumber=42\r\n");
        config_ = folder_ / "PELL.INI";
        WriteFile(config_, "[Settings]\r\nsDir_Pel=" + data + "\r\n");
        ResetPathState();
        SetConfigurationFile(config_);
        SetUserInitials("ABC");
    }
    void TearDown() override {
        SetCurrentDirectoryA(previousFolder_);
        SetPassKeyClock(previousClock_);
        ResetPathState();
        FlushINICache(nullptr);
    }

    // What the help program was started with, one entry per start, once at
    // least count starts were recorded (and a moment for any stray one).
    std::vector<std::string> HelpStarts(size_t count) {
        WaitForRecord(record_.Path(), count);
        Sleep(300);
        std::vector<std::string> starts;
        for (const RecordLine& line : ReadRecord(record_.Path()))
            if (line.program == "OrvoHelp.exe") starts.push_back(TrimmedArguments(line.what));
        return starts;
    }

    static std::string TrimmedArguments(const std::string& commandLine) {
        std::string arguments = ArgumentsOf(commandLine);
        size_t first = arguments.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : arguments.substr(first);
    }

    // The whole command line the help program gets for a topic.
    std::string ExpectedArguments(const std::string& topic) const {
        return "/CFG:\"" + config_ + "\" /NoOfficePrompt /USER:ABC /PASSKEY:\"112117115113114115113114115113\" " +
               "/CSHID:\"" + topic + "\" /AGENCYID:42 /LaunchSrc:\"unit_task_dialog.exe\"";
    }

    TempFolder folder_{"orvo_help"};
    RecordFile record_{folder_};
    std::string config_;
    char previousFolder_[MAX_PATH + 1] = "";
    PassKeyClock previousClock_ = nullptr;
};

} // namespace test_support
