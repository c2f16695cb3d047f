#include "ui/task_dialog_button.h"

#include "framework/window_class.h"
#include "resource.h"
#include "ui/icons.h"
#include "ui/pl_mem_dc.h"
#include "ui/task_dialog_rules.h"
#include "utils/theme_api.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kTextTop = 7;
constexpr int kNoteGap = 3;
constexpr int kRightMargin = 14;
constexpr int kBottomMargin = 7;
constexpr int kIconLeft = 3;
constexpr int kFocusInset = 4;
constexpr int kStatusLeft = 100;
constexpr int kStatusAboveBottom = 22;
constexpr int kStatusPoints = 18;

constexpr COLORREF kMainTextThemed = 0x00993300;
constexpr COLORREF kMainTextClassic = 0x00701919;
constexpr COLORREF kHyperlinkNote = 0x00CC6600;

// Push-button part and states of the visual style's "BUTTON" class.
constexpr int kPushButtonPart = 1;
constexpr int kStateNormal = 1, kStateHot = 2, kStatePressed = 3, kStateFocused = 5;

bool HighContrast() {
    HIGHCONTRASTA contrast = {};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

SIZE IconSize(HICON icon) {
    SIZE size = {0, 0};
    ICONINFO info = {};
    if (!icon || !GetIconInfo(icon, &info)) return size;
    BITMAP bitmap = {};
    if (info.hbmColor && GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap)) {
        size = {bitmap.bmWidth, bitmap.bmHeight};
    } else if (info.hbmMask && GetObjectA(info.hbmMask, sizeof(bitmap), &bitmap)) {
        size = {bitmap.bmWidth, bitmap.bmHeight / 2}; // monochrome: mask over image
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}

HFONT DerivedFont(HFONT base, int points, int weight, bool underline, HDC dc) {
    LOGFONTA font = {};
    GetObjectA(base ? base : GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    if (points > 0) font.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    if (weight > 0) font.lfWeight = weight;
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfQuality = CLEARTYPE_QUALITY;
    return CreateFontIndirectA(&font);
}

} // namespace

CTaskDialogButton::CTaskDialogButton(const std::string& mainText, const std::string& note, int id)
    : m_sMainText(mainText), m_sNote(note), m_dwStyle(kCommandLink | kFaceWhenHot), m_nID(id) {
    ownIcon_.Reset(LoadOrvoIcon(MAKEINTRESOURCEA(IDI_COMMAND_LINK_ARROW), 0));
    m_hIcon = ownIcon_.Get();
}

CTaskDialogButton::CTaskDialogButton(const std::string& text, int id) : CTaskDialogButton(text, text, id) {}

CTaskDialogButton::CTaskDialogButton() : m_sMainText("Test") {}

CTaskDialogButton::~CTaskDialogButton() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

bool CTaskDialogButton::Create(HWND parent, const RECT& rect, DWORD windowStyle, int visualMode,
                               const ThemeApi* theme) {
    static const bool registered = fw::RegisterWindowClass(kClassName, &CTaskDialogButton::WindowProc);
    if (!registered) return false;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    m_nVisualMode = visualMode;
    theme_ = theme;
    m_bHot = m_bPressed = tracking_ = false;
    HWND created = CreateWindowExA(0, kClassName, m_sNote.c_str(), windowStyle | WS_CHILD, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(m_nID)), instance, this);
    return created != nullptr;
}

