// Context help: F1 reaches the dialog through the modal loop's message
// filter and through our own pump, the caption's "?" button follows the
// topic, and a press and release on it (and only that) opens the help
// program with the topic after "/CSHID:". Wine draws no "?" button and has
// no HTHELP hit-test, so the non-client messages are sent as Windows would.
#include "launcher/help_dialog.h"

#include "framework/dialog_template.h"
#include "help_fixture.h"
#include "modal_run.h"
#include "ui/task_dialog.h"

#include <gtest/gtest.h>

#include <functional>

using namespace test_support;

namespace {

const char kTitle[] = "Help Dialog Test";
constexpr UINT kRunHere = WM_APP + 51;  // lParam: std::function<void()>*, run on the dialog's thread
constexpr UINT kPumpF1 = WM_APP + 52;   // posts F1 to itself and pumps it

class TestHelpDialog : public CHelpDialog {
public:
    TestHelpDialog() : CHelpDialog(0) {}
    INT_PTR DoModal() override {
        std::vector<DWORD> words =
            fw::BuildDialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 160, 60);
        return DoModalIndirect(fw::AsDialogTemplate(words));
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_F1) ++(pumping_ ? f1WhilePumping : f1InModalLoop);
        return CHelpDialog::PreTranslateMessage(msg);
    }

    int f1InModalLoop = 0;
    int f1WhilePumping = 0;
    int helpMessages = 0;
    LONG_PTR exStyleAtInit = 0;

protected:
    BOOL OnInitDialog() override {
        BOOL result = CHelpDialog::OnInitDialog();
        SetWindowText(kTitle);
        exStyleAtInit = GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
        return result;
    }
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (msg == kRunHere) {
            (*reinterpret_cast<std::function<void()>*>(lParam))();
            return true;
        }
        if (msg == kPumpF1) {
            PostMessageA(m_hWnd, WM_KEYDOWN, VK_F1, 1);
            pumping_ = true;
            PumpWaitingMessages();
            pumping_ = false;
            return true;
        }
        if (msg == WM_HELP) ++helpMessages;
        return CHelpDialog::OnMessage(msg, wParam, lParam, result);
    }

private:
    bool pumping_ = false;
};

void RunHere(HWND dialog, std::function<void()> action) {
    SendMessageA(dialog, kRunHere, 0, reinterpret_cast<LPARAM>(&action));
}

HWND CaptureOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndCapture;
}

bool HasHelpButton(HWND dialog) { return (GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0; }

void Nc(HWND dialog, UINT msg, WPARAM hitTest) {
    RECT frame;
    GetWindowRect(dialog, &frame);
    SendMessageA(dialog, msg, hitTest, MAKELPARAM(frame.right - 30, frame.top + 8));
}

class HelpDialogTest : public HelpProgramTest {};

} // namespace

TEST_F(HelpDialogTest, F1InTheModalLoopOpensTheTopicWithTheWholeCommandLine) {
    TestHelpDialog dialog;
    dialog.SetHelpContextId(1234L);
    RunModal(kTitle, [&] { return dialog.DoModal(); },
             [&](HWND dlg) {
                 PostKey(dlg, VK_F1);
                 Settle(dlg);
                 PostKey(dlg, VK_F1, true); // with Alt: a system key
                 Settle(dlg);
             });
    EXPECT_EQ(dialog.f1InModalLoop, 1);
    EXPECT_EQ(dialog.helpMessages, 0) << "a consumed F1 brings no WM_HELP";
    std::vector<std::string> starts = HelpStarts(2);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0], ExpectedArguments("1234"));
    EXPECT_EQ(starts[1], ExpectedArguments("1234"));
    EXPECT_TRUE(dialog.exStyleAtInit & WS_EX_CONTEXTHELP);
}

TEST_F(HelpDialogTest, WithoutTopicF1IsConsumedAndOpensNothingThenATopicSetLaterIsUsed) {
    TestHelpDialog dialog;
    bool buttonAtOpen = true;
    RunModal(kTitle, [&] { return dialog.DoModal(); },
             [&](HWND dlg) {
                 buttonAtOpen = HasHelpButton(dlg);
                 PostKey(dlg, VK_F1);
                 Settle(dlg);
                 RunHere(dlg, [&] { dialog.SetHelpContextId(std::string("55")); });
                 PostKey(dlg, VK_F1);
                 Settle(dlg);
             });
    EXPECT_FALSE(buttonAtOpen);
    EXPECT_EQ(dialog.f1InModalLoop, 2);
    std::vector<std::string> starts = HelpStarts(1);
    ASSERT_EQ(starts.size(), 1u) << "F1 without a topic started the help program";
    EXPECT_EQ(starts[0], ExpectedArguments("55"));
}

