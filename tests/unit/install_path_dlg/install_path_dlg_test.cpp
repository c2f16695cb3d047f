// "Installation Path Invalid" run modally on the test thread while a helper
// thread plays the user: it types into the path field and reads whether OK
// is enabled, as a user would see it.
#include "localinstall/install_path_dlg.h"

#include "resource.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

using namespace test_support;

namespace {

struct DialogSearch {
    const char* title; // null: any title
    HWND except;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<DialogSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[16] = {}, text[256] = {};
    GetClassNameA(hwnd, cls, sizeof(cls));
    GetWindowTextA(hwnd, text, sizeof(text));
    if (pid == GetCurrentProcessId() && hwnd != search->except && lstrcmpA(cls, "#32770") == 0 &&
        IsWindowVisible(hwnd) && (!search->title || lstrcmpA(text, search->title) == 0)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Finds a visible dialog of this process with this title (any title when
// null) other than except, waiting up to 10 s.
HWND WaitForDialog(const char* title, HWND except = nullptr) {
    DialogSearch search{title, except, nullptr};
    for (int attempt = 0; attempt < 200 && !search.found; ++attempt) {
        EnumWindows(&MatchDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(50);
    }
    return search.found;
}

const char kTitle[] = "Installation Path Invalid";

// Runs the dialog with path pre-filled; user() drives it from another thread.
INT_PTR RunDialog(InstallPathDlg& dialog, const std::function<void(HWND)>& user) {
    std::thread helper([&] {
        HWND found = WaitForDialog(kTitle);
        if (found) {
            user(found);
        }
        // Whatever the helper left open is cancelled, so the test never hangs.
        if (found && IsWindow(found)) PostMessageA(found, WM_COMMAND, IDCANCEL, 0);
    });
    INT_PTR result = dialog.DoModal();
    helper.join();
    return result;
}

bool OkEnabled(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE; }

void SetPathText(HWND dialog, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, IDC_INSTALL_PATH_EDIT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string PathText(HWND dialog) {
    char text[MAX_PATH * 2] = {};
    GetDlgItemTextA(dialog, IDC_INSTALL_PATH_EDIT, text, sizeof(text));
    return text;
}

class InstallPathDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        valid_ = scratch_.Subfolder("install");
        WriteFile(valid_ + "\\Version.dat", "5.0.3.90\r\nbuild notes\r\n");
        noVersionFile_ = scratch_.Subfolder("empty");
        emptyFirstLine_ = scratch_.Subfolder("blank");
        WriteFile(emptyFirstLine_ + "\\Version.dat", "\r\n5.0.3.90\r\n");
    }

    TempFolder scratch_{"orvo_path_dlg"};
    std::string valid_, noVersionFile_, emptyFirstLine_;
};

} // namespace

TEST_F(InstallPathDlgTest, OkFollowsWhetherTheTextNamesAFolderWithAProgramVersion) {
    InstallPathDlg dialog;
    struct Seen {
        bool atOpen = true, noFile = true, blankLine = true, valid = false, editedAway = true, again = false;
    } seen;
    INT_PTR result = RunDialog(dialog, [&](HWND dlg) {
        seen.atOpen = OkEnabled(dlg);
        SetPathText(dlg, noVersionFile_);
        seen.noFile = OkEnabled(dlg);
        SetPathText(dlg, emptyFirstLine_);
        seen.blankLine = OkEnabled(dlg);
        SetPathText(dlg, valid_);
        seen.valid = OkEnabled(dlg);
        SetPathText(dlg, valid_ + "x");
        seen.editedAway = OkEnabled(dlg);
        SetPathText(dlg, valid_);
        seen.again = OkEnabled(dlg);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDOK)));
    });
    EXPECT_FALSE(seen.atOpen) << "empty path";
    EXPECT_FALSE(seen.noFile) << "folder without Version.dat";
    EXPECT_FALSE(seen.blankLine) << "Version.dat with an empty first line";
    EXPECT_TRUE(seen.valid);
    EXPECT_FALSE(seen.editedAway);
    EXPECT_TRUE(seen.again);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_path, valid_);
}

TEST_F(InstallPathDlgTest, TypingCharacterByCharacterKeepsTheTextInOrder) {
    InstallPathDlg dialog;
    std::string typed;
    bool enabled = false;
    INT_PTR result = RunDialog(dialog, [&](HWND dlg) {
        HWND edit = GetDlgItem(dlg, IDC_INSTALL_PATH_EDIT);
        for (char c : valid_) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
        typed = PathText(dlg);
        enabled = OkEnabled(dlg);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(typed, valid_);
    EXPECT_TRUE(enabled);
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(InstallPathDlgTest, PrefilledValidPathAllowsOkAndCancelEndsWithCancel) {
    InstallPathDlg dialog;
    dialog.m_path = valid_;
    bool enabled = false;
    std::string shown;
    INT_PTR result = RunDialog(dialog, [&](HWND dlg) {
        enabled = OkEnabled(dlg);
        shown = PathText(dlg);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_TRUE(enabled);
    EXPECT_EQ(shown, valid_);
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(InstallPathDlgTest, BrowseOpensOnTheTypedFolderAndCancellingKeepsTheText) {
    InstallPathDlg dialog;
    std::string afterCancel, afterChoice;
    bool enabledAfterChoice = false;
    bool browserOpened = false;
    RunDialog(dialog, [&](HWND dlg) {
        SetPathText(dlg, noVersionFile_);
        // Cancel in the browser: the text stays.
        PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_INSTALL_PATH_BROWSE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_INSTALL_PATH_BROWSE)));
        HWND browser = WaitForDialog(nullptr, dlg);
        browserOpened = browser != nullptr;
        if (!browser) return;
        SendMessageA(browser, WM_COMMAND, IDCANCEL, 0);
        while (IsWindow(browser)) Sleep(20);
        afterCancel = PathText(dlg);

        // OK in the browser at once: the folder it opened on comes back.
        SetPathText(dlg, valid_);
        PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_INSTALL_PATH_BROWSE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_INSTALL_PATH_BROWSE)));
        browser = WaitForDialog(nullptr, dlg);
        if (!browser) return;
        Sleep(300); // let it select the initial folder
        SendMessageA(browser, WM_COMMAND, IDOK, 0);
        while (IsWindow(browser)) Sleep(20);
        Sleep(100);
        afterChoice = PathText(dlg);
        enabledAfterChoice = OkEnabled(dlg);
    });
    ASSERT_TRUE(browserOpened);
    EXPECT_EQ(afterCancel, noVersionFile_);
    EXPECT_TRUE(lstrcmpiA(afterChoice.c_str(), valid_.c_str()) == 0) << afterChoice;
    EXPECT_TRUE(enabledAfterChoice);
}
