#include "ui/task_dialog.h"

#include "framework/dialog_template.h"
#include "framework/prompter.h"
#include "framework/strings.h"
#include "ui/gdi_handles.h"
#include "ui/task_dialog_rules.h"

#include <cctype>
#include <utility>

namespace {

constexpr DWORD kTemplateStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | DS_ABSALIGN |
                                 DS_NOIDLEMSG | DS_SETFOREGROUND;
constexpr short kTemplateWidth = 200;  // dialog units
constexpr short kTemplateHeight = 75;  // dialog units
constexpr int kHeaderPanelId = 0xFFFF; // not a command
constexpr int kBandWidening = 10;      // the themed band's edges lie outside the client area
constexpr int kEtchInset = 7;
constexpr int kHeaderRightMargin = 14;
constexpr int kPushButtonPart = 1, kPushButtonNormal = 1;

struct CommonButton {
    DWORD flag;
    UINT id;
    const char* text;
};
// In the order they are added.
const CommonButton kCommonButtons[] = {
    {CTaskDialog::kRetryButton, IDRETRY, "&Retry"}, {CTaskDialog::kYesButton, IDYES, "&Yes"},
    {CTaskDialog::kNoButton, IDNO, "&No"},          {CTaskDialog::kOkButton, IDOK, "OK"},
    {CTaskDialog::kCancelButton, IDCANCEL, "Cancel"},
};

int ComputeVisualMode(ThemeApi& theme) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExA(&version)) return 1;
    bool active = false;
    if (version.dwMajorVersion > 5) {
        theme.Load();
        active = theme.isThemeActive && theme.isThemeActive();
    }
    return ui::TaskDialogVisualMode(version.dwMajorVersion, active);
}

} // namespace

CTaskDialog::CTaskDialog(const std::string& windowTitle, const std::string& mainInstruction,
                         const std::string& content)
    : CHelpDialog(0), m_sWindowTitle(windowTitle), m_sMainInstruction(mainInstruction), m_sContent(content) {
    m_nVisualMode = ComputeVisualMode(m_theme);
    // The header panel is a plain panel: no face, no clicks.
    m_headerPanel.m_dwStyle = 0;
    m_headerPanel.m_nID = kHeaderPanelId;
}

CTaskDialog::~CTaskDialog() {
    for (CTaskDialogButton* link : m_links)
        if (link->m_hWnd) DestroyWindow(link->m_hWnd);
}

void CTaskDialog::AddButton(UINT id, const std::string& text, const std::string& windowClass, DWORD style,
                            int group) {
    tagCTASKDIALOG_BUTTON button;
    button.id = id;
    button.text = text;
    button.windowClass = windowClass;
    button.style = style;
    button.group = group;
    m_buttons.push_back(std::move(button));
    m_nAddedButtons = m_buttons.size();
}

void CTaskDialog::AddCommandLink(CTaskDialogButton* link) {
    if (!link) return;
    if (link->m_dwStyle & CTaskDialogButton::kOwnedByDialog) m_ownedLinks.emplace_back(link);
    m_links.push_back(link);
}

CTaskDialogButton& CTaskDialog::AddCommandLink(std::unique_ptr<CTaskDialogButton> link) {
    link->m_dwStyle |= CTaskDialogButton::kOwnedByDialog;
    CTaskDialogButton& added = *link;
    AddCommandLink(link.release());
    return added;
}

CTaskDialogButton& CTaskDialog::AddCommandLink(const std::string& mainText, const std::string& note, int id) {
    return AddCommandLink(std::make_unique<CTaskDialogButton>(mainText, note, id));
}

CTaskDialogButton& CTaskDialog::AddCommandLink(const std::string& text, int id) {
    return AddCommandLink(std::make_unique<CTaskDialogButton>(text, id));
}

int CTaskDialog::GetCheck(UINT id) const {
    auto found = m_checkStates.find(id);
    return found == m_checkStates.end() ? 0 : found->second;
}

