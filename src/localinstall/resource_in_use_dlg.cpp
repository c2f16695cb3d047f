#include "localinstall/resource_in_use_dlg.h"

#include "framework/strings.h"
#include "resource.h"

#include <system_error>

namespace {

const char kPromptFormat[] =
    "A new version of Pellmore Orvo is available. To complete the update, please close the following %s(s).";
// Below this a manager refreshes only when asked.
const int kShortestRefreshInterval = 10;

} // namespace

ResourceInUseDlg::ResourceInUseDlg(std::shared_ptr<IInUseResourceManager> manager, HWND parent)
    : CDialog(IDD_RESOURCE_IN_USE, parent), manager_(std::move(manager)) {}

ResourceInUseDlg::~ResourceInUseDlg() {
    stopping_ = true;
    if (worker_.joinable()) worker_.join();
}

bool ResourceInUseDlg::EnterList() {
    // A critical section lets its owner in again; the flag keeps a nested
    // call on the same thread out too.
    if (lockEntered_ || !lock_.TryEnter()) return false;
    lockEntered_ = true;
    return true;
}

void ResourceInUseDlg::LeaveList() {
    lockEntered_ = false;
    lock_.Leave();
}

int ResourceInUseDlg::Refresh() {
    if (!manager_ || stopping_ || !EnterList()) return 0;
    int count = manager_->GetInUse(current_);
    LeaveList();
    return count;
}

BOOL ResourceInUseDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    window_ = m_hWnd;
    CenterWindow();
    std::string typeName;
    if (manager_) manager_->GetTypeName(typeName);
    prompt_ = fw::Format(kPromptFormat, typeName.c_str());
    bool canForceClose = manager_ && manager_->CanForceClose();
    HWND forceClose = GetDlgItem(IDC_FORCE_CLOSE);
    ShowWindow(forceClose, canForceClose ? SW_SHOW : SW_HIDE);
    // Hidden, it is still the default button: Enter must not reach it.
    EnableWindow(forceClose, canForceClose ? TRUE : FALSE);
    UpdateList();
    if (m_hWnd && !stopping_ && timer_ == 0 && manager_ && manager_->GetRefreshInterval() >= kShortestRefreshInterval)
        timer_ = SetTimer(m_hWnd, kRefreshTimer, static_cast<UINT>(manager_->GetRefreshInterval()), nullptr);
    return TRUE;
}

void ResourceInUseDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_IN_USE_LIST, list_);
    DDX_Text(dx, IDC_IN_USE_PROMPT, prompt_);
}

void ResourceInUseDlg::OnRefreshTimer() {
    if (refreshing_ || stopping_) return;
    // The previous worker has cleared the flag as its last step.
    if (worker_.joinable()) worker_.join();
    // Set here, not by the worker: a Stop or a second tick right after this
    // must already see a refresh running.
    refreshing_ = true;
    try {
        worker_ = std::thread(&ResourceInUseDlg::RunWorkerRefresh, this);
    } catch (const std::system_error&) {
        refreshing_ = false; // the next tick tries again
    }
}

void ResourceInUseDlg::RunWorkerRefresh() {
    Refresh();
    PostMessageA(window_, kRefreshedMessage, 0, 0);
    // Last touch of the dialog: after this it may be destroyed.
    refreshing_ = false;
}

void ResourceInUseDlg::UpdateList() {
    if (stopping_ || !EnterList()) return;
    bool nothingInUse = current_.empty();
    if (!nothingInUse) {
        std::string joined;
        for (const std::string& entry : current_) joined += entry;
        if (!fw::EqualsNoCase(joined, lastShown_)) {
            lastShown_ = joined;
            list_.SendMessage(LB_RESETCONTENT);
            for (const std::string& entry : current_)
                list_.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        }
    }
    LeaveList();
    UpdateData(FALSE);
    if (nothingInUse) OnOK();
}

void ResourceInUseDlg::Stop() {
    if (timer_ != 0) {
        KillTimer(m_hWnd, timer_);
        timer_ = 0;
    }
    stopping_ = true;
    EnableWindow(GetDlgItem(IDCANCEL), FALSE);
    // Joining waits exactly as long as the running refresh needs; the worker
    // never waits for this thread.
    if (worker_.joinable()) worker_.join();
}

void ResourceInUseDlg::OnOK() {
    Stop();
    EndDialog(IDOK);
}

void ResourceInUseDlg::OnCancel() {
    Stop();
    EndDialog(IDCANCEL);
}

BOOL ResourceInUseDlg::OnCommand(WORD id, WORD code, HWND control) {
    if (id == IDC_FORCE_CLOSE) {
        // The list follows at the next refresh; the dialog closes by itself
        // once nothing is left.
        if (manager_ && manager_->CanForceClose()) manager_->ForceClose();
        return TRUE;
    }
    return CDialog::OnCommand(id, code, control);
}

bool ResourceInUseDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg == WM_TIMER && wParam == kRefreshTimer) {
        OnRefreshTimer();
        result = 0;
        return true;
    }
    if (msg == kRefreshedMessage) {
        UpdateList();
        result = 0;
        return true;
    }
    return false;
}
