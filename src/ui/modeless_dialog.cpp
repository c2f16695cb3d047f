#include "ui/modeless_dialog.h"

#include "framework/dialog_template.h"
#include "framework/window_class.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace {

const char kMessageClass[] = "OrvoModelessMessage";
constexpr int kTemplateWidth = 200;       // dialog units
constexpr int kTemplateHeight = 50;       // dialog units
constexpr int kTemplateHeightCancel = 63; // dialog units, with a cancel button
constexpr int kCancelWidth = 75;          // pixels
constexpr int kCancelHeight = 26;         // pixels
constexpr int kMargin = 6;                // pixels below the last control

DWORD Style(unsigned flags) {
    DWORD style = WS_POPUP | DS_MODALFRAME | DS_3DLOOK | DS_ABSALIGN | DS_NOIDLEMSG | DS_SETFOREGROUND | DS_SETFONT;
    if (flags & CModelessDialog::kCaption) style |= WS_CAPTION;
    return style;
}

} // namespace

// ---------------------------------------------------------------- message window

bool CModelessMessageWnd::Create(CModelessDialog* owner, HWND parent, const RECT& rect, HFONT font) {
    static const bool registered = fw::RegisterWindowClass(kMessageClass, &CModelessMessageWnd::WindowProc,
                                                            reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1));
    if (!registered) return false;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    owner_ = owner;
    font_ = font;
    m_hWnd = CreateWindowExA(0, kMessageClass, "", WS_CHILD | WS_VISIBLE, rect.left, rect.top, rect.right - rect.left,
                             rect.bottom - rect.top, parent, nullptr, instance, this);
    return m_hWnd != nullptr;
}