INT_PTR CTaskDialog::DoModal() {
    std::vector<DWORD> words = fw::BuildDialogTemplate(kTemplateStyle, m_dwExStyle, kTemplateWidth, kTemplateHeight);
    return DoModalIndirect(fw::AsDialogTemplate(words));
}

bool CTaskDialog::IsThemed() const {
    return m_nVisualMode == 2 && m_theme.theme && m_theme.drawThemeBackground;
}

// ---------------------------------------------------------------- initialisation

BOOL CTaskDialog::OnInitDialog() {
    CHelpDialog::OnInitDialog();
    SetWindowText(m_sWindowTitle.empty() ? std::string(fw::kApplicationTitle) : m_sWindowTitle);
    if (m_nVisualMode == 2 && m_theme.openThemeData && !m_theme.theme)
        m_theme.theme = m_theme.openThemeData(m_hWnd, L"BUTTON");
    AddCommonButtons();
    CreateHeader();
    CreateCommandLinks();
    PlaceEverything();
    if (m_nTimerId != 0 && m_nTimerInterval != 0) ::SetTimer(m_hWnd, m_nTimerId, m_nTimerInterval, nullptr);
    UpdateHelpButton();
    return FALSE; // the focus is set
}

void CTaskDialog::AddCommonButtons() {
    // A second run starts again from the buttons the caller added.
    m_buttons.resize(m_nAddedButtons);
    DWORD flags = m_dwCommonButtons;
    if (flags == 0 && m_buttons.empty()) flags = kOkButton;
    for (const CommonButton& common : kCommonButtons) {
        if (!(flags & common.flag)) continue;
        tagCTASKDIALOG_BUTTON button;
        button.id = common.id;
        button.text = common.text;
        m_buttons.push_back(std::move(button));
    }
}

int CTaskDialog::MeasureText(HDC dc, const std::string& text) const {
    RECT rect = {0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), -1, &rect, DT_CALCRECT | DT_SINGLELINE);
    return rect.right - rect.left;
}

void CTaskDialog::CreateHeader() {
    m_bHasHeader = !m_sMainInstruction.empty() || !m_sContent.empty() || m_hMainIcon;
    if (!m_bHasHeader) return;
    m_headerPanel.m_sMainText = m_sMainInstruction;
    m_headerPanel.m_sNote = m_sContent;
    m_headerPanel.SetIcon(m_hMainIcon);
    RECT rect = {10, 10, 20, 20};
    if (!m_headerPanel.Create(m_hWnd, rect, WS_VISIBLE, m_nVisualMode, &m_theme)) {
        m_bHasHeader = false;
        return;
    }
    m_headerPanel.SendMessage(WM_SETFONT, static_cast<WPARAM>(SendMessage(WM_GETFONT)), FALSE);
}

void CTaskDialog::CreateCommandLinks() {
    WPARAM font = static_cast<WPARAM>(SendMessage(WM_GETFONT));
    bool first = true;
    for (CTaskDialogButton* link : m_links) {
        RECT rect = {0, 0, ui::kCommandLinkMinWidth, ui::kCommandLinkMinHeight};
        DWORD style = WS_VISIBLE | WS_TABSTOP | (first ? WS_GROUP : 0);
        if (link->Create(m_hWnd, rect, style, m_nVisualMode, &m_theme))
            link->SendMessage(WM_SETFONT, font, FALSE);
        first = false;
    }
}

