// "Pellmore Updater" with a scripted manager: run modally on the test thread
// while a helper thread reads what it shows and plays the user, and stopped
// again and again while a slow refresh runs on its worker.
#include "localinstall/in_use_check.h"
#include "localinstall/resource_in_use_dlg.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace {

class ScriptedManager final : public IInUseResourceManager {
public:
    ScriptedManager(const char* typeName, bool canForceClose, int intervalMs, StringList entries)
        : typeName_(typeName), canForceClose_(canForceClose), interval_(intervalMs), entries_(std::move(entries)) {}

    void GetTypeName(std::string& name) override { name = typeName_; }
    int GetInUse(StringList& list) override {
        int now = ++active;
        if (now > maxActive) maxActive = now;
        ++calls;
        if (delayMs > 0) Sleep(static_cast<DWORD>(delayMs));
        {
            std::lock_guard<std::mutex> guard(mutex_);
            list = entries_;
        }
        --active;
        return static_cast<int>(list.size());
    }
    bool CanForceClose() override { return canForceClose_; }
    void ForceClose() override {
        ++forceCloses;
        Set({});
    }
    int GetRefreshInterval() override { return interval_; }

    void Set(StringList entries) {
        std::lock_guard<std::mutex> guard(mutex_);
        entries_ = std::move(entries);
    }

    std::atomic<int> calls{0}, active{0}, maxActive{0}, forceCloses{0};
    int delayMs = 0;

private:
    std::string typeName_;
    bool canForceClose_;
    int interval_;
    std::mutex mutex_;
    StringList entries_;
};

const char kTitle[] = "Pellmore Updater";