LRESULT CALLBACK CModelessMessageWnd::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<CModelessMessageWnd*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self) {
        switch (msg) {
        case WM_PAINT:
            self->Paint();
            return 0;
        case WM_SETTEXT: {
            LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
            InvalidateRect(hwnd, nullptr, TRUE);
            return result;
        }
        case kRefreshMessage:
            if (self->owner_) self->owner_->Refresh();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->m_hWnd = nullptr;
            break;
        default:
            break;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void CModelessMessageWnd::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    RECT client;
    GetClientRect(m_hWnd, &client);
    std::string text = GetWindowText();
    HGDIOBJ previousFont = font_ ? SelectObject(dc, font_) : nullptr;
    int previousMode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    // DT_VCENTER works only on single lines: measure, then centre.
    RECT measured = client;
    DrawTextA(dc, text.c_str(), -1, &measured, format | DT_CALCRECT);
    RECT target = client;
    int textHeight = measured.bottom - measured.top;
    target.top = client.top + std::max(0, static_cast<int>((client.bottom - client.top - textHeight) / 2));
    DrawTextA(dc, text.c_str(), -1, &target, format);
    SetBkMode(dc, previousMode);
    if (previousFont) SelectObject(dc, previousFont);
    EndPaint(m_hWnd, &ps);
}

// ---------------------------------------------------------------- wait window

CModelessDialog::CModelessDialog(HWND parent) : parent_(parent) {}

CModelessDialog::~CModelessDialog() { Close(); }

bool CModelessDialog::Show(const std::string& text, const RECT* rect, unsigned flags) {
    if (m_hWnd) DestroyWindow(m_hWnd);
    progress_.m_hWnd = nullptr;
    cancelButton_.m_hWnd = nullptr;
    flags_ = flags;
    SetMessageText(text);
    hasRect_ = rect != nullptr;
    if (rect) rect_ = *rect;
    cancelled_ = false;
    closing_ = false;

    InitCommonControls();
    short heightUnits = static_cast<short>((flags & kCancelButton) ? kTemplateHeightCancel : kTemplateHeight);
    std::vector<DWORD> dialogTemplate = fw::BuildDialogTemplate(Style(flags), 0, kTemplateWidth, heightUnits);
    HWND created = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                              fw::AsDialogTemplate(dialogTemplate), parent_,
                                              &CModelessDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (!created) return false;

    int width, height;
    if (hasRect_) {
        width = rect_.right - rect_.left;
        height = rect_.bottom - rect_.top;
    } else {
        RECT units = {0, 0, kTemplateWidth, heightUnits};
        MapDialogRect(m_hWnd, &units);
        width = units.right;
        height = units.bottom;
    }
    Layout(width, height);

    shown_ = true;
    ShowWindow(m_hWnd, SW_SHOW);
    UpdateWindow(m_hWnd);
    PumpMessages();
    shownTick_ = GetTickCount();
    return m_hWnd != nullptr;
}

void CModelessDialog::Layout(int width, int height) {
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HINSTANCE instance = GetModuleHandleA(nullptr);
    bool extras = (flags_ & (kProgressBar | kCancelButton)) != 0;
    RECT textRect = {0, 0, width, extras ? height / 2 : height};
    messageWnd_.Create(this, m_hWnd, textRect, font);
    ::SetWindowTextA(messageWnd_.m_hWnd, GetMessageText().c_str());

    int y = textRect.bottom;
    if (flags_ & kProgressBar) {
        int inset = GetSystemMetrics(SM_CXHSCROLL);
        int barHeight = GetSystemMetrics(SM_CYHSCROLL) * 3 / 2;
        progress_.m_hWnd = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, inset, y,
                                           width - 2 * inset, barHeight, m_hWnd, nullptr, instance, nullptr);
        progress_.SendMessage(PBM_SETSTEP, 1);
        y += barHeight + kMargin;
    }
    if (flags_ & kCancelButton) {
        cancelButton_.m_hWnd =
            CreateWindowExA(0, "BUTTON", cancelText_.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                            (width - kCancelWidth) / 2, y, kCancelWidth, kCancelHeight, m_hWnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDCANCEL)), instance, nullptr);
        cancelButton_.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        y += kCancelHeight + kMargin;
    }
    int clientHeight = extras ? std::max(y, height) : height;

    RECT frame = {0, 0, width, clientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)));
    int frameWidth = frame.right - frame.left, frameHeight = frame.bottom - frame.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - frameWidth) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - frameHeight) / 2;
    SetWindowPos(m_hWnd, nullptr, x, top, frameWidth, frameHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CModelessDialog::Close() {
    closing_ = true;
    while (busy_) Sleep(pollInterval_);
    if (m_hWnd) DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    progress_.m_hWnd = nullptr;
    cancelButton_.m_hWnd = nullptr;
    shown_ = false;
}

void CModelessDialog::SetMessageText(const std::string& text) {
    {
        std::lock_guard<std::mutex> hold(textLock_);
        text_ = text;
    }
    HWND message = messageWnd_.m_hWnd;
    if (message) PostMessageA(message, CModelessMessageWnd::kRefreshMessage, 0, 0);
}

std::string CModelessDialog::GetMessageText() const {
    std::lock_guard<std::mutex> hold(textLock_);
    return text_;
}

void CModelessDialog::Refresh() {
    if (!m_hWnd || closing_) return;
    ::SetWindowTextA(messageWnd_.m_hWnd, GetMessageText().c_str());
    ShowWindow(m_hWnd, SW_SHOWNA);
    UpdateWindow(m_hWnd);
}

bool CModelessDialog::ShouldDispatch(const MSG& msg) {
    if (std::find(passThrough_.begin(), passThrough_.end(), msg.message) != passThrough_.end()) return true;
    switch (msg.message) {
    case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) cancelled_ = true;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return msg.hwnd && msg.hwnd == cancelButton_.m_hWnd;
    case WM_PAINT:
    case CModelessMessageWnd::kRefreshMessage:
        // A paint message left undispatched would come back at once, forever.
        return true;
    default:
        return false;
    }
}

bool CModelessDialog::PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Whoever runs the outer loop must still see it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (!ShouldDispatch(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

INT_PTR CALLBACK CModelessDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CModelessDialog*>(lParam);
        self->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        return FALSE; // the wait window takes no focus
    }
    auto* self = reinterpret_cast<CModelessDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) self->cancelled_ = true;
        return TRUE;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
        self->shown_ = false;
        return FALSE;
    default:
        return FALSE;
    }
}
