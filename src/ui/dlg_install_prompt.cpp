#include "ui/dlg_install_prompt.h"

#include "components/installed_record.h"
#include "framework/prompter.h"
#include "launcher/arguments.h"
#include "launcher/launch_request.h"
#include "resource.h"
#include "ui/banner.h"
#include "ui/dlg_diagnostics.h"
#include "utils/elevation.h"
#include "utils/random_key.h"

#include <commctrl.h>

namespace {

const char kInstallingText[] = "Installing Components. Please wait...";
const char kLogInText[] =
    "Pellmore Orvo needs to install some components before launching. Please log into the computer as an "
    "administrator.";

InstallPromptRights AskRights() {
    ElevationQueries& queries = GetElevationQueries();
    InstallPromptRights rights;
    rights.userAccountControl = queries.UserAccountControlInForce();
    if (rights.userAccountControl) {
        rights.processElevated = queries.ProcessElevated();
    } else {
        // A failed membership test counts as "not an administrator".
        DWORD error = 0;
        rights.userAdministrator = queries.UserAdministrator(&error) && error == 0;
    }
    return rights;
}

} // namespace

CDlgInstallPrompt::CDlgInstallPrompt(HWND parent)
    : CDialog(IDD_INSTALL_PROMPT, parent), m_installedBits(ReadInstalledComponents()) {}

BOOL CDlgInstallPrompt::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_pComponents) return FALSE;
    decision_ = DecideInstallPrompt(*m_pComponents, m_installedBits, AskRights(), m_bStartAtOnce);
    HWND install = GetDlgItem(IDOK);
    if (decision_.shieldOnInstall) ::SendMessageA(install, BCM_SETSHIELD, 0, TRUE);
    if (!decision_.installEnabled) EnableWindow(install, FALSE);
    if (decision_.askToLogIn) SetDlgItemText(IDC_PROMPT_MESSAGE, kLogInText);
    EnableWindow(GetDlgItem(IDC_PROMPT_SKIP), decision_.skipEnabled);
    if (decision_.startAtOnce) {
        CenterWindow();
        ShowWindow(m_hWnd, SW_SHOW);
        OnInstall();
    }
    return TRUE;
}

BOOL CDlgInstallPrompt::OnCommand(WORD id, WORD code, HWND control) {
    switch (id) {
    case IDOK:
        OnInstall();
        return TRUE;
    case IDC_PROMPT_SKIP:
        OnSkip();
        return TRUE;
    case IDC_PROMPT_DETAILS:
        OnDetails();
        return TRUE;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}

void CDlgInstallPrompt::OnInstall() {
    EnableWindow(GetDlgItem(IDOK), FALSE);
    SetDlgItemText(IDC_PROMPT_MESSAGE, kInstallingText);
    DWORD key = MakeRandomKey();
    std::string arguments = InstallingCopyArguments(GetArguments().BuildArgumentString(), m_hWnd, kReplyMessage, key);
    char executable[MAX_PATH + 1] = "";
    DWORD length = GetModuleFileNameA(nullptr, executable, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;

    LaunchRequest request(executable);
    request.configuration.clear();
    request.user.clear();
    request.extraArguments = arguments;
    request.runAsAdministrator = decision_.runAsAdministrator;
    reply_.Started(key);
    request.Launch(SW_SHOWNORMAL);
}

void CDlgInstallPrompt::OnDetails() {
    CDlgDiagnostics diagnostics(m_hWnd);
    EndDialog(static_cast<int>(diagnostics.DoModal()));
}

void CDlgInstallPrompt::OnSkip() {
    // Without a component list there is nothing to name as skipped.
    if (m_pComponents && !(GetKeyState(VK_CONTROL) & 0x8000))
        AfxMessageBox(SkipInstallationWarning(*m_pComponents, m_installedBits), MB_ICONEXCLAMATION | MB_OK);
    EndDialog(IDOK);
}

bool CDlgInstallPrompt::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case kReplyMessage:
        // Anyone on the desktop can send this number; only our copy knows the key.
        if (reply_.Accept(lParam)) {
            m_installedBits = static_cast<unsigned>(wParam);
            EndDialog(IDOK);
        }
        result = 0;
        return true;
    case WM_ERASEBKGND:
        result = EraseWithHeaderBanner(m_hWnd, reinterpret_cast<HDC>(wParam), "Orvo") ? TRUE : FALSE;
        return true;
    default:
        return false;
    }
}