struct DialogSearch {
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<DialogSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char text[64] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) && lstrcmpA(text, kTitle) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForDialog() {
    DialogSearch search{nullptr};
    for (int attempt = 0; attempt < 200 && !search.found; ++attempt) {
        EnumWindows(&MatchDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(50);
    }
    return search.found;
}

std::vector<std::string> ListedEntries(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_IN_USE_LIST);
    std::vector<std::string> entries;
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

bool WaitUntilClosed(HWND dialog, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (IsWindow(dialog)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

// Runs the check on this thread; user() plays the user from another one.
// Whatever it leaves open is cancelled, so the test never hangs.
template <typename User>
bool RunWithUser(const std::shared_ptr<IInUseResourceManager>& manager, User user) {
    std::thread helper([&] {
        HWND dialog = WaitForDialog();
        if (!dialog) return;
        user(dialog);
        if (IsWindow(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    bool cancelled = RunInUseDialog(manager);
    helper.join();
    return cancelled;
}

// Starts a refresh by its timer message right at initialisation, ticks once
// more while it runs, and asks to be cancelled after a pause.
class RacingDlg : public ResourceInUseDlg {
public:
    RacingDlg(std::shared_ptr<IInUseResourceManager> manager, int pauseMs)
        : ResourceInUseDlg(std::move(manager)), pauseMs_(pauseMs) {}
    bool refreshingRightAfterTick = false;

protected:
    BOOL OnInitDialog() override {
        BOOL result = ResourceInUseDlg::OnInitDialog();
        SendMessage(WM_TIMER, kRefreshTimer);
        refreshingRightAfterTick = IsRefreshing();
        SendMessage(WM_TIMER, kRefreshTimer);
        if (pauseMs_ > 0) Sleep(static_cast<DWORD>(pauseMs_));
        PostMessageA(m_hWnd, WM_COMMAND, IDCANCEL, 0);
        return result;
    }

private:
    int pauseMs_;
};

} // namespace

TEST(ResourceInUseDlg, ListsSortedEntriesAndClosesWithOkOnceForceCloseEmptiedIt) {
    auto manager = std::make_shared<ScriptedManager>("program", true, 50,
                                                     IInUseResourceManager::StringList{"Zeta Window", "Alpha Window"});
    std::string prompt;
    std::vector<std::string> shown;
    bool forceCloseVisible = false, closedByItself = false;
    bool cancelled = RunWithUser(manager, [&](HWND dialog) {
        char text[512] = {};
        GetDlgItemTextA(dialog, IDC_IN_USE_PROMPT, text, sizeof(text));
        prompt = text;
        shown = ListedEntries(dialog);
        forceCloseVisible = IsWindowVisible(GetDlgItem(dialog, IDC_FORCE_CLOSE)) != FALSE;
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FORCE_CLOSE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_FORCE_CLOSE)));
        closedByItself = WaitUntilClosed(dialog, 2000);
    });
    EXPECT_FALSE(cancelled);
    EXPECT_TRUE(closedByItself);
    EXPECT_EQ(prompt, "A new version of Pellmore Orvo is available. To complete the update, please close the "
                      "following program(s).");
    EXPECT_EQ(shown, (std::vector<std::string>{"Alpha Window", "Zeta Window"}));
    EXPECT_TRUE(forceCloseVisible);
    EXPECT_EQ(manager->forceCloses, 1);
    EXPECT_EQ(manager->maxActive, 1) << "one refresh at a time";
}

TEST(ResourceInUseDlg, FileListFollowsTheManagerWithoutForceCloseAndClosingCancels) {
    auto manager = std::make_shared<ScriptedManager>("file", false, 20, IInUseResourceManager::StringList{"b.dll"});
    std::string prompt;
    std::vector<std::string> before, after;
    bool forceCloseVisible = true, forceCloseEnabled = true;
    bool cancelled = RunWithUser(manager, [&](HWND dialog) {
        char text[512] = {};
        GetDlgItemTextA(dialog, IDC_IN_USE_PROMPT, text, sizeof(text));
        prompt = text;
        forceCloseVisible = IsWindowVisible(GetDlgItem(dialog, IDC_FORCE_CLOSE)) != FALSE;
        forceCloseEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_FORCE_CLOSE)) != FALSE;
        before = ListedEntries(dialog);
        manager->Set({"b.dll", "a.dll"});
        for (int i = 0; i < 100 && after.size() < 2; ++i) {
            Sleep(20);
            after = ListedEntries(dialog);
        }
        // Closing the window is Cancel.
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        WaitUntilClosed(dialog, 2000);
    });
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(prompt, "A new version of Pellmore Orvo is available. To complete the update, please close the "
                      "following file(s).");
    EXPECT_FALSE(forceCloseVisible);
    EXPECT_FALSE(forceCloseEnabled);
    EXPECT_EQ(before, std::vector<std::string>{"b.dll"});
    EXPECT_EQ(after, (std::vector<std::string>{"a.dll", "b.dll"}));
    EXPECT_EQ(manager->forceCloses, 0);
}

TEST(ResourceInUseDlg, StopsDuringASlowRefreshWaitForItAndNeverRunTwo) {
    // No timer of its own: the dialog refreshes only when the test ticks.
    auto manager = std::make_shared<ScriptedManager>("program", true, 0, IInUseResourceManager::StringList{"busy"});
    manager->delayMs = 10;
    for (int round = 0; round < 50; ++round) {
        SCOPED_TRACE(round);
        {
            RacingDlg dialog(manager, round % 15);
            ASSERT_EQ(dialog.Refresh(), 1);
            EXPECT_EQ(dialog.DoModal(), IDCANCEL);
            EXPECT_TRUE(dialog.refreshingRightAfterTick) << "a Stop right after the tick would not wait";
            EXPECT_EQ(manager->active, 0) << "a refresh still runs after the dialog ended";
        }
        EXPECT_EQ(manager->active, 0);
    }
    int calls = manager->calls;
    Sleep(50);
    EXPECT_EQ(manager->calls, calls) << "no refresh starts after the dialogs ended";
    EXPECT_EQ(manager->maxActive, 1);
}
