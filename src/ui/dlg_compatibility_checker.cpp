#include "ui/dlg_compatibility_checker.h"

#include "components/os_version.h"
#include "framework/app.h"
#include "launcher/arguments.h"
#include "launcher/orvo_dlg.h"
#include "resource.h"
#include "ui/banner.h"
#include "ui/checker_status.h"
#include "utils/elevation.h"

namespace {

const char kTitle[] = "Pellmore Orvo Compatibility Checker";

// The launcher window with the checker's own kind of list: installs what is
// missing and reports on it; with "/Install /NoConfirm" it starts nothing.
void RunInstallation() {
    CArguments& args = GetArguments();
    args.bRecheck = 1;
    args.bNoConfirmation = 1;
    COrvoDlg launcher(1);
    launcher.DoModal();
}

HICON LoadRowIcon(int id) {
    return static_cast<HICON>(LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32, 0));
}

} // namespace

CDlgCompatibilityChecker::CDlgCompatibilityChecker(HWND parent) : CDialog(IDD_COMPAT_CHECKER, parent) {
    icon_ = static_cast<HICON>(LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 0, 0,
                                          LR_DEFAULTSIZE | LR_SHARED));
    background_ = CreateSolidBrush(kBackground);
    components_.Fill();
}

CDlgCompatibilityChecker::~CDlgCompatibilityChecker() {
    if (images_) ImageList_Destroy(images_);
    if (font_) DeleteObject(font_);
    if (background_) DeleteObject(background_);
}

void CDlgCompatibilityChecker::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_CHECKER_LIST, list_);
    DDX_Control(dx, IDC_CHECKER_STATUS, status_);
    DDX_Control(dx, IDC_CHECKER_HEADING, heading_);
    DDX_Control(dx, IDOK, installButton_);
}

void CDlgCompatibilityChecker::SetUpListLook() {
    HDC screen = GetDC(nullptr);
    LOGFONTA look = {};
    // 14 points, as a point font of 140 tenths.
    look.lfHeight = -MulDiv(140, GetDeviceCaps(screen, LOGPIXELSY), 720);
    ReleaseDC(nullptr, screen);
    lstrcpynA(look.lfFaceName, "Tahoma", LF_FACESIZE);
    font_ = CreateFontIndirectA(&look);
    for (CWnd* control : {&status_, &heading_, &list_})
        ::SendMessageA(control->GetSafeHwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);

    HWND list = list_.GetSafeHwnd();
    ListView_SetBkColor(list, kBackground);
    ListView_SetTextBkColor(list, kBackground);
    ListView_SetTextColor(list, kText);
    // With a mask the icons' transparent corners show the list's colour.
    images_ = ImageList_Create(32, 32, ILC_COLOR24 | ILC_MASK, 0, 1);
    ListView_SetImageList(list, images_, LVSIL_SMALL);
    HICON installed = LoadRowIcon(IDI_COMPONENT_INSTALLED), missing = LoadRowIcon(IDI_COMPONENT_MISSING);
    installedImage_ = ImageList_AddIcon(images_, installed);
    missingImage_ = ImageList_AddIcon(images_, missing);
    DestroyIcon(installed);
    DestroyIcon(missing);
}

BOOL CDlgCompatibilityChecker::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    SetUpListLook();

    if (GetArguments().bSilent) {
        RunInstallation();
        EndDialog(IDOK);
        return TRUE;
    }
    FillList(false);
    OSVERSIONINFOEXA system;
    QueryOSVersion(system);
    if (CheckerNeedsShield(system.dwMajorVersion, GetElevationQueries().ProcessElevated()))
        ::SendMessageA(installButton_.GetSafeHwnd(), BCM_SETSHIELD, 0, TRUE);
    return TRUE;
}

void CDlgCompatibilityChecker::FillList(bool afterAttempt) {
    HWND list = list_.GetSafeHwnd();
    ListView_DeleteAllItems(list);
    int rows = 0, installed = 0;
    for (const auto& component : components_) {
        bool present = component->IsInstalled();
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = rows;
        item.pszText = const_cast<char*>(component->displayName.c_str());
        item.iImage = present ? installedImage_ : missingImage_;
        ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        ++rows;
        if (present) ++installed;
    }
    EnableWindow(installButton_.GetSafeHwnd(), FALSE);
    DWORD error = 0;
    bool administrator = installed < rows && GetElevationQueries().UserAdministrator(&error);
    CheckerStatus status = ChooseCheckerStatus(rows, installed, afterAttempt, administrator, error == 0);
    EnableWindow(installButton_.GetSafeHwnd(), status.installEnabled);
    status_.SetWindowText(status.text);
}

void CDlgCompatibilityChecker::InstallMissing() {
    EnableWindow(installButton_.GetSafeHwnd(), FALSE);
    RunInstallation();
    FillList(true);
}

BOOL CDlgCompatibilityChecker::OnCommand(WORD id, WORD code, HWND control) {
    if (id == IDOK) {
        // Installs; the dialog stays open to show the outcome.
        InstallMissing();
        return TRUE;
    }
    return CDialog::OnCommand(id, code, control);
}

bool CDlgCompatibilityChecker::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, kBackground);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kText);
        result = reinterpret_cast<LRESULT>(background_);
        return true;
    }
    case WM_ERASEBKGND:
        result = EraseWithHeaderBanner(m_hWnd, reinterpret_cast<HDC>(wParam), kTitle, background_) ? TRUE : FALSE;
        return true;
    default:
        return false;
    }
}
