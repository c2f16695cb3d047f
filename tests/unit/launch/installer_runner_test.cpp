// The installer runner hands back the setup program's exit code and keeps the
// calling thread's windows alive while it waits. A silent run never waits on
// a box: neither on the shell's nor on a question the process asks.
#include "launcher/installer_runner.h"

#include "launcher/arguments.h"
#include "launcher/unattended_questions.h"
#include "support/stand_ins.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

const UINT kPing = WM_APP + 7;
int g_timerTicks = 0;
int g_pings = 0;

LRESULT CALLBACK CountingWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) ++g_timerTicks;
    if (msg == kPing) ++g_pings;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A hidden top-level window of the test thread that counts what reaches it.
class CountingWindow {
public:
    CountingWindow() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &CountingWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "OrvoInstallerRunnerTest";
        RegisterClassA(&wc);
        hwnd_ = CreateWindowA(wc.lpszClassName, "runner test", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              wc.hInstance, nullptr);
    }
    ~CountingWindow() { DestroyWindow(hwnd_); }
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_;
};

// Closes any message box the shell shows for a start that failed, so that
// no test waits on it.
class ErrorBoxCloser {
public:
    ErrorBoxCloser() : stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
    }
    ~ErrorBoxCloser() {
        SetEvent(stop_);
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
        CloseHandle(stop_);
    }
    int closed = 0;

private:
    static BOOL CALLBACK CloseBox(HWND hwnd, LPARAM data) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        char cls[16] = {};
        GetClassNameA(hwnd, cls, sizeof(cls));
        if (pid == GetCurrentProcessId() && lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(hwnd)) {
            PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
            ++reinterpret_cast<ErrorBoxCloser*>(data)->closed;
        }
        return TRUE;
    }
    static DWORD WINAPI Run(LPVOID self) {
        auto* closer = static_cast<ErrorBoxCloser*>(self);
        while (WaitForSingleObject(closer->stop_, 100) == WAIT_TIMEOUT)
            EnumWindows(&CloseBox, reinterpret_cast<LPARAM>(closer));
        return 0;
    }
    HANDLE stop_;
    HANDLE thread_;
};

// The process runs as "Orvo.exe /Silent <log>" while it exists.
class SilentRun {
public:
    explicit SilentRun(const std::string& log) : saved_(GetArguments()) {
        GetArguments() = CArguments("Orvo.exe /Silent \"" + log + "\"", "C:\\Orvo\\Orvo.exe");
    }
    ~SilentRun() { GetArguments() = saved_; }

private:
    CArguments saved_;
};

} // namespace

TEST(InstallerRunner, ReturnsTheSetupProgramsExitCodeAndPassesItsParameters) {
    TempFolder scratch;
    RecordFile record(scratch);
    CountingWindow window;
    EXPECT_EQ(RunInstaller(window.Get(), StandIn("stub_setup.exe"), "/quiet /exit:3010"), 3010u);
    auto lines = ReadRecord(record.Path());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].program, "stub_setup.exe");
    EXPECT_NE(lines[0].what.find("/quiet /exit:3010"), std::string::npos) << lines[0].what;
    // Started in its own folder.
    EXPECT_EQ(lines[0].folder, FixturesFolder());
}

TEST(InstallerRunner, AProgramThatCannotStartYieldsZero) {
    TempFolder scratch;
    CountingWindow window;
    ErrorBoxCloser closer;
    EXPECT_EQ(RunInstaller(window.Get(), scratch / "no_such_setup.exe", "/exit:5"), 0u);
}

TEST(InstallerRunner, TheCallersWindowKeepsHandlingMessagesWhileItWaits) {
    TempFolder scratch;
    RecordFile record(scratch);
    CountingWindow window;
    g_timerTicks = 0;
    g_pings = 0;
    SetTimer(window.Get(), 1, 50, nullptr);
    PostMessageA(window.Get(), kPing, 0, 0);
    DWORD start = GetTickCount();
    EXPECT_EQ(RunInstaller(window.Get(), StandIn("stub_setup.exe"), "/sleep:1500 /exit:7"), 7u);
    DWORD elapsed = GetTickCount() - start;
    KillTimer(window.Get(), 1);
    EXPECT_GE(elapsed, 1400u);
    EXPECT_EQ(g_pings, 1);
    // Pumped every 200 ms: several timer messages got through during 1.5 s.
    EXPECT_GE(g_timerTicks, 4);
}

TEST(InstallerRunner, AQuitMessageEndsTheWaitAtOnceAndIsNotPassedOn) {
    TempFolder scratch;
    RecordFile record(scratch);
    CountingWindow window;
    PostQuitMessage(0);
    DWORD start = GetTickCount();
    EXPECT_EQ(RunInstaller(window.Get(), StandIn("stub_setup.exe"), "/sleep:2000 /exit:9"), 0u);
    EXPECT_LT(GetTickCount() - start, 1500u);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    // The worker still waits for the setup program and then finishes on its
    // own record; give it the time to do so before the next test.
    WaitForRecord(record.Path());
    Sleep(2500);
}

TEST(SilentRun, ASetupProgramThatCannotStartShowsNoBoxAndIsLogged) {
    TempFolder scratch;
    std::string broken = scratch / "broken_setup.exe";
    ASSERT_TRUE(WriteFile(broken, ""));
    SilentRun silent(scratch / "install.log");
    CountingWindow window;
    ErrorBoxCloser closer;
    EXPECT_EQ(RunInstaller(window.Get(), broken, "/q"), 0u);
    Sleep(300); // a box would have been seen by now
    EXPECT_EQ(closer.closed, 0) << "the shell asked in a silent run";
    std::string log = ReadTextFile(scratch / "install.log");
    EXPECT_EQ(log.rfind("    Install Message: Unable to start " + broken + ": ", 0), 0u) << log;
}

TEST(SilentRun, QuestionsAreLoggedAndTakeTheCautiousAnswer) {
    TempFolder scratch;
    SilentRun silent(scratch / "install.log");
    {
        UnattendedQuestions unattended(true);
        EXPECT_EQ(AfxMessageBox("Show this message again?", MB_YESNO | MB_ICONWARNING), IDNO);
        EXPECT_EQ(OwnedMessageBox(nullptr, "Try again?", MB_RETRYCANCEL), IDCANCEL);
        EXPECT_EQ(AfxMessageBox("Done.", MB_OK, "Other Caption"), IDOK);
    }
    EXPECT_EQ(ReadTextFile(scratch / "install.log"), "    Install Message: Show this message again?\r\n"
                                                     "    Install Message: Try again?\r\n"
                                                     "    Install Message: Done.\r\n");
}
