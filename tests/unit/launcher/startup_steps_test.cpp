// Steps of the start-up sequence that touch files and other processes: the
// silent run's log, the private import copy, the reply to a waiting parent
// launcher, and a quit arriving while the window pumps.
#include "launcher/arguments.h"
#include "launcher/import_file.h"
#include "launcher/install_log.h"
#include "launcher/installer_runner.h"
#include "launcher/orvo_dlg.h"
#include "launcher/parent_report.h"
#include "support/components.h"
#include "support/stand_ins.h"
#include "support/temp_folder.h"
#include "utils/temp_files.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace test_support;

namespace {

std::string ReadAll(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[4096];
    DWORD got = 0;
    ReadFile(file, buffer, sizeof(buffer), &got, nullptr);
    CloseHandle(file);
    return std::string(buffer, got);
}

TEST(InstallLog, QuotedNameWithBlanksIsTheFile) {
    TempFolder scratch("orvo log");
    std::string path = scratch / "install log.txt";
    EXPECT_EQ(InstallLogPath("\"" + path + "\""), path);
    EXPECT_EQ(InstallLogPath(path), path);
    EXPECT_EQ(InstallLogPath(""), "");

    ASSERT_TRUE(AppendInstallLogLine(InstallLogPath("\"" + path + "\""), "Start Time: now"));
    ASSERT_TRUE(AppendInstallLogLine(path, "    Failed: X: line one\r\nline two\n"));
    EXPECT_EQ(ReadAll(path), "Start Time: now\r\n    Failed: X: line oneline two\r\n");
}

TEST(InstallLog, LineWaitsForAnotherWriterInsteadOfBeingLost) {
    TempFolder scratch("orvo_log");
    std::string path = scratch / "log.txt";
    ASSERT_TRUE(WriteFile(path, "first\r\n"));
    HANDLE other = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                               nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    std::thread release([other] {
        Sleep(300);
        CloseHandle(other);
    });
    EXPECT_TRUE(AppendInstallLogLine(path, "second"));
    release.join();
    EXPECT_EQ(ReadAll(path), "first\r\nsecond\r\n");
}

TEST(InstallLog, TimestampFormat) {
    std::string stamp = InstallLogTimestamp();
    // 12-09-2026 05:44:57PM
    ASSERT_EQ(stamp.size(), 21u) << stamp;
    EXPECT_EQ(stamp[2], '-');
    EXPECT_EQ(stamp[5], '-');
    EXPECT_EQ(stamp[13], ':');
    EXPECT_TRUE(stamp.substr(19) == "AM" || stamp.substr(19) == "PM") << stamp;
}

class ImportFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = scratch / "a b.tmp";
        ASSERT_TRUE(WriteFile(source, "import data"));
    }
    CArguments Arguments(const std::string& options) {
        return CArguments("Orvo.exe " + options + " \"" + source + "\"", "C:\\Pellmore\\Orvo.exe");
    }
    TempFolder scratch{"orvo_import"};
    std::string source;
};

TEST_F(ImportFileTest, CopyReplacesTheNameAndTheSendersFileGoes) {
    CArguments args = Arguments("/COPYIMPORTFILE /DELETEIMPORTFILE");
    PrepareImportFile(args);
    std::string copy = args.GetFilename();
    std::string folder;
    GetProductTempFolder(folder);
    EXPECT_EQ(copy.rfind(folder + "\\a b", 0), 0u) << copy;
    EXPECT_EQ(copy.substr(copy.size() - 4), ".tmp");
    EXPECT_EQ(ReadAll(copy), "import data");
    EXPECT_FALSE(Exists(source));
    // The relaunch string quotes the path with its blank.
    EXPECT_NE(args.BuildArgumentString().find("\"" + copy + "\""), std::string::npos) << args.BuildArgumentString();
    DeleteFileA(copy.c_str());
}

TEST_F(ImportFileTest, FscCopyGetsItsExtensionAndTheOriginalStays) {
    CArguments args = Arguments("/FSC");
    PrepareImportFile(args);
    std::string copy = args.GetFilename();
    EXPECT_EQ(copy.substr(copy.size() - 4), ".FSC") << copy;
    EXPECT_TRUE(Exists(source));
    DeleteFileA(copy.c_str());
}

TEST_F(ImportFileTest, RelaunchedCopyOrFailedCopyChangesNothing) {
    CArguments restarted = Arguments("/COPYIMPORTFILE /DELETEIMPORTFILE /Restarted");
    PrepareImportFile(restarted);
    EXPECT_EQ(restarted.GetFilename(), "\"" + source + "\"");
    EXPECT_TRUE(Exists(source));

    DeleteFileA(source.c_str());
    CArguments missing = Arguments("/COPYIMPORTFILE");
    PrepareImportFile(missing);
    EXPECT_EQ(missing.GetFilename(), "\"" + source + "\"");
}

