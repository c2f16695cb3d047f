#include "launcher/orvo_dlg.h"

#include "framework/app.h"
#include "framework/strings.h"
#include "resource.h"

#include <commctrl.h>

COrvoDlg::COrvoDlg(int excludeOptional, HWND parent)
    : CDialog(IDD_ORVO_DIALOG, parent), excludeOptional_(excludeOptional) {
    icon_ = static_cast<HICON>(LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 0, 0,
                                          LR_DEFAULTSIZE | LR_SHARED));
}

void COrvoDlg::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_PROGRESS, progress_); }

BOOL COrvoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    return TRUE;
}

void COrvoDlg::SetStatus(const std::string& text) {
    SetDlgItemText(IDC_STATUS_TEXT, text);
    PumpMessages();
    Sleep(250);
}

void COrvoDlg::SetStatusF(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = fw::FormatV(format, args);
    va_end(args);
    SetStatus(text);
}

void COrvoDlg::PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void COrvoDlg::SetMarquee(bool on) {
    HWND bar = progress_.GetSafeHwnd();
    if (!bar) return;
    LONG_PTR style = GetWindowLongPtrA(bar, GWL_STYLE);
    if (on) {
        SetWindowLongPtrA(bar, GWL_STYLE, style | PBS_MARQUEE);
        ::SendMessageA(bar, PBM_SETMARQUEE, 1, 200);
    } else {
        ::SendMessageA(bar, PBM_SETMARQUEE, 0, 0);
        SetWindowLongPtrA(bar, GWL_STYLE, style & ~static_cast<LONG_PTR>(PBS_MARQUEE));
    }
}

void COrvoDlg::PaintMinimizedIcon() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(m_hWnd, &ps);
}

bool COrvoDlg::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_PAINT:
        if (!IsIconic(m_hWnd)) return false;
        PaintMinimizedIcon();
        result = 0;
        return true;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(icon_);
        return true;
    case WM_CLOSE:
        // A setup program run from this window stops waiting on WM_QUIT.
        PostQuitMessage(0);
        EndDialog(IDCANCEL);
        result = 0;
        return true;
    default:
        return false;
    }
}