TEST_F(HelpDialogTest, OurPumpPreTranslatesToo) {
    TestHelpDialog dialog;
    dialog.SetHelpContextId(std::string("8"));
    RunModal(kTitle, [&] { return dialog.DoModal(); },
             [&](HWND dlg) {
                 SendMessageA(dlg, kPumpF1, 0, 0);
                 Settle(dlg);
             });
    EXPECT_EQ(dialog.f1WhilePumping, 1);
    EXPECT_EQ(dialog.f1InModalLoop, 0);
    std::vector<std::string> starts = HelpStarts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0], ExpectedArguments("8"));
}

TEST_F(HelpDialogTest, TheCaptionButtonFollowsTheTopic) {
    TestHelpDialog dialog;
    dialog.SetHelpContextId(1234L);
    EXPECT_EQ(dialog.GetHelpContextId(), "1234");
    struct {
        bool zero = true, empty = true, text = false, number = false;
        std::string zeroId = "?";
    } seen;
    RunModal(kTitle, [&] { return dialog.DoModal(); },
             [&](HWND dlg) {
                 RunHere(dlg, [&] { dialog.SetHelpContextId(0L); });
                 seen.zero = HasHelpButton(dlg);
                 seen.zeroId = dialog.GetHelpContextId();
                 RunHere(dlg, [&] { dialog.SetHelpContextId(std::string("77")); });
                 seen.text = HasHelpButton(dlg);
                 RunHere(dlg, [&] { dialog.SetHelpContextId(std::string()); });
                 seen.empty = HasHelpButton(dlg);
                 RunHere(dlg, [&] { dialog.SetHelpContextId(-5L); });
                 seen.number = HasHelpButton(dlg);
             });
    EXPECT_TRUE(dialog.exStyleAtInit & WS_EX_CONTEXTHELP);
    EXPECT_FALSE(seen.zero);
    EXPECT_EQ(seen.zeroId, "");
    EXPECT_TRUE(seen.text);
    EXPECT_FALSE(seen.empty);
    EXPECT_TRUE(seen.number);
    EXPECT_EQ(dialog.GetHelpContextId(), "-5");
}

TEST_F(HelpDialogTest, OnlyAPressAndReleaseOnTheHelpButtonOpensTheTopic) {
    TestHelpDialog dialog;
    dialog.SetHelpContextId(1234L);
    bool openAfterPress = false;
    RunModal(kTitle, [&] { return dialog.DoModal(); },
             [&](HWND dlg) {
                 Nc(dlg, WM_NCLBUTTONDOWN, HTHELP); // released elsewhere
                 Nc(dlg, WM_NCLBUTTONUP, HTBORDER);
                 Nc(dlg, WM_NCLBUTTONDOWN, HTBORDER); // pressed elsewhere
                 Nc(dlg, WM_NCLBUTTONUP, HTHELP);
                 Nc(dlg, WM_NCLBUTTONDOWN, HTHELP); // released in the client area,
                 SendMessageA(dlg, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
                 Nc(dlg, WM_NCLBUTTONUP, HTCLIENT); // then a release that never had its press
                 Nc(dlg, WM_NCLBUTTONUP, HTHELP);
                 Nc(dlg, WM_NCLBUTTONDOWN, HTHELP); // the one real click
                 openAfterPress = IsWindow(dlg) && CaptureOf(dlg) == nullptr;
                 Nc(dlg, WM_NCLBUTTONUP, HTHELP);
                 Settle(dlg);
             });
    EXPECT_TRUE(openAfterPress) << "the press must not enter a context-help mode";
    std::vector<std::string> starts = HelpStarts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0], ExpectedArguments("1234"));
}

TEST_F(HelpDialogTest, TheTaskDialogKeepsF1AndItsTopic) {
    CTaskDialog dialog("Help Task Dialog", "Main", "Content");
    dialog.SetHelpContextId(1234L);
    bool button = false;
    INT_PTR result = RunModal("Help Task Dialog", [&] { return dialog.DoModal(); },
                              [&](HWND dlg) {
                                  button = HasHelpButton(dlg);
                                  PostKey(dlg, VK_F1);
                                  Settle(dlg);
                              });
    EXPECT_TRUE(button);
    EXPECT_EQ(result, IDCLOSE);
    std::vector<std::string> starts = HelpStarts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0], ExpectedArguments("1234"));
}
