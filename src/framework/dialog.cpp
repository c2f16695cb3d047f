#include "framework/dialog.h"

#include "framework/app.h"
#include "framework/strings.h"
#include "framework/subclass.h"

#include <vector>

std::string CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    if (length <= 0) return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    int copied = ::GetWindowTextA(m_hWnd, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

std::string CWnd::GetDlgItemText(int id) const { return CWnd(GetDlgItem(id)).GetWindowText(); }

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    CWnd control(::GetDlgItem(dx->m_hDlg, id));
    if (dx->m_bSaveAndValidate)
        value = control.GetWindowText();
    else
        control.SetWindowText(value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    CWnd control(::GetDlgItem(dx->m_hDlg, id));
    if (dx->m_bSaveAndValidate)
        value = fw::Atoi(control.GetWindowText());
    else
        control.SetWindowText(fw::Format("%d", value));
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND control = ::GetDlgItem(dx->m_hDlg, id);
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (!control.m_hWnd) control.m_hWnd = ::GetDlgItem(dx->m_hDlg, id);
}

namespace {

// Marks a dialog window as one of ours; its value is the CDialog.
const char kDialogProperty[] = "OrvoDialog";

// One WH_MSGFILTER hook per thread while any of our modal dialogs runs, so a
// nested dialog does not offer the same message twice.
thread_local HHOOK t_messageFilter = nullptr;
thread_local int t_modalDepth = 0;

LRESULT CALLBACK MessageFilterProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && PreTranslateDialogMessage(reinterpret_cast<MSG*>(lParam))) return 1;
    return ::CallNextHookEx(t_messageFilter, code, wParam, lParam);
}

class ModalMessageFilter {
public:
    ModalMessageFilter() {
        if (t_modalDepth++ == 0)
            t_messageFilter = ::SetWindowsHookExA(WH_MSGFILTER, &MessageFilterProc, nullptr, ::GetCurrentThreadId());
    }
    ~ModalMessageFilter() {
        if (--t_modalDepth == 0 && t_messageFilter) {
            ::UnhookWindowsHookEx(t_messageFilter);
            t_messageFilter = nullptr;
        }
    }
    ModalMessageFilter(const ModalMessageFilter&) = delete;
    ModalMessageFilter& operator=(const ModalMessageFilter&) = delete;
};

} // namespace

CDialog::CDialog(UINT templateId, HWND parent) : parent_(parent), templateId_(templateId) {}

HWND CDialog::ModalOwner() const {
    HWND owner = parent_;
    CWinApp* app = AfxGetApp();
    if (!owner && app && app->m_hMainWnd && ::IsWindow(app->m_hMainWnd)) owner = app->m_hMainWnd;
    return owner;
}

INT_PTR CDialog::DoModal() {
    ModalMessageFilter filter;
    return ::DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(templateId_), ModalOwner(),
                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::DoModalIndirect(const DLGTEMPLATE* dialogTemplate) {
    if (!dialogTemplate) return -1;
    ModalMessageFilter filter;
    return ::DialogBoxIndirectParamA(AfxGetInstanceHandle(), dialogTemplate, ModalOwner(), &CDialog::DialogProc,
                                     reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::PreTranslateMessage(MSG*) { return FALSE; }

CDialog* CDialog::FromHandle(HWND window) {
    for (HWND at = window; at; at = ::GetAncestor(at, GA_PARENT)) {
        if (auto* dialog = static_cast<CDialog*>(::GetPropA(at, kDialogProperty))) return dialog;
        if (!(::GetWindowLongA(at, GWL_STYLE) & WS_CHILD)) break;
    }
    return nullptr;
}

bool PreTranslateDialogMessage(MSG* msg) {
    if (!msg || !msg->hwnd) return false;
    CDialog* dialog = CDialog::FromHandle(msg->hwnd);
    return dialog && dialog->PreTranslateMessage(msg);
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(m_hWnd, saveAndValidate != FALSE);
    DoDataExchange(&dx);
    return TRUE;
}

namespace {

void CentreIn(HWND window, const RECT& area) {
    RECT self;
    ::GetWindowRect(window, &self);
    int width = self.right - self.left, height = self.bottom - self.top;
    int x = area.left + ((area.right - area.left) - width) / 2;
    int y = area.top + ((area.bottom - area.top) - height) / 2;
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void CentreInWorkArea(HWND window) {
    RECT area;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    CentreIn(window, area);
}

void CDialog::CenterWindow() {
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    RECT area;
    if (owner && ::IsWindowVisible(owner) && ::GetWindowRect(owner, &area))
        CentreIn(m_hWnd, area);
    else
        CentreInWorkArea(m_hWnd);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::OnCommand(WORD id, WORD, HWND) {
    if (id == IDOK) {
        OnOK();
        return TRUE;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = hwnd;
        ::SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        ::SetPropA(hwnd, kDialogProperty, self);
    } else {
        self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    INT_PTR handled = FALSE;
    try {
        handled = self->Dispatch(msg, wParam, lParam);
    } catch (...) {
        // An exception must not unwind through the system's dialog code; the
        // dialog ends instead, as if cancelled (an out-of-memory while reading
        // a mangled file, say).
        ::EndDialog(hwnd, IDCANCEL);
        handled = FALSE;
    }
    if (msg == WM_NCDESTROY) {
        ::RemovePropA(hwnd, kDialogProperty);
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    return handled;
}

INT_PTR CDialog::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    CWinApp* app = AfxGetApp();
    switch (msg) {
    case WM_INITDIALOG: {
        // The running modal dialog is the application's main window, unless
        // an outer dialog already is.
        if (app && (!app->m_hMainWnd || !::IsWindow(app->m_hMainWnd))) app->m_hMainWnd = m_hWnd;
        return OnInitDialog();
    }
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: {
        // A control wrapper answers its own notifications first.
        LRESULT answer = 0;
        if (ReflectNotifyToControl(lParam, answer)) {
            ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, answer);
            return TRUE;
        }
        break;
    }
    case WM_DESTROY:
        if (app && app->m_hMainWnd == m_hWnd) app->m_hMainWnd = nullptr;
        break;
    default:
        break;
    }
    LRESULT result = 0;
    if (OnMessage(msg, wParam, lParam, result)) {
        // Messages whose result is the dialog procedure's own return value.
        switch (msg) {
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_QUERYDRAGICON:
            return static_cast<INT_PTR>(result);
        default:
            ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
    }
    return FALSE;
}

bool PumpWaitingMessages(int* quitCode) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            if (quitCode) *quitCode = static_cast<int>(msg.wParam);
            return false;
        }
        if (PreTranslateDialogMessage(&msg)) continue;
        HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        char className[16] = {};
        if (root) ::GetClassNameA(root, className, sizeof(className));
        if (root && lstrcmpA(className, "#32770") == 0 && ::IsDialogMessageA(root, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return true;
}
