// The installation run: one run at a time per logon, every missing component
// tried in order with one log line each, the error report's answer recorded,
// and a restart offered only in interactive runs.
#include "component_run_support.h"

#include "framework/handles.h"

#include <shlobj.h>

#include <thread>

using namespace runtest;
using namespace test_support;

namespace {

bool MutexIsFree() {
    // Another thread: the run's own thread could re-enter a mutex it still held.
    bool free = false;
    std::thread([&free] {
        HANDLE mutex = CreateMutexA(nullptr, FALSE, "OrvoInstallComponents");
        DWORD wait = WaitForSingleObject(mutex, 0);
        free = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
        if (free) ReleaseMutex(mutex);
        CloseHandle(mutex);
    }).join();
    return free;
}

class InstallRunTest : public ComponentRunTest {};

TEST_F(InstallRunTest, EveryMissingComponentIsTriedAndLogged) {
    ScriptedComponent& present = Add(".NET", 0x800, true);
    ScriptedComponent& failing = Add("runtime", 0x2, false, false);
    failing.failureMessage = "Setup ended with <b>1603</b>.";
    ScriptedComponent& installing = Add("engine", 0x400, false, true);
    ScriptedAnswers answers;

    EXPECT_TRUE(run.InstallComponents(false));
    EXPECT_EQ(present.installCalls, 0);
    EXPECT_EQ(failing.installCalls, 1);
    EXPECT_EQ(installing.installCalls, 1);
    EXPECT_EQ(host.log, (std::vector<std::string>{"    Failed: runtime: Setup ended with <b>1603</b>.",
                                                  "    Succeeded: engine"}));
    EXPECT_EQ(host.statuses, (std::vector<std::string>{"Installing runtime... (This may take a few minutes.)",
                                                       "Installing engine... (This may take a few minutes.)"}));
    EXPECT_EQ(run.installedBits, 0xC00u);
    EXPECT_EQ(ReadInstalledComponents(), 0xC00u);
    EXPECT_EQ(ErrorReportScript::calls, 0) << "no report was asked for";
    EXPECT_TRUE(MutexIsFree());
}

TEST_F(InstallRunTest, ErrorReportAnswerDecidesWhatIsRecorded) {
    Add(".NET", 0x800, true);
    Add("runtime", 0x2, false, false);
    struct Case {
        INT_PTR answer;
        unsigned recorded;
    } cases[] = {{IDOK, 0x800}, {-1, 0x800}, {IDCANCEL, 0x802}};
    for (const Case& c : cases) {
        WriteInstalledComponents(0);
        run.installedBits = 0;
        ErrorReportScript::answer = c.answer;
        ErrorReportScript::calls = 0;
        EXPECT_TRUE(run.InstallComponents(true));
        EXPECT_EQ(ErrorReportScript::calls, 1);
        EXPECT_EQ(ErrorReportScript::failed, std::vector<std::string>{"runtime"});
        EXPECT_EQ(ReadInstalledComponents(), c.recorded) << "answer " << c.answer;
    }
}

TEST_F(InstallRunTest, AnotherRunHoldingTheMutexStopsThisOne) {
    ScriptedComponent& component = Add("runtime", 0x2);
    TempFolder scratch("orvo_mutex");
    RecordFile record(scratch);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION holder = {};
    std::string command = "\"" + StandIn("stub_mutex_holder.exe") + "\" /StubStay:20000";
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &holder));
    ASSERT_EQ(WaitForRecord(record.Path(), 1).size(), 1u);

    EXPECT_FALSE(run.InstallComponents(true));
    EXPECT_EQ(component.isInstalledCalls + component.installCalls, 0);
    EXPECT_TRUE(host.log.empty());

    // A holder that dies while owning it leaves it abandoned (a handle of
    // ours keeps the mutex alive meanwhile): ours to take.
    fw::Handle keep(CreateMutexA(nullptr, FALSE, "OrvoInstallComponents"));
    TerminateProcess(holder.hProcess, 0);
    WaitForSingleObject(holder.hProcess, 5000);
    CloseHandle(holder.hThread);
    CloseHandle(holder.hProcess);
    EXPECT_TRUE(run.InstallComponents(false));
    EXPECT_EQ(component.installCalls, 1);
    EXPECT_TRUE(MutexIsFree());
}