TEST_F(ImportFileTest, WithoutATemporaryFolderNothingIsCopiedAndTheSendersFileStays) {
    // A temporary path longer than any buffer: the platform cannot name it.
    std::string tooLong = "C:\\" + std::string(300, 't');
    char savedTmp[MAX_PATH + 1] = "", savedTemp[MAX_PATH + 1] = "";
    GetEnvironmentVariableA("TMP", savedTmp, sizeof(savedTmp));
    GetEnvironmentVariableA("TEMP", savedTemp, sizeof(savedTemp));
    SetEnvironmentVariableA("TMP", tooLong.c_str());
    SetEnvironmentVariableA("TEMP", tooLong.c_str());
    std::string unnamed;
    int found = GetProductTempFolder(unnamed);
    CArguments args = Arguments("/COPYIMPORTFILE /DELETEIMPORTFILE");
    PrepareImportFile(args);
    SetEnvironmentVariableA("TMP", savedTmp);
    SetEnvironmentVariableA("TEMP", savedTemp);

    EXPECT_EQ(found, 0) << unnamed;
    EXPECT_EQ(args.GetFilename(), "\"" + source + "\"");
    EXPECT_TRUE(Exists(source));
    EXPECT_FALSE(Exists("\\a b.tmp")) << "the copy went to the drive root";
    DeleteFileA("\\a b.tmp");
}

struct Received {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
Received g_received;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg >= WM_USER) {
        g_received = {msg, wParam, lParam};
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST(ParentReport, OnlyPrivateMessagesToExistingWindows) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrvoTestParent";
    RegisterClassA(&wc);
    HWND parent = CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(parent, nullptr);

    EXPECT_TRUE(ReportInstalledBitsToParent(parent, 2256, 0xD03, 0xF00DCAFE));
    EXPECT_EQ(g_received.message, 2256u);
    EXPECT_EQ(g_received.wParam, 0xD03u);
    EXPECT_EQ(static_cast<DWORD>(g_received.lParam), 0xF00DCAFEu);

    g_received = {};
    EXPECT_FALSE(ReportInstalledBitsToParent(parent, WM_CLOSE, 0xD03, 0));
    EXPECT_TRUE(IsWindow(parent)) << "a system message number was sent";
    DestroyWindow(parent);
    EXPECT_FALSE(ReportInstalledBitsToParent(parent, 2256, 0xD03, 0));
    EXPECT_FALSE(ReportInstalledBitsToParent(nullptr, 2256, 0xD03, 0));
    EXPECT_EQ(g_received.message, 0u);
}

} // namespace

namespace {

TEST(LauncherWindow, AQuitSeenWhilePumpingIsKeptAndEndsTheRun) {
    COrvoDlg window;
    EXPECT_FALSE(window.IsClosing());
    PostQuitMessage(7);
    window.PumpMessages();
    EXPECT_TRUE(window.IsClosing());
    // Still there for whoever waits next (an installer, the modal loop).
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

} // namespace

namespace {

// The window's pump sees a quit and puts it back; a setup program's wait
// then takes it from the queue. The closing window must still end, or the
// modal loop would wait for ever (a hidden window in a silent run).
TEST(LauncherWindow, AClosingWindowEndsWhoeverTookTheQuit) {
    TempFolder scratch;
    test_support::RecordFile record(scratch);
    CArguments saved = GetArguments();
    GetArguments() = CArguments("Orvo.exe /Silent", "C:\\Pellmore\\Orvo.exe");
    {
        COrvoDlg window;
        window.GetComponents().Clear();
        auto setup = std::make_unique<test_support::ScriptedComponent>("Setup", 0x2);
        setup->onInstall = [](InstallHost& host) {
            RunInstaller(host.GetOwnerWindow(), test_support::StandIn("stub_setup.exe"), "/sleep:300");
        };
        window.GetComponents().Add(std::move(setup));

        std::atomic<bool> ended{false};
        // Only a hung dialog is still there to be closed.
        std::thread watchdog([&] {
            for (int i = 0; i < 100 && !ended; ++i) Sleep(100);
            if (!ended && window.m_hWnd) PostMessageA(window.m_hWnd, WM_CLOSE, 0, 0);
        });
        PostQuitMessage(3);
        DWORD start = GetTickCount();
        window.DoModal();
        DWORD elapsed = GetTickCount() - start;
        ended = true;
        watchdog.join();
        EXPECT_LT(elapsed, 5000u) << "the window stayed after it was closing";
        EXPECT_TRUE(window.IsClosing());
    }
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    GetArguments() = saved;
}

} // namespace
