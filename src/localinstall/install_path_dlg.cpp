#include "localinstall/install_path_dlg.h"

#include "localinstall/version_files.h"
#include "resource.h"

#include <shlobj.h>

InstallPathDlg::InstallPathDlg(HWND parent) : CDialog(IDD_INSTALL_PATH, parent) {}

void InstallPathDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_INSTALL_PATH_EDIT, m_path);
    DDX_Control(dx, IDC_INSTALL_PATH_ICON, iconPlace_);
}

BOOL InstallPathDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    icon_ = LoadIconA(nullptr, IDI_WARNING);
    UpdateOkButton();
    return TRUE;
}

void InstallPathDlg::UpdateOkButton() {
    std::string version;
    // Read again at every change: the folder may have become reachable.
    bool valid = !m_path.empty() && ReadProgramVersion(version, m_path) && !version.empty();
    EnableWindow(GetDlgItem(IDOK), valid ? TRUE : FALSE);
}

void InstallPathDlg::TakePathFromControl() { m_path = GetDlgItemText(IDC_INSTALL_PATH_EDIT); }

// Only when the text differs: setting the same text again would move the
// caret to the start under the user's typing and notify another change.
void InstallPathDlg::PutPathIntoControl() {
    if (GetDlgItemText(IDC_INSTALL_PATH_EDIT) != m_path) SetDlgItemText(IDC_INSTALL_PATH_EDIT, m_path);
}

void InstallPathDlg::OnBrowse() {
    TakePathFromControl();
    BrowseForFolder(m_hWnd, m_path);
    UpdateOkButton();
    PutPathIntoControl();
}

BOOL InstallPathDlg::OnCommand(WORD id, WORD code, HWND control) {
    if (id == IDC_INSTALL_PATH_EDIT && code == EN_CHANGE) {
        TakePathFromControl();
        UpdateOkButton();
        PutPathIntoControl();
        return TRUE;
    }
    if (id == IDC_INSTALL_PATH_BROWSE && code == BN_CLICKED) {
        OnBrowse();
        return TRUE;
    }
    return CDialog::OnCommand(id, code, control);
}

void InstallPathDlg::PaintIcon() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    if (icon_ && iconPlace_.m_hWnd) {
        RECT place;
        ::GetClientRect(iconPlace_.m_hWnd, &place);
        ::MapWindowPoints(iconPlace_.m_hWnd, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
        DrawIcon(dc, place.left, place.top, icon_);
    }
    EndPaint(m_hWnd, &paint);
}

bool InstallPathDlg::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg == WM_PAINT) {
        PaintIcon();
        result = 0;
        return true;
    }
    return false;
}

namespace {

int CALLBACK SelectInitialFolder(HWND browser, UINT msg, LPARAM, LPARAM data) {
    if (msg == BFFM_INITIALIZED) SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}

} // namespace

bool BrowseForFolder(HWND owner, std::string& folder) {
    char currentFolder[MAX_PATH + 1] = {};
    DWORD length = GetCurrentDirectoryA(sizeof(currentFolder), currentFolder);
    // The browser needs COM on this thread; balance only what is done here.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    char displayName[MAX_PATH + 1] = {};
    std::string initial = folder;
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = "Select the folder of the Pellmore installation source on your network.";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    info.lpfn = &SelectInitialFolder;
    info.lParam = reinterpret_cast<LPARAM>(initial.c_str());
    LPITEMIDLIST item = SHBrowseForFolderA(&info);

    if (length > 0 && length < sizeof(currentFolder)) SetCurrentDirectoryA(currentFolder);

    bool chosen = false;
    if (item) {
        char path[MAX_PATH + 1] = {};
        if (SHGetPathFromIDListA(item, path)) {
            if (path[0]) folder = path;
            chosen = true;
        }
        // Released whether or not it had a path, so no item leaks.
        IMalloc* allocator = nullptr;
        if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator) {
            allocator->Free(item);
            allocator->Release();
        }
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return chosen;
}
