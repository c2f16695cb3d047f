// The modeless wait window: its layout for each style flag, and its message
// pump, which drops input meant for the program's other windows, turns
// Escape and Cancel into the cancelled flag and keeps a quit request.
#include "ui/modeless_dialog.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

// A window of the program that counts what reaches it.
struct OtherWindow {
    static int clicks, keys, custom;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP) ++clicks;
        if (msg == WM_KEYDOWN || msg == WM_CHAR) ++keys;
        if (msg >= WM_APP) ++custom;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    OtherWindow() {
        clicks = keys = custom = 0;
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "OrvoTestOtherWindow";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, wc.lpszClassName, "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                               nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~OtherWindow() { DestroyWindow(hwnd); }
    HWND hwnd;
};
int OtherWindow::clicks = 0, OtherWindow::keys = 0, OtherWindow::custom = 0;

RECT ChildRect(HWND parent, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Click(HWND target, int x, int y) {
    PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void DrainQuit() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

} // namespace

TEST(ModelessDialogTest, LaysOutTextProgressBarAndCancelButtonOneBelowTheOther) {
    CModelessDialog wait;
    ASSERT_TRUE(wait.Show("Refreshing...Please Wait!", nullptr,
                          CModelessDialog::kProgressBar | CModelessDialog::kCaption | CModelessDialog::kCancelButton));
    HWND dialog = wait.GetSafeHwnd();
    ASSERT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(wait.IsShown());
    EXPECT_TRUE(GetWindowLongA(dialog, GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(CWnd(wait.GetMessageWindow()).GetWindowText(), "Refreshing...Please Wait!");
    EXPECT_EQ(CWnd(wait.GetCancelButton()).GetWindowText(), "Cancel");

    RECT text = ChildRect(dialog, wait.GetMessageWindow());
    RECT bar = ChildRect(dialog, wait.GetProgressBar());
    RECT cancel = ChildRect(dialog, wait.GetCancelButton());
    RECT client;
    GetClientRect(dialog, &client);
    RECT units = {0, 0, 200, 63};
    MapDialogRect(dialog, &units);
    EXPECT_EQ(client.right, units.right) << "200 dialog units wide";
    EXPECT_GE(client.bottom, units.bottom);
    EXPECT_LE(text.bottom, bar.top);
    EXPECT_EQ(bar.left, GetSystemMetrics(SM_CXHSCROLL));
    EXPECT_EQ(client.right - bar.right, GetSystemMetrics(SM_CXHSCROLL));
    EXPECT_LE(bar.bottom, cancel.top);
    EXPECT_LE(cancel.bottom, client.bottom);
    EXPECT_EQ(cancel.right - cancel.left, 75);
    EXPECT_EQ(cancel.bottom - cancel.top, 26);
    EXPECT_NEAR((cancel.left + cancel.right) / 2, client.right / 2, 1);

    RECT window;
    GetWindowRect(dialog, &window);
    EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1) << "centred";
    wait.Close();
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(wait.IsShown());
}

TEST(ModelessDialogTest, PlainWindowTakesTheCallersSizeAndHasNoCaption) {
    CModelessDialog wait;
    RECT size = {0, 0, 240, 60};
    ASSERT_TRUE(wait.Show("Working", &size, 0));
    RECT client;
    GetClientRect(wait.GetSafeHwnd(), &client);
    EXPECT_EQ(client.right, 240);
    EXPECT_EQ(client.bottom, 60);
    EXPECT_FALSE(GetWindowLongA(wait.GetSafeHwnd(), GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(wait.GetProgressBar(), nullptr);
    EXPECT_EQ(wait.GetCancelButton(), nullptr);
    RECT text = ChildRect(wait.GetSafeHwnd(), wait.GetMessageWindow());
    EXPECT_EQ(text.bottom - text.top, 60) << "the text has the whole window";
}

TEST(ModelessDialogTest, PumpDropsInputForOtherWindowsAndLetsPaintAndListedMessagesThrough) {
    OtherWindow other;
    CModelessDialog wait;
    wait.AddPassThrough(WM_APP + 5);
    ASSERT_TRUE(wait.Show("Please wait", nullptr, CModelessDialog::kCancelButton));
    Click(other.hwnd, 20, 20);
    PostMessageA(other.hwnd, WM_KEYDOWN, 'A', 0);
    PostMessageA(other.hwnd, WM_APP + 5, 0, 0);
    PostMessageA(other.hwnd, WM_APP + 6, 0, 0);
    InvalidateRect(other.hwnd, nullptr, TRUE);
    EXPECT_TRUE(wait.PumpMessages());
    EXPECT_EQ(OtherWindow::clicks, 0) << "a click on another window of the program";
    EXPECT_EQ(OtherWindow::keys, 0);
    EXPECT_EQ(OtherWindow::custom, 1) << "only the listed message";
    RECT stillInvalid;
    EXPECT_FALSE(GetUpdateRect(other.hwnd, &stillInvalid, FALSE)) << "paint messages are dispatched";
    EXPECT_FALSE(wait.IsCancelled());
}

TEST(ModelessDialogTest, EscapeAndTheCancelButtonSetTheCancelledFlag) {
    CModelessDialog wait;
    ASSERT_TRUE(wait.Show("Please wait", nullptr, CModelessDialog::kCancelButton));
    PostMessageA(wait.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    wait.PumpMessages();
    EXPECT_TRUE(wait.IsCancelled());

    ASSERT_TRUE(wait.Show("Please wait", nullptr, CModelessDialog::kCancelButton));
    EXPECT_FALSE(wait.IsCancelled()) << "a new showing starts uncancelled";
    Click(wait.GetMessageWindow(), 5, 5);
    wait.PumpMessages();
    EXPECT_FALSE(wait.IsCancelled()) << "a click beside the button";
    Click(wait.GetCancelButton(), 10, 10);
    wait.PumpMessages();
    EXPECT_TRUE(wait.IsCancelled());
}

TEST(ModelessDialogTest, AQuitRequestIsKeptForTheOuterLoop) {
    OtherWindow other;
    CModelessDialog wait;
    ASSERT_TRUE(wait.Show("Please wait"));
    PostQuitMessage(7);
    EXPECT_FALSE(wait.PumpMessages());
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    DrainQuit();
}

TEST(ModelessDialogTest, AWorkerChangesTheTextAndClosingWaitsWhileItIsBusy) {
    CModelessDialog wait;
    ASSERT_TRUE(wait.Show("first", nullptr, CModelessDialog::kCaption));
    wait.SetBusy(true);
    bool windowAtRelease = false;
    HWND dialog = wait.GetSafeHwnd();
    std::thread worker([&] {
        wait.SetMessageText("second");
        Sleep(400);
        windowAtRelease = IsWindow(dialog) != FALSE;
        wait.SetBusy(false);
    });
    Sleep(100);
    wait.PumpMessages(); // the refresh message the worker posted
    EXPECT_EQ(CWnd(wait.GetMessageWindow()).GetWindowText(), "second");
    DWORD start = GetTickCount();
    wait.Close();
    DWORD waited = GetTickCount() - start;
    worker.join();
    EXPECT_TRUE(windowAtRelease) << "the window outlives the busy worker";
    EXPECT_GE(waited, 200u);
    EXPECT_FALSE(IsWindow(dialog));
}