void CTaskDialog::PlaceEverything() {
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    ui::TaskDialogLayoutInput input;
    {
        HDC dc = GetDC(m_hWnd);
        ui::SelectedObject selected(dc, font);
        for (const auto& button : m_buttons) {
            bool checkBox = ui::IsCheckBoxButton(button.windowClass, button.style);
            input.pushButtons.push_back({ui::PushButtonWidth(MeasureText(dc, button.text), checkBox),
                                         button.group == kLeftGroup});
        }
        ReleaseDC(m_hWnd, dc);
    }
    input.hasHeader = m_bHasHeader;
    if (m_bHasHeader) input.header = m_headerPanel.Measure();
    for (CTaskDialogButton* link : m_links) {
        SIZE ideal = {ui::kCommandLinkMinWidth, ui::kCommandLinkMinHeight};
        if (link->m_hWnd) link->SendMessage(BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
        input.links.push_back(ideal);
    }
    ui::TaskDialogLayout layout = ui::ComputeTaskDialogLayout(input);
    if (m_bHasHeader) {
        // Measured for a narrower column than the dialog came to have: the
        // texts take the full width (fewer lines) without widening it.
        int width = layout.clientWidth - kHeaderRightMargin - layout.header.left;
        if (width > input.header.cx) {
            SIZE wide = m_headerPanel.Measure(m_headerPanel.TextWidthFor(width));
            input.header = {width, wide.cy};
            layout = ui::ComputeTaskDialogLayout(input);
        }
    }

    auto move = [](HWND window, const RECT& r) {
        if (window) MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    };
    if (m_bHasHeader) move(m_headerPanel.m_hWnd, layout.header);
    for (size_t i = 0; i < m_links.size(); ++i) move(m_links[i]->m_hWnd, layout.links[i]);

    // Created left to right, so the tab order follows the links and then
    // the band as the user reads them.
    std::vector<size_t> order;
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i].group == kLeftGroup) order.push_back(i);
    for (size_t i = m_buttons.size(); i-- > 0;)
        if (m_buttons[i].group != kLeftGroup) order.push_back(i);
    bool firstButton = true;
    for (size_t i : order) {
        tagCTASKDIALOG_BUTTON& button = m_buttons[i];
        const RECT& r = layout.pushButtons[i];
        const char* cls = button.windowClass.empty() ? "BUTTON" : button.windowClass.c_str();
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (firstButton ? WS_GROUP : 0) | button.style;
        button.hWnd = CreateWindowExA(0, cls, button.text.c_str(), style, r.left, r.top, r.right - r.left,
                                      r.bottom - r.top, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)),
                                      GetModuleHandleA(nullptr), nullptr);
        if (button.hWnd) ::SendMessageA(button.hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (ui::IsCheckBoxButton(button.windowClass, button.style))
            ::SendMessageA(button.hWnd, BM_SETCHECK, GetCheck(button.id) ? BST_CHECKED : BST_UNCHECKED, 0);
        firstButton = false;
    }

    m_nClientWidth = layout.clientWidth;
    m_nButtonBandTop = layout.band.top;
    m_rcButtonBand = layout.band;
    RECT frame = {0, 0, layout.clientWidth, layout.clientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)));
    SetWindowPos(m_hWnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow();

    HWND focus = nullptr;
    if (layout.focusButton >= 0) focus = m_buttons[static_cast<size_t>(layout.focusButton)].hWnd;
    if (!focus && !m_links.empty()) focus = m_links.front()->m_hWnd;
    if (!focus && !m_buttons.empty()) focus = m_buttons[order.front()].hWnd;
    if (focus) SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
}

// ---------------------------------------------------------------- commands

tagCTASKDIALOG_BUTTON* CTaskDialog::FindButton(UINT id) {
    for (auto& button : m_buttons)
        if (button.id == id && button.hWnd) return &button;
    return nullptr;
}

CTaskDialogButton* CTaskDialog::FindCommandLink(UINT id) {
    for (CTaskDialogButton* link : m_links)
        if (static_cast<UINT>(link->m_nID) == id && link->m_hWnd) return link;
    return nullptr;
}

bool CTaskDialog::AskCallback(int notification, UINT id) {
    return m_pCallback && m_pCallback(notification, id, this, m_lCallbackData) != 0;
}

bool CTaskDialog::SendCommandOf(HWND control) {
    if (!control || control == m_hWnd || !IsChild(m_hWnd, control)) return false;
    int id = GetDlgCtrlID(control);
    if (id == kHeaderPanelId) return false;
    SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    return true;
}

