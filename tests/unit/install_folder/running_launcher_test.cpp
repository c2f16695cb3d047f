// Other launchers are recognised among the running processes by their build
// mark, not by their file name alone.
#include "launcher/install_folder.h"

#include "support/stand_ins.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

// A stand-in started from a copy under another name, ended by its own handle.
class RunningCopy {
public:
    RunningCopy(const std::string& standIn, const std::string& copyPath, const std::string& options) {
        CopyFileA(StandIn(standIn).c_str(), copyPath.c_str(), FALSE);
        std::string commandLine = "\"" + copyPath + "\" " + options;
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        if (CreateProcessA(copyPath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &process_)) {
            CloseHandle(process_.hThread);
        }
    }
    ~RunningCopy() {
        if (process_.hProcess) {
            TerminateProcess(process_.hProcess, 0);
            WaitForSingleObject(process_.hProcess, 5000);
            CloseHandle(process_.hProcess);
        }
    }
    bool Started() const { return process_.hProcess != nullptr; }

private:
    PROCESS_INFORMATION process_ = {};
};

} // namespace

TEST(RunningLauncher, OnlyALauncherBuildCountsAndTheFolderNarrowsTheSearch) {
    TempFolder scratch;
    RecordFile record(scratch);
    std::string mainFolder = scratch.Subfolder("main");
    std::string launcherFolder = scratch.Subfolder("launcher");

    RunningCopy mainProgram("stub_main_program.exe", mainFolder + "\\Orvo.exe", "/StubWindow");
    ASSERT_TRUE(mainProgram.Started());
    WaitForRecord(record.Path(), 1);
    EXPECT_FALSE(IsAnotherLauncherRunning()) << "a main program named Orvo.exe is no launcher";

    RunningCopy launcher("stub_launcher_build.exe", launcherFolder + "\\Orvo.exe", "/StubStay:20000");
    ASSERT_TRUE(launcher.Started());
    WaitForRecord(record.Path(), 2);
    EXPECT_TRUE(IsAnotherLauncherRunning()) << "a launcher without a window still counts";
    EXPECT_TRUE(ActivateRunningLauncher("Orvo.exe", launcherFolder));
    EXPECT_FALSE(ActivateRunningLauncher("Orvo.exe", mainFolder));
    EXPECT_FALSE(ActivateRunningLauncher("PellmoreOrvo.exe", std::string()));
}

TEST(RunningLauncher, AVisibleLauncherWindowIsBroughtForward) {
    TempFolder scratch;
    RecordFile record(scratch);
    std::string folder = scratch.Subfolder("local");
    RunningCopy launcher("stub_launcher_build.exe", folder + "\\PellmoreOrvo.EXE", "/StubWindow");
    ASSERT_TRUE(launcher.Started());
    HWND window = nullptr;
    for (int attempt = 0; attempt < 200 && !window; ++attempt) {
        window = FindWindowA(nullptr, "Stub Launcher Build");
        if (!window) Sleep(50);
    }
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(ActivateRunningLauncher("PellmoreOrvo.exe", folder));
    EXPECT_EQ(GetForegroundWindow(), window);
}
