// The two in-use managers against real stand-in processes started from a
// temporary folder and files they hold open, and the file check's question
// about the integration programs' files.
#include "localinstall/in_use_check.h"
#include "localinstall/in_use_resources.h"

#include "framework/strings.h"
#include "localinstall/file_tree.h"
#include "support/components.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace test_support;

namespace {

// A copy of the window stand-in started as its own program; ended with the test.
class StartedStandIn {
public:
    StartedStandIn(const std::string& path, const std::string& switches) {
        std::string commandLine = "\"" + path + "\" " + switches;
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        started_ = CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &process_) != FALSE;
        // Its window, and whatever it holds, exist once it waits for input.
        if (started_) WaitForInputIdle(process_.hProcess, 10000);
    }
    ~StartedStandIn() {
        if (!started_) return;
        End();
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    void End() {
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    bool Started() const { return started_; }
    bool Ended(DWORD waitMs = 5000) const { return WaitForSingleObject(process_.hProcess, waitMs) == WAIT_OBJECT_0; }

private:
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};

std::string Place(const std::string& path) {
    CopyFileA(StandIn("stub_window.exe").c_str(), path.c_str(), FALSE);
    return path;
}

std::vector<std::string> Sorted(std::vector<std::string> list) {
    std::sort(list.begin(), list.end());
    return list;
}

class InUseManagersTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = root_.Subfolder("Program");
        CreateDirectoryA((folder_ + "\\Sub").c_str(), nullptr);
    }
    TempFolder root_{"orvo_inuse"};
    std::string folder_;
};

} // namespace

TEST_F(InUseManagersTest, ProgramsAreListedByWindowTitleOrRelativePathAndCanBeForcedToClose) {
    StartedStandIn titled(Place(folder_ + "\\Helper.exe"), "/title:\"Orvo Helper\" /ignoreclose");
    StartedStandIn hidden(Place(folder_ + "\\Sub\\Agent.exe"), "/hidden");
    // A sibling whose name begins with the folder's is not in the folder.
    CreateDirectoryA((root_ / "ProgramOld").c_str(), nullptr);
    StartedStandIn sibling(Place(root_ / "ProgramOld\\Other.exe"), "/title:Elsewhere");
    ASSERT_TRUE(titled.Started() && hidden.Started() && sibling.Started());

    auto programs = std::make_shared<InUsePrograms>(fw::ToLower(folder_) + "\\");
    std::string typeName;
    programs->GetTypeName(typeName);
    EXPECT_EQ(typeName, "program");
    EXPECT_TRUE(programs->CanForceClose());
    EXPECT_EQ(programs->GetRefreshInterval(), 2000);

    IInUseResourceManager::StringList inUse{"left over"};
    EXPECT_EQ(programs->GetInUse(inUse), 2);
    EXPECT_EQ(Sorted(inUse), (std::vector<std::string>{"Orvo Helper", "SUB\\AGENT.EXE"}));

    programs->ForceClose();
    EXPECT_TRUE(titled.Ended()) << "ended even though it ignores the request to close";
    EXPECT_TRUE(hidden.Ended());
    EXPECT_FALSE(sibling.Ended(0));
    EXPECT_EQ(programs->GetInUse(inUse), 0);
    EXPECT_TRUE(inUse.empty());
}

TEST_F(InUseManagersTest, HeldFilesAreListedByNameAndReadOnlyAttributesAreCleared) {
    std::string held = folder_ + "\\Sub\\held data.bin";
    WriteFile(held, "held");
    WriteFile(folder_ + "\\free.dll", "free");
    std::string readOnly = folder_ + "\\Sub\\fixed.rpt";
    WriteFile(readOnly, "read only");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);

    auto files = std::make_shared<InUseFiles>(folder_ + "\\\\");
    std::string typeName;
    files->GetTypeName(typeName);
    EXPECT_EQ(typeName, "file");
    EXPECT_FALSE(files->CanForceClose());
    EXPECT_EQ(files->GetRefreshInterval(), 4000);
    {
        StartedStandIn holder(StandIn("stub_window.exe"), "/hidden /holdfile:\"" + held + "\"");
        ASSERT_TRUE(holder.Started());
        IInUseResourceManager::StringList inUse;
        EXPECT_EQ(files->GetInUse(inUse), 1);
        EXPECT_EQ(inUse, std::vector<std::string>{"held data.bin"});
        EXPECT_FALSE(GetFileAttributesA(readOnly.c_str()) & FILE_ATTRIBUTE_READONLY);
        files->ForceClose();
        EXPECT_EQ(files->GetInUse(inUse), 1) << "files are never released by force";
    }
    IInUseResourceManager::StringList inUse;
    EXPECT_EQ(files->GetInUse(inUse), 0);
}

TEST_F(InUseManagersTest, IntegrationFilesAreAskedAboutBeforeTheGenericCheck) {
    std::string adapter = folder_ + "\\Sub\\QCAdapter.dll";
    WriteFile(adapter, "adapter");
    std::unique_ptr<StartedStandIn> holder(
        new StartedStandIn(StandIn("stub_window.exe"), "/hidden /holdfile:\"" + adapter + "\""));
    ASSERT_TRUE(holder->Started());
    std::string question = "The following file(s) cannot be updated.\n\n\n    - QCAdapter.dll\n\n\nPlease make sure "
                           "all copies of Pellmore Orvo and third-party\nintegration programs (Agency Revolution, "
                           "Agency Buzz, etc.)\nare closed, then click retry.";
    {
        ScriptedAnswers answers({IDCANCEL});
        EXPECT_TRUE(CheckFilesInUse(folder_));
        EXPECT_EQ(answers.asked, std::vector<std::string>{question});
        EXPECT_EQ(answers.types, std::vector<UINT>{MB_RETRYCANCEL | MB_ICONEXCLAMATION});
    }
    {
        // Retry once the program let go: the generic check finds nothing
        // in use and shows no dialog.
        ScriptedAnswers answers({IDRETRY});
        answers.onAsk = [&](const std::string&) { holder.reset(); };
        std::string before = GetCurrentFolder();
        EXPECT_FALSE(CheckFilesInUse(folder_));
        EXPECT_EQ(answers.asked.size(), 1u);
        EXPECT_EQ(GetCurrentFolder(), before);
    }
    EXPECT_FALSE(CheckProgramsInUse(folder_)) << "nothing runs from the folder";
}