BOOL CTaskDialog::OnCommand(WORD id, WORD, HWND) {
    if (tagCTASKDIALOG_BUTTON* button = FindButton(id)) {
        if (!ui::IsPlatformButtonClass(button->windowClass)) {
            if (!AskCallback(kNotifyClicked, id)) EndDialog(id);
        } else if (ui::IsCheckBoxButton(button->windowClass, button->style)) {
            int checked = GetCheck(id) ? 0 : 1;
            m_checkStates[id] = checked;
            ::SendMessageA(button->hWnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
            AskCallback(kNotifyCheckToggled, id);
        } else {
            EndDialog(id);
        }
        return TRUE;
    }
    if (FindCommandLink(id)) {
        if (!AskCallback(kNotifyClicked, id)) EndDialog(id);
        return TRUE;
    }
    // The framework's OK (Enter without a default button) chooses what has
    // the focus. Everything else, Escape's cancel included, is swallowed
    // unless a push button carries its id.
    if (id == IDOK) SendCommandOf(GetFocus());
    return TRUE;
}

bool CTaskDialog::ChooseByMnemonic(char letter) {
    if (letter == 0) return false;
    letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (CTaskDialogButton* link : m_links) {
        if (link->m_hWnd && ui::MnemonicOf(link->m_sMainText) == letter) return SendCommandOf(link->m_hWnd);
    }
    return false;
}

BOOL CTaskDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) {
        if (msg->wParam == VK_F1) {
            ShowHelp();
            return TRUE;
        }
    }
    if (msg->message == WM_KEYDOWN) {
        bool modified = (GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_MENU) & 0x8000);
        if (msg->wParam == VK_SPACE && !modified) {
            if (SendCommandOf(GetFocus())) return TRUE;
        } else if (msg->wParam == VK_RETURN) {
            if (SendCommandOf(GetFocus())) return TRUE;
        } else if (msg->wParam < 0x80 && std::isalnum(static_cast<int>(msg->wParam))) {
            if (ChooseByMnemonic(static_cast<char>(msg->wParam))) return TRUE;
        }
    }
    return CHelpDialog::PreTranslateMessage(msg);
}

// ---------------------------------------------------------------- messages

void CTaskDialog::PaintBackground(HDC dc) {
    RECT client;
    GetClientRect(m_hWnd, &client);
    if (IsThemed()) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
        RECT band = m_rcButtonBand;
        band.left -= kBandWidening;
        band.right += kBandWidening;
        band.bottom += kBandWidening;
        m_theme.drawThemeBackground(m_theme.theme, dc, kPushButtonPart, kPushButtonNormal, &band, &client);
        return;
    }
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RECT line = {kEtchInset, m_rcButtonBand.top, client.right - kEtchInset, m_rcButtonBand.top + 2};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

bool CTaskDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_ERASEBKGND:
        PaintBackground(reinterpret_cast<HDC>(wParam));
        result = TRUE;
        return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // Check boxes and buttons on the band: their text stands on it.
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(IsThemed() ? COLOR_WINDOW : COLOR_BTNFACE));
        return true;
    case WM_CLOSE:
        EndDialog(IDCLOSE);
        result = 0;
        return true;
    case WM_TIMER:
        if (wParam == m_nTimerId && m_nTimerId != 0) {
            AskCallback(kNotifyTimer, m_nTimerId);
            result = 0;
            return true;
        }
        break;
    case WM_SYSCOMMAND:
        // Alt with a letter no push button claims.
        if ((wParam & 0xFFF0) == SC_KEYMENU && lParam != 0 && ChooseByMnemonic(static_cast<char>(lParam))) {
            result = 0;
            return true;
        }
        break;
    case WM_DESTROY:
        if (m_nTimerId != 0) KillTimer(m_hWnd, m_nTimerId);
        for (auto& button : m_buttons) button.hWnd = nullptr;
        if (m_theme.theme && m_theme.closeThemeData) m_theme.closeThemeData(m_theme.theme);
        m_theme.theme = nullptr;
        break;
    default:
        break;
    }
    return CHelpDialog::OnMessage(msg, wParam, lParam, result);
}
