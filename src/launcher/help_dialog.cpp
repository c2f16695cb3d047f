#include "launcher/help_dialog.h"

#include "companions/companions.h"
#include "framework/strings.h"
#include "launcher/launch_request.h"

CHelpDialog::CHelpDialog(UINT templateId, HWND parent) : CDialog(templateId, parent) {}

void CHelpDialog::SetHelpContextId(long id) {
    SetHelpContextId(id == 0 ? std::string() : fw::Format("%ld", id));
}

void CHelpDialog::SetHelpContextId(const std::string& id) {
    m_sHelpContextId = id;
    UpdateHelpButton();
}

void CHelpDialog::UpdateHelpButton() {
    if (!m_hWnd || !::IsWindow(m_hWnd)) return;
    LONG_PTR exStyle = ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
    LONG_PTR wanted = GetHelpContextId().empty() ? (exStyle & ~static_cast<LONG_PTR>(WS_EX_CONTEXTHELP))
                                                 : (exStyle | WS_EX_CONTEXTHELP);
    if (wanted == exStyle) return;
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, wanted);
    ::SendMessageA(m_hWnd, WM_NCPAINT, 1, 0);
}

bool CHelpDialog::ShowHelp() {
    std::string id = GetHelpContextId();
    if (id.empty()) return false;
    LaunchRequest request(companions::kHelpProgramExe);
    request.extraArguments = fw::Format(companions::kHelpContextFormat, id.c_str());
    request.Launch(SW_SHOW);
    return true;
}

BOOL CHelpDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    UpdateHelpButton();
    return TRUE;
}

BOOL CHelpDialog::PreTranslateMessage(MSG* msg) {
    // F1 is consumed with or without a topic; WM_HELP is left to the
    // default handling.
    if ((msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) && msg->wParam == VK_F1) {
        ShowHelp();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

bool CHelpDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_NCLBUTTONDOWN:
        m_bHelpButtonPressed = wParam == HTHELP;
        // The platform's context-help mode (the "?" cursor) is never entered.
        if (wParam == HTHELP) {
            result = 0;
            return true;
        }
        break;
    case WM_NCLBUTTONUP: {
        // A release counts only after a press on the button; a press that
        // ended elsewhere is forgotten.
        bool pressed = m_bHelpButtonPressed != 0;
        m_bHelpButtonPressed = 0;
        if (pressed && wParam == HTHELP) {
            ShowHelp();
            result = 0;
            return true;
        }
        break;
    }
    default:
        break;
    }
    return CDialog::OnMessage(msg, wParam, lParam, result);
}