TEST_F(InstallRunTest, RestartIsOfferedOnlyInInteractiveRuns) {
    ScriptedComponent& component = Add("runtime", 0x2);
    component.asksRestart = true;
    {
        ScriptedAnswers answers({IDYES});
        restart.succeeds = false;
        EXPECT_TRUE(run.InstallComponents(false));
        EXPECT_TRUE(run.restartNeeded);
        EXPECT_EQ(answers.asked, (std::vector<std::string>{kRestartQuestion, kRestartFailedMessage}));
        EXPECT_EQ(answers.types[0], static_cast<UINT>(MB_YESNO));
        EXPECT_EQ(restart.calls, 1);
    }
    {
        ScriptedAnswers answers({IDNO});
        EXPECT_TRUE(run.InstallComponents(false));
        EXPECT_EQ(answers.asked, std::vector<std::string>{kRestartQuestion});
        EXPECT_EQ(restart.calls, 1);
    }
    {
        host.silent = true;
        ScriptedAnswers answers;
        EXPECT_TRUE(run.InstallComponents(false));
        EXPECT_TRUE(answers.asked.empty());
        EXPECT_EQ(restart.calls, 1);
    }
}

TEST_F(InstallRunTest, SilentRunWithoutElevationUnderUacInstallsNothing) {
    ScriptedComponent& component = Add("runtime", 0x2);
    host.silent = true;
    rights.uac = true;
    rights.elevated = false;
    EXPECT_TRUE(run.InstallComponents(false));
    EXPECT_EQ(component.installCalls, 0);
    EXPECT_EQ(host.log, std::vector<std::string>{"    Failed: runtime: Unable to install runtime. Access is denied."});

    // Elevated, or without user account control, it installs.
    rights.elevated = true;
    component.message.clear();
    EXPECT_TRUE(run.InstallComponents(false));
    EXPECT_EQ(component.installCalls, 1);
}

TEST_F(InstallRunTest, NothingMoreAfterTheWindowClosed) {
    ScriptedComponent& first = Add("first", 0x2, false, false);
    ScriptedComponent& second = Add("second", 0x400);
    first.onInstall = [this](InstallHost&) { host.closing = true; };
    EXPECT_TRUE(run.InstallComponents(true));
    EXPECT_EQ(second.installCalls + second.isInstalledCalls, 0);
    EXPECT_EQ(ErrorReportScript::calls, 0);
    EXPECT_TRUE(MutexIsFree());
}

std::string SpecialFolder(int csidl) {
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path);
    return path;
}

TEST_F(InstallRunTest, UserGuideShortcutsGoUnlessTheLauncherFolderSaysNo) {
    const int specialFolders[] = {CSIDL_DESKTOPDIRECTORY, CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS, CSIDL_COMMON_DESKTOPDIRECTORY};
    std::vector<std::string> shortcuts = {SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\Pellmore Basic User Guide.lnk"};
    for (int csidl : specialFolders) {
        std::string folder = SpecialFolder(csidl) + "\\Pellmore";
        CreateDirectoryA(folder.c_str(), nullptr);
        shortcuts.push_back(folder + "\\Pellmore Basic User Guide.lnk");
    }
    auto createAll = [&] {
        for (const std::string& shortcut : shortcuts) ASSERT_TRUE(WriteFile(shortcut, "lnk")) << shortcut;
    };

    // The marker counts in the launcher folder (the current folder) only.
    createAll();
    WriteFile(folders.install + "\\Pellmore.NoReplaceUserGuide.inc", "");
    EXPECT_TRUE(run.InstallComponents(false));
    for (const std::string& shortcut : shortcuts) EXPECT_TRUE(Exists(shortcut)) << shortcut;

    DeleteFileA((folders.install + "\\Pellmore.NoReplaceUserGuide.inc").c_str());
    WriteFile(folders.data + "\\Pellmore.NoReplaceUserGuide.inc", "");
    EXPECT_TRUE(run.InstallComponents(false));
    for (const std::string& shortcut : shortcuts) EXPECT_FALSE(Exists(shortcut)) << shortcut;
}

} // namespace
