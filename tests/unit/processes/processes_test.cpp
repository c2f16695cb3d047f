#include "localinstall/processes.h"
#include "framework/strings.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

#include <algorithm>

using test_support::TempFolder;

namespace {

bool Contains(const CProcesses::StringList& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

// Copies of the window stand-in under a temporary folder, started as
// separate programs and ended when the test finishes.
class ProcessesTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (PROCESS_INFORMATION& started : started_) {
            TerminateProcess(started.hProcess, 0);
            WaitForSingleObject(started.hProcess, 5000);
            CloseHandle(started.hProcess);
            CloseHandle(started.hThread);
        }
    }

    // Places the stand-in at <temp>\<relative> and returns its path.
    std::string Install(const std::string& relative) {
        std::string path = temp_ / relative;
        std::string folder = path.substr(0, path.rfind('\\'));
        CreateDirectoryA(folder.c_str(), nullptr);
        EXPECT_TRUE(CopyFileA(test_support::StandIn("stub_window.exe").c_str(), path.c_str(), FALSE)) << path;
        return path;
    }

    PROCESS_INFORMATION Start(const std::string& path, const std::string& switches = std::string()) {
        std::string commandLine = "\"" + path + "\" " + switches;
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started = {};
        EXPECT_TRUE(CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &started))
            << path;
        if (started.hProcess != nullptr) {
            started_.push_back(started);
            // The window exists once the program waits for input.
            EXPECT_EQ(WaitForInputIdle(started.hProcess, 10000), 0u) << path;
        }
        return started;
    }

    static bool Ended(const PROCESS_INFORMATION& started, DWORD waitMs = 5000) {
        return WaitForSingleObject(started.hProcess, waitMs) == WAIT_OBJECT_0;
    }

    TempFolder temp_{"orvoproc"};
    std::vector<PROCESS_INFORMATION> started_;
};

} // namespace

TEST_F(ProcessesTest, FolderListingTakesSubFoldersButNotSiblings) {
    std::string main = Install("App\\StubMain.exe");
    std::string helper = Install("App\\sub\\StubHelper.exe");
    std::string sibling = Install("AppOld\\StubMain.exe");
    PROCESS_INFORMATION mainRun = Start(main, "/title:\"Main Window\"");
    Start(helper, "/hidden");
    Start(sibling);

    std::string folder = fw::ToLower(temp_ / "App");
    CProcesses::StringList paths;
    EXPECT_EQ(CProcesses::ListProcessPaths(folder, paths), 2);
    EXPECT_TRUE(Contains(paths, fw::ToUpper(main)));
    EXPECT_TRUE(Contains(paths, fw::ToUpper(helper)));
    EXPECT_FALSE(Contains(paths, fw::ToUpper(sibling)));

    CProcesses::StringList filter{"C:\\elsewhere\\stubmain.EXE"};
    CProcesses::ProcessList inFolder;
    EXPECT_EQ(CProcesses::ListProcessesInFolder(folder + "\\", inFolder, &filter), 1);
    ASSERT_EQ(inFolder.size(), 1u);
    EXPECT_EQ(inFolder[0].id, mainRun.dwProcessId);
    EXPECT_EQ(inFolder[0].path, fw::ToUpper(main));

    CProcesses::ProcessList everywhere;
    EXPECT_EQ(CProcesses::ListProcesses(everywhere, &filter), 2);

    CProcesses::StringList windows;
    CProcesses::ListProgramWindows(folder, windows);
    EXPECT_TRUE(Contains(windows, "Main Window"));
    EXPECT_TRUE(Contains(windows, fw::ToUpper(helper))) << "a program without a titled window is named by its path";
    EXPECT_EQ(windows.size(), 2u);
}

TEST_F(ProcessesTest, RunningMeansAWindowOnTheTaskbar) {
    Start(Install("a\\VisibleProg.exe"));
    Start(Install("b\\HiddenProg.exe"), "/hidden");
    Start(Install("c\\ToolProg.exe"), "/tool");
    Start(Install("d\\OwnedProg.exe"), "/owned");
    Start(Install("e\\ToolAppProg.exe"), "/tool /appwindow");

    EXPECT_TRUE(CProcesses::IsProgramRunning("visibleprog.exe"));
    EXPECT_FALSE(CProcesses::IsProgramRunning("HiddenProg.exe"));
    EXPECT_FALSE(CProcesses::IsProgramRunning("ToolProg.exe"));
    EXPECT_FALSE(CProcesses::IsProgramRunning("OwnedProg.exe"));
    EXPECT_TRUE(CProcesses::IsProgramRunning("ToolAppProg.exe"));
    EXPECT_FALSE(CProcesses::IsProgramRunning("NotStarted.exe"));

    // The caller itself never counts, even with a window of its own.
    HWND own = CreateWindowExA(0, "STATIC", "Own Window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                               nullptr, nullptr, nullptr);
    ASSERT_NE(own, nullptr);
    CProcesses::WindowList ownWindows;
    EXPECT_TRUE(CProcesses::EnumProcessWindows(ownWindows, 0));
    EXPECT_NE(std::find(ownWindows.begin(), ownWindows.end(), own), ownWindows.end());
    EXPECT_FALSE(CProcesses::IsProgramRunning(CProcesses::GetProcessBaseName(GetCurrentProcessId())));
    DestroyWindow(own);
}

TEST_F(ProcessesTest, TerminationEndsEvenProgramsThatRefuseToClose) {
    PROCESS_INFORMATION stubborn = Start(Install("k\\Stubborn.exe"), "/ignoreclose");
    PROCESS_INFORMATION polite = Start(Install("k\\Polite.exe"));

    EXPECT_TRUE(CProcesses::TerminateProcessById(stubborn.dwProcessId));
    ASSERT_TRUE(Ended(stubborn));
    DWORD code = 0;
    GetExitCodeProcess(stubborn.hProcess, &code);
    EXPECT_EQ(code, 0xFFFFFFFFu);

    CProcesses::TerminateProcessById(polite.dwProcessId);
    EXPECT_TRUE(Ended(polite));
    EXPECT_FALSE(CProcesses::TerminateProcessById(0));
}

TEST_F(ProcessesTest, TerminationByPathMatchesTheAbsolutePathOrTheBaseName) {
    std::string inApp = Install("App\\Killme.exe");
    PROCESS_INFORMATION first = Start(inApp, "/ignoreclose");
    PROCESS_INFORMATION second = Start(inApp);
    PROCESS_INFORMATION other = Start(Install("AppOld\\Killme.exe"), "/ignoreclose");

    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA((temp_ / "App").c_str()));
    CProcesses::TerminateProcessesByPath("KILLME.exe", false);
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(Ended(first));
    EXPECT_TRUE(Ended(second));
    EXPECT_FALSE(Ended(other, 200));

    CProcesses::TerminateProcessesByPath("killme.EXE", true);
    EXPECT_TRUE(Ended(other));
}

TEST(ProcessQueries, UnreadableProcessIsUnknown) {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    EXPECT_EQ(CProcesses::GetProcessPath(GetCurrentProcessId()), self);
    EXPECT_EQ(CProcesses::GetProcessPath(0xFFFFFFF0u), "<unknown>");
    EXPECT_EQ(CProcesses::GetProcessBaseName(0xFFFFFFF0u), "<unknown>");

    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
    EXPECT_TRUE(CProcesses::EnableDebugPrivilege(token));
    CloseHandle(token);
}
