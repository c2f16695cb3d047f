// The task dialog run modally while a helper thread plays the user: what it
// shows and where, which id each way of choosing returns (mouse on a link,
// Enter, Space, a link's letter, Alt with it, the close box, Escape only
// with a Cancel button), the callback that can keep it open, check boxes,
// the timer, and command links that outlive one dialog or die with it.
#include "ui/task_dialog.h"

#include "framework/strings.h"
#include "modal_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace test_support;

namespace {

const char kTitle[] = "Task Dialog Test";

struct Child {
    HWND hwnd;
    int id;
    std::string cls, text;
    RECT rect; // in the dialog's client coordinates
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM data) {
    auto* children = reinterpret_cast<std::vector<Child>*>(data);
    char cls[64] = "", text[512] = "";
    GetClassNameA(hwnd, cls, sizeof(cls));
    SendMessageA(hwnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    RECT rect;
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
    children->push_back({hwnd, GetDlgCtrlID(hwnd), cls, text, rect});
    return TRUE;
}

std::vector<Child> ChildrenOf(HWND dialog) {
    std::vector<Child> children;
    EnumChildWindows(dialog, &CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

const Child* FindChild(const std::vector<Child>& children, int id) {
    for (const Child& child : children)
        if (child.id == id) return &child;
    return nullptr;
}

void ClickLink(HWND dialog, int id, POINT down = {20, 20}, POINT up = {20, 20}) {
    HWND link = GetDlgItem(dialog, id);
    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
}

void Focus(HWND dialog, int id) {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

// Sends the command a control of that id would send.
void Command(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The update-in-progress prompt's content.
void AddPromptContent(CTaskDialog& dialog) {
    dialog.SetMainIcon(LoadIconA(nullptr, IDI_INFORMATION));
    dialog.AddCommandLink("Continue Working in Orvo",
                          "Launch the current version of Orvo. You will be prompted when the update is complete.",
                          1026);
    dialog.AddCommandLink("Relaunch Orvo Update", "Select this if update was not successful.", 1025);
    dialog.AddButton(IDCLOSE, "&Exit");
}

INT_PTR RunTaskDialog(CTaskDialog& dialog, const std::function<void(HWND)>& user) {
    return RunModal(kTitle, [&] { return dialog.DoModal(); }, user);
}

struct Notifications {
    std::vector<std::string> seen;
    int keepOpen = 0; // answers non-zero to this many clicks
};

int Record(int notification, UINT id, CTaskDialog*, LONG_PTR data) {
    auto* log = reinterpret_cast<Notifications*>(data);
    log->seen.push_back(fw::Format("%d:%u", notification, id));
    if (notification == CTaskDialog::kNotifyClicked && log->keepOpen > 0) {
        --log->keepOpen;
        return 1;
    }
    return 0;
}

class CountedLink : public CTaskDialogButton {
public:
    CountedLink(const std::string& text, int id, int& destroyed) : CTaskDialogButton(text, id), destroyed_(destroyed) {}
    ~CountedLink() override { ++destroyed_; }

private:
    int& destroyed_;
};

} // namespace

TEST(TaskDialog, NoButtonsAtAllShowASingleOkThatReturnsOne) {
    CTaskDialog dialog(kTitle, "", "");
    std::vector<Child> children;
    INT_PTR result = RunTaskDialog(dialog, [&](HWND dlg) {
        children = ChildrenOf(dlg);
        SendMessageA(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
    });
    ASSERT_EQ(children.size(), 1u) << "no header panel without instruction, content or icon";
    EXPECT_EQ(children[0].id, IDOK);
    EXPECT_TRUE(fw::EqualsNoCase(children[0].cls, "Button"));
    EXPECT_EQ(children[0].text, "OK");
    EXPECT_EQ(result, IDOK);
}

TEST(TaskDialog, AnEmptyTitleShowsTheApplicationNameAndTheCloseBoxReturnsEight) {
    CTaskDialog dialog("", "Main instruction", "");
    dialog.SetCommonButtons(CTaskDialog::kYesButton | CTaskDialog::kNoButton);
    std::vector<Child> children;
    INT_PTR result = RunModal("Pellmore Orvo", [&] { return dialog.DoModal(); }, [&](HWND dlg) {
        children = ChildrenOf(dlg);
        PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
        Ends(dlg);
    });
    const Child* yes = FindChild(children, IDYES);
    const Child* no = FindChild(children, IDNO);
    ASSERT_TRUE(yes && no);
    EXPECT_EQ(yes->text, "&Yes");
    EXPECT_EQ(no->text, "&No");
    EXPECT_LT(yes->rect.right, no->rect.left) << "Yes reads before No";
    EXPECT_EQ(result, IDCLOSE);
}

TEST(TaskDialog, TheUpdatePromptLaysOutLinksUnderTheHeaderAndExitInTheBandAndAClickChoosesALink) {
    CTaskDialog dialog(kTitle, "Orvo Update in Progress", "An update is currently in progress or did not complete.");
    AddPromptContent(dialog);
    dialog.SetExStyle(WS_EX_TOPMOST);
    std::vector<Child> children;
    RECT client = {};
    LONG_PTR exStyle = 0;
    HWND focus = nullptr, exitButton = nullptr;
    INT_PTR result = RunTaskDialog(dialog, [&](HWND dlg) {
        children = ChildrenOf(dlg);
        GetClientRect(dlg, &client);
        exStyle = GetWindowLongPtrA(dlg, GWL_EXSTYLE);
        focus = FocusOf(dlg);
        exitButton = GetDlgItem(dlg, IDCLOSE);
        ClickLink(dlg, 1025);
    });
    EXPECT_EQ(result, 1025);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_CONTEXTHELP) << "no topic, no help button";

    const Child* header = FindChild(children, 0xFFFF);
    const Child* first = FindChild(children, 1026);
    const Child* second = FindChild(children, 1025);
    const Child* exit = FindChild(children, IDCLOSE);
    ASSERT_TRUE(header && first && second && exit);
    EXPECT_EQ(header->cls, CTaskDialogButton::kClassName);
    EXPECT_EQ(first->text, "Launch the current version of Orvo. You will be prompted when the update is complete.")
        << "a link's window text is its note";
    EXPECT_EQ(first->rect.left, 49);
    EXPECT_EQ(first->rect.top, header->rect.bottom + 15);
    EXPECT_EQ(first->rect.right - first->rect.left, second->rect.right - second->rect.left);
    EXPECT_EQ(exit->rect.right, client.right - 7);
    EXPECT_EQ(client.bottom, second->rect.bottom + 62);
    EXPECT_EQ(focus, exitButton);
}

TEST(TaskDialog, APressReleasedOutsideTheLinkChoosesNothing) {
    CTaskDialog dialog(kTitle, "Main", "Content");
    AddPromptContent(dialog);
    bool openAfter = false;
    INT_PTR result = RunTaskDialog(dialog, [&](HWND dlg) {
        ClickLink(dlg, 1026, {20, 20}, {-10, -10});
        Settle(dlg);
        openAfter = IsWindow(dlg) != FALSE;
    });
    EXPECT_TRUE(openAfter);
    EXPECT_EQ(result, IDCLOSE) << "the helper closed it";
}

TEST(TaskDialog, EscapeEndsTheDialogOnlyWhenItHasACancelButton) {
    CTaskDialog withoutCancel(kTitle, "Main", "Content");
    AddPromptContent(withoutCancel);
    bool openAfterEscape = false;
    INT_PTR result = RunTaskDialog(withoutCancel, [&](HWND dlg) {
        PostKey(dlg, VK_ESCAPE);
        SendMessageA(dlg, WM_COMMAND, IDCANCEL, 0); // a cancel from elsewhere, too
        Settle(dlg);
        openAfterEscape = IsWindow(dlg) != FALSE;
    });
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(result, IDCLOSE);

    CTaskDialog withCancel(kTitle, "Main", "Content");
    AddPromptContent(withCancel);
    withCancel.SetCommonButtons(CTaskDialog::kCancelButton);
    result = RunTaskDialog(withCancel, [&](HWND dlg) {
        PostKey(dlg, VK_ESCAPE);
        Ends(dlg);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST(TaskDialog, EnterAndSpaceChooseWhatHasTheFocus) {
    CTaskDialog enter(kTitle, "Main", "Content");
    AddPromptContent(enter);
    EXPECT_EQ(RunTaskDialog(enter,
                  [&](HWND dlg) {
                      Focus(dlg, 1026);
                      PostKey(dlg, VK_RETURN);
                      Ends(dlg);
                  }),
              1026);

    CTaskDialog space(kTitle, "Main", "Content");
    AddPromptContent(space);
    EXPECT_EQ(RunTaskDialog(space,
                  [&](HWND dlg) {
                      Focus(dlg, 1025);
                      PostKey(dlg, VK_SPACE);
                      Ends(dlg);
                  }),
              1025);

    CTaskDialog onExit(kTitle, "Main", "Content");
    AddPromptContent(onExit);
    EXPECT_EQ(RunTaskDialog(onExit,
                  [&](HWND dlg) {
                      PostKey(dlg, VK_RETURN); // the focus starts on "&Exit"
                      Ends(dlg);
                  }),
              IDCLOSE);
}

TEST(TaskDialog, ALinksUnderlinedLetterChoosesItWithOrWithoutAlt) {
    for (bool alt : {false, true}) {
        CTaskDialog dialog(kTitle, "Virtual Printer Manager", "Choose an option below or Close when finished.");
        dialog.AddCommandLink("&Install Virtual Printer", 1025);
        dialog.AddCommandLink("&Uninstall Virtual Printer", 1026);
        dialog.AddButton(IDRETRY, "&Refresh");
        dialog.AddButton(IDCLOSE, "&Close");
        INT_PTR result = RunTaskDialog(dialog, [&](HWND dlg) {
            PostKey(dlg, 'Q'); // no link has it
            Settle(dlg);
            if (alt)
                PostMessageA(dlg, WM_SYSCOMMAND, SC_KEYMENU, 'u');
            else
                PostKey(dlg, 'U');
            Ends(dlg);
        });
        EXPECT_EQ(result, 1026) << (alt ? "Alt+U" : "U");
    }
}

TEST(TaskDialog, TheCallbackCanKeepTheDialogOpenAndHearsCheckBoxesAndTheTimer) {
    Notifications log;
    log.keepOpen = 2;
    CTaskDialog dialog(kTitle, "Main", "Content");
    AddPromptContent(dialog);
    dialog.AddButton(9, "&Remember my choice", "", BS_CHECKBOX, CTaskDialog::kLeftGroup);
    dialog.AddButton(12, "Other class", "Static", SS_NOTIFY);
    dialog.SetCallback(&Record, reinterpret_cast<LONG_PTR>(&log));
    dialog.SetTimer(77, 30);
    int checkAfterFirst = -1, checkAfterSecond = -1, recordedAfterFirst = -1;
    bool openAfterKept = false;
    INT_PTR result = RunTaskDialog(dialog, [&](HWND dlg) {
        HWND box = GetDlgItem(dlg, 9);
        SendMessageA(box, BM_CLICK, 0, 0);
        checkAfterFirst = static_cast<int>(SendMessageA(box, BM_GETCHECK, 0, 0));
        recordedAfterFirst = dialog.GetCheck(9);
        SendMessageA(box, BM_CLICK, 0, 0);
        checkAfterSecond = static_cast<int>(SendMessageA(box, BM_GETCHECK, 0, 0));
        Sleep(150); // a few timer ticks
        ClickLink(dlg, 1026); // kept open
        Command(dlg, 12);     // kept open
        Settle(dlg);
        openAfterKept = IsWindow(dlg) != FALSE;
        Command(dlg, 12); // now it ends
        Ends(dlg);
    });
    EXPECT_EQ(result, 12);
    EXPECT_TRUE(openAfterKept);
    EXPECT_EQ(checkAfterFirst, BST_CHECKED);
    EXPECT_EQ(recordedAfterFirst, 1);
    EXPECT_EQ(checkAfterSecond, BST_UNCHECKED);
    EXPECT_EQ(dialog.GetCheck(9), 0);

    std::vector<std::string> others;
    int timerTicks = 0;
    for (const std::string& seen : log.seen) {
        if (seen == "2:77")
            ++timerTicks;
        else
            others.push_back(seen);
    }
    EXPECT_GE(timerTicks, 1);
    EXPECT_EQ(others, (std::vector<std::string>{"3:9", "3:9", "1:1026", "1:12", "1:12"}));
}

TEST(TaskDialog, LinksTheCallerKeepsServeSeveralDialogsAndOwnedOnesDieWithTheirs) {
    int destroyed = 0;
    CountedLink kept("Select Virtual Printer", 1030, destroyed);
    for (int pass = 0; pass < 2; ++pass) {
        CTaskDialog dialog(kTitle, "Virtual Printer Manager", "");
        dialog.AddCommandLink(&kept);
        auto* owned = new CountedLink("Install Virtual Printer", 1025, destroyed);
        owned->m_dwStyle |= CTaskDialogButton::kOwnedByDialog;
        dialog.AddCommandLink(owned);
        dialog.AddButton(IDCLOSE, "&Close");
        EXPECT_EQ(RunTaskDialog(dialog, [&](HWND dlg) { ClickLink(dlg, 1030); }), 1030) << "pass " << pass;
        EXPECT_EQ(kept.m_hWnd, nullptr);
        EXPECT_FALSE(kept.m_bPressed);
    }
    EXPECT_EQ(destroyed, 2) << "each dialog deleted its own link, and only that";
}

TEST(TaskDialogButton, IdealSizeIsAtLeastTheMinimumAndGrowsWithTheTexts) {
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    auto ideal = [&](CTaskDialogButton& link) {
        SIZE size = {0, 0};
        RECT rect = {0, 0, 100, 30};
        EXPECT_TRUE(link.Create(parent, rect, WS_VISIBLE, 1, nullptr));
        link.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        EXPECT_TRUE(link.SendMessage(BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&size)));
        return size;
    };

    CTaskDialogButton shortLink("Install", 1025);
    EXPECT_EQ(shortLink.m_sMainText, "Install");
    EXPECT_EQ(shortLink.m_sNote, "Install") << "one text is main text and note";
    EXPECT_NE(shortLink.m_hIcon, nullptr) << "the green arrow";
    EXPECT_EQ(shortLink.m_dwStyle, CTaskDialogButton::kCommandLink | CTaskDialogButton::kFaceWhenHot);
    SIZE small = ideal(shortLink);
    EXPECT_EQ(small.cx, 275);
    EXPECT_EQ(small.cy, 65);
    EXPECT_EQ(shortLink.GetWindowText(), "Install");

    std::string longNote(60, 'x');
    for (int i = 0; i < 6; ++i) longNote += " words that go on and on";
    CTaskDialogButton longLink("A main text long enough to need more than the narrowest link is wide", longNote, 7);
    SIZE large = ideal(longLink);
    EXPECT_GT(large.cx, 275);
    EXPECT_LE(large.cx, 40 + CTaskDialogButton::kMaxMeasuredTextWidth + 14) << "long texts wrap";
    EXPECT_GT(large.cy, 65);
    EXPECT_EQ(large.cx, longLink.m_nMeasuredWidth);
    EXPECT_EQ(large.cy, longLink.m_nMeasuredHeight);

    CTaskDialogButton panel;
    EXPECT_EQ(panel.m_sMainText, "Test");
    EXPECT_EQ(panel.m_hIcon, nullptr);
    EXPECT_EQ(panel.m_dwStyle, CTaskDialogButton::kCommandLink);

    EXPECT_FALSE(longLink.SendMessage(BCM_GETIDEALSIZE, 0, 0)) << "no size to fill";
    DestroyWindow(parent);
    EXPECT_EQ(longLink.m_hWnd, nullptr) << "the object forgets its window";
}