void CTaskDialogButton::SetIcon(HICON icon) {
    ownIcon_.Reset();
    m_hIcon = icon;
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CTaskDialogButton::SetMainText(const std::string& text) {
    m_sMainText = text;
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CTaskDialogButton::SetNote(const std::string& note) {
    if (m_hWnd)
        SetWindowText(note); // WM_SETTEXT keeps the member
    else
        m_sNote = note;
}

bool CTaskDialogButton::IsThemed() const {
    return m_nVisualMode == 2 && theme_ && theme_->theme && theme_->drawThemeBackground;
}

void CTaskDialogButton::ResetFonts() {
    mainFont_.Reset();
    underlinedFont_.Reset();
    statusFont_.Reset();
}

HFONT CTaskDialogButton::MainFont(HDC dc) {
    if (!mainFont_)
        mainFont_.Reset(DerivedFont(font_, ui::CommandLinkMainTextPoints(m_dwStyle, m_nVisualMode), 0, false, dc));
    return mainFont_.Get();
}

HFONT CTaskDialogButton::NoteFont() {
    bool underline = (m_dwStyle & kHyperlink) && (!(m_dwStyle & kFaceWhenHot) || m_bHot);
    if (!underline) return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (!underlinedFont_) underlinedFont_.Reset(DerivedFont(font_, 0, 0, true, nullptr));
    return underlinedFont_.Get();
}

HFONT CTaskDialogButton::StatusFont(HDC dc) {
    if (!statusFont_) statusFont_.Reset(DerivedFont(font_, kStatusPoints, FW_LIGHT, false, dc));
    return statusFont_.Get();
}

void CTaskDialogButton::LayoutTexts(HDC dc, int width, RECT& main, RECT& note) const {
    auto* self = const_cast<CTaskDialogButton*>(this);
    SIZE icon = IconSize(m_hIcon);
    int left = ui::CommandLinkTextLeft(icon.cx);
    UINT mainFormat = DT_CALCRECT | DT_WORDBREAK | (IsInteractive() ? 0 : DT_NOPREFIX);
    main = {left, kTextTop, left + width, kTextTop};
    if (!m_sMainText.empty()) {
        ui::SelectedObject font(dc, self->MainFont(dc));
        DrawTextA(dc, m_sMainText.c_str(), -1, &main, mainFormat);
    }
    std::string shown = m_sNote, status;
    if (m_dwStyle & kStatusNote) ui::SplitStatusNote(m_sNote, shown, status);
    int noteTop = m_sMainText.empty() ? kTextTop : static_cast<int>(main.bottom) + kNoteGap;
    note = {left, noteTop, left + width, noteTop};
    if (!shown.empty()) {
        ui::SelectedObject font(dc, self->NoteFont());
        DrawTextA(dc, shown.c_str(), -1, &note, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
}

int CTaskDialogButton::TextWidthFor(int buttonWidth) const {
    return std::max(1, buttonWidth - ui::CommandLinkTextLeft(IconSize(m_hIcon).cx) - kRightMargin);
}

SIZE CTaskDialogButton::Measure(int maxTextWidth) {
    HDC dc = GetDC(m_hWnd);
    if (!dc) return SIZE{m_nMeasuredWidth, m_nMeasuredHeight};
    RECT main, note;
    LayoutTexts(dc, maxTextWidth, main, note);
    ReleaseDC(m_hWnd, dc);
    SIZE icon = IconSize(m_hIcon);
    int textWidth = std::max(main.right - main.left, note.right - note.left);
    m_nMeasuredWidth = static_cast<int>(main.left) + textWidth + kRightMargin;
    int textBottom = std::max(main.bottom, note.bottom);
    int iconBottom = icon.cy > 0 ? ui::CommandLinkIconTop(icon.cy) + icon.cy : 0;
    m_nMeasuredHeight = std::max(textBottom, iconBottom) + kBottomMargin;
    return SIZE{m_nMeasuredWidth, m_nMeasuredHeight};
}

void CTaskDialogButton::DrawFace(HDC dc, const RECT& client, bool focused) {
    bool themed = IsThemed();
    // The resting face takes the dialog's own background, so an unlit link
    // does not stand out as a block on the themed (window-coloured) page.
    FillRect(dc, &client, GetSysColorBrush(themed ? COLOR_WINDOW : COLOR_BTNFACE));
    bool face = (m_dwStyle & kCommandLink) && (!(m_dwStyle & kFaceWhenHot) || m_bHot || focused);
    if (!face) return;
    bool pushed = m_bPressed && m_bHot;
    if (themed) {
        int state = pushed ? kStatePressed : m_bHot ? kStateHot : focused ? kStateFocused : kStateNormal;
        theme_->drawThemeBackground(theme_->theme, dc, kPushButtonPart, state, &client, nullptr);
        return;
    }
    RECT frame = client;
    UINT flags = DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | (m_bHot ? DFCS_HOT : 0);
    DrawFrameControl(dc, &frame, DFC_BUTTON, flags);
    if (focused) {
        RECT focus = client;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        DrawFocusRect(dc, &focus);
    }
}

void CTaskDialogButton::DrawTexts(HDC dc, const RECT& client) {
    SIZE icon = IconSize(m_hIcon);
    if (m_hIcon)
        DrawIconEx(dc, kIconLeft, ui::CommandLinkIconTop(icon.cy), m_hIcon, icon.cx, icon.cy, 0, nullptr, DI_NORMAL);
    RECT main, note;
    LayoutTexts(dc, TextWidthFor(client.right - client.left), main, note);

    bool contrast = HighContrast();
    int previousMode = SetBkMode(dc, TRANSPARENT);
    if (!m_sMainText.empty()) {
        ui::SelectedObject font(dc, MainFont(dc));
        SetTextColor(dc, contrast ? GetSysColor(COLOR_BTNTEXT)
                                  : m_nVisualMode == 2 ? kMainTextThemed : kMainTextClassic);
        DrawTextA(dc, m_sMainText.c_str(), -1, &main, DT_WORDBREAK | (IsInteractive() ? 0 : DT_NOPREFIX));
    }
    std::string shown = m_sNote, status;
    bool hasStatus = (m_dwStyle & kStatusNote) && ui::SplitStatusNote(m_sNote, shown, status);
    if (!shown.empty()) {
        ui::SelectedObject font(dc, NoteFont());
        bool hyperlink = (m_dwStyle & kHyperlink) != 0;
        SetTextColor(dc, hyperlink && !contrast ? kHyperlinkNote : GetSysColor(COLOR_BTNTEXT));
        DrawTextA(dc, shown.c_str(), -1, &note, DT_WORDBREAK | DT_NOPREFIX);
    }
    if (hasStatus && !status.empty()) {
        ui::SelectedObject font(dc, StatusFont(dc));
        SetTextColor(dc, contrast ? GetSysColor(COLOR_BTNTEXT) : ui::StatusColour(status));
        RECT area = {kStatusLeft, client.top, client.right - kRightMargin, client.bottom - kStatusAboveBottom};
        DrawTextA(dc, status.c_str(), -1, &area, DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX);
    }
    SetBkMode(dc, previousMode);
}

void CTaskDialogButton::Paint() {
    PAINTSTRUCT ps;
    HDC target = BeginPaint(m_hWnd, &ps);
    RECT client;
    GetClientRect(m_hWnd, &client);
    {
        CPLMemDC dc(target, &client);
        DrawFace(dc, client, GetFocus() == m_hWnd);
        DrawTexts(dc, client);
    }
    EndPaint(m_hWnd, &ps);
}

void CTaskDialogButton::OnMouseMove(POINT point) {
    if (!IsInteractive()) return;
    RECT client;
    GetClientRect(m_hWnd, &client);
    bool inside = PtInRect(&client, point) != FALSE;
    if (!tracking_ && inside) {
        TRACKMOUSEEVENT track = {};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = m_hWnd;
        tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    if (inside != m_bHot) {
        m_bHot = inside;
        ResetFonts(); // the hyperlink's underline may follow hot
        InvalidateRect(m_hWnd, nullptr, FALSE);
    }
}

void CTaskDialogButton::OnButtonUp(POINT point) {
    if (!m_bPressed) return;
    m_bPressed = false;
    ReleaseCapture();
    InvalidateRect(m_hWnd, nullptr, FALSE);
    RECT client;
    GetClientRect(m_hWnd, &client);
    if (PtInRect(&client, point))
        ::SendMessageA(GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(m_nID, BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CALLBACK CTaskDialogButton::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<CTaskDialogButton*>(create->lpCreateParams);
        self->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CTaskDialogButton*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        self->tracking_ = false;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    return self->Handle(msg, wParam, lParam);
}

LRESULT CTaskDialogButton::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (msg) {
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        ResetFonts();
        if (LOWORD(lParam)) InvalidateRect(m_hWnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcA(m_hWnd, msg, wParam, lParam);
        m_sNote = lParam ? reinterpret_cast<const char*>(lParam) : "";
        InvalidateRect(m_hWnd, nullptr, FALSE);
        return result;
    }
    case BCM_GETIDEALSIZE: {
        auto* size = reinterpret_cast<SIZE*>(lParam);
        if (!size) return FALSE;
        Measure();
        *size = ui::CommandLinkIdealSize(m_nMeasuredWidth, m_nMeasuredHeight);
        return TRUE;
    }
    case WM_ERASEBKGND:
        return 1; // the face is painted whole, off screen
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        InvalidateRect(m_hWnd, nullptr, FALSE);
        break;
    case WM_MOUSEMOVE:
        OnMouseMove(point);
        return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        if (m_bHot && !m_bPressed) {
            m_bHot = false;
            ResetFonts();
            InvalidateRect(m_hWnd, nullptr, FALSE);
        }
        return 0;
    case WM_LBUTTONDOWN:
        if (!IsInteractive()) break;
        SetCapture(m_hWnd);
        m_bPressed = true;
        m_bHot = true;
        if (GetFocus() != m_hWnd) SetFocus(m_hWnd);
        InvalidateRect(m_hWnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(point);
        return 0;
    case WM_CAPTURECHANGED:
        if (m_bPressed) {
            m_bPressed = false;
            InvalidateRect(m_hWnd, nullptr, FALSE);
        }
        return 0;
    case WM_SETCURSOR:
        if ((m_dwStyle & kHyperlink) && LOWORD(lParam) == HTCLIENT) {
            if (!m_hHandCursor) m_hHandCursor = LoadCursor(nullptr, IDC_HAND);
            SetCursor(m_hHandCursor);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(m_hWnd, msg, wParam, lParam);
}
