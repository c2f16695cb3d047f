#include "ui/dlg_diagnostics.h"

#include "appstate/paths.h"
#include "companions/companions.h"
#include "components/installed_record.h"
#include "framework/prompter.h"
#include "framework/strings.h"
#include "launcher/arguments.h"
#include "launcher/orvo_app.h"
#include "launcher/orvo_dlg.h"
#include "launcher/utility_library.h"
#include "localinstall/file_tree.h"
#include "localinstall/version_files.h"
#include "resource.h"
#include "ui/diagnostics_rules.h"
#include "ui/dlg_install_prompt.h"
#include "ui/modeless_dialog.h"
#include "utils/elevation.h"

namespace {

const char kRefreshing[] = "Refreshing List of Components...Please Wait!";
const char kNoSystemInfo[] =
    "System Info is not currently available. It requires components that have not yet been installed.";

void ExchangeFlag(CDataExchange* dx, int id, int& flag) {
    int checked = flag ? 1 : 0;
    DDX_Check(dx, id, checked);
    if (dx->m_bSaveAndValidate) flag = checked;
}

} // namespace

CDlgDiagnostics::CDlgDiagnostics(HWND parent) : CDialog(IDD_DIAGNOSTICS, parent), components_(0) { components_.Fill(); }

void CDlgDiagnostics::DoDataExchange(CDataExchange* dx) {
    if (!componentList_.GetSafeHwnd()) componentList_.SubclassWindow(GetDlgItem(IDC_DIAG_COMPONENTS));
    if (!parameterList_.GetSafeHwnd()) parameterList_.SubclassWindow(GetDlgItem(IDC_DIAG_PARAMETERS));
    CArguments& args = GetArguments();
    ExchangeFlag(dx, IDC_DIAG_SAFE_MODE, args.bSafeMode);
    int debugMode = args.bDebugMode;
    ExchangeFlag(dx, IDC_DIAG_DEBUG_MODE, debugMode);
    if (dx->m_bSaveAndValidate) ApplyDebugModeChoice(args, debugMode != 0);
    ExchangeFlag(dx, IDC_DIAG_CLEAR_LOG, args.bDebugResetLog);
    ExchangeFlag(dx, IDC_DIAG_VERBOSE, args.bDebugVerbose);
    int quiet = args.bDebugNoisy ? 0 : 1;
    ExchangeFlag(dx, IDC_DIAG_SILENT, quiet);
    if (dx->m_bSaveAndValidate) args.bDebugNoisy = quiet ? 0 : 1;
    ExchangeFlag(dx, IDC_DIAG_REINSTALL, reinstallLocalFiles_);
    for (int id : {IDC_DIAG_CLEAR_LOG, IDC_DIAG_VERBOSE, IDC_DIAG_SILENT}) EnableWindow(GetDlgItem(id), args.bDebugMode);
}

BOOL CDlgDiagnostics::OnInitDialog() {
    CDialog::OnInitDialog();
    std::string version;
    ReadProgramVersion(version);
    SetWindowText(fw::Format("Pellmore Orvo v.%s Diagnostics", version.c_str()));
    SetDlgItemText(IDC_DIAG_CURRENT_FOLDER, GetCurrentFolder());
    SetDlgItemText(IDC_DIAG_DEBUG_LOG, GetDebugLogPath());

    const char* columns[] = {"Component", "Previous", "Installed", "Installed Version", "Min Required Version"};
    for (int i = 0; i < 5; ++i) componentList_.InsertColumn(i, columns[i], 100);
    RefreshComponents();
    parameterList_.InsertColumn(0, "#", 80);
    parameterList_.InsertColumn(1, "Parameters", 200);
    FillParameters();
    return TRUE;
}

void CDlgDiagnostics::FillParameters() {
    int row = 0;
    for (const ParameterRow& entry : ParameterRows(GetArguments())) {
        parameterList_.InsertItem(row, entry.first);
        parameterList_.SetItemText(row, 1, entry.second);
        ++row;
    }
    parameterList_.AutoSizeColumns();
}

void CDlgDiagnostics::RefreshComponents() {
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    CModelessDialog wait(m_hWnd);
    wait.Show(kRefreshing);

    ::SendMessageA(componentList_.GetSafeHwnd(), LVM_DELETEALLITEMS, 0, 0);
    observedBits_ = 0;
    unsigned recorded = ReadInstalledComponents();
    bool missingNeedsAdministrator = false;
    int row = 0;
    for (const auto& component : components_) {
        bool installed = component->IsInstalled();
        componentList_.InsertItem(row, component->displayName);
        componentList_.SetItemText(row, 1, (recorded & component->componentBit) ? "Yes" : "No");
        componentList_.SetItemText(row, 2, installed ? "Yes" : "No");
        componentList_.SetItemText(row, 3, component->installedVersion);
        componentList_.SetItemText(row, 4, component->requiredVersion);
        if (installed)
            observedBits_ |= component->componentBit;
        else if (component->requiresAdministrator)
            missingNeedsAdministrator = true;
        ++row;
        wait.PumpMessages();
    }
    componentList_.AutoSizeColumns();

    ElevationQueries& rights = GetElevationQueries();
    bool uac = rights.UserAccountControlInForce();
    DWORD error = 0;
    bool administrator = !uac && rights.UserAdministrator(&error) && error == 0;
    DiagnosticsInstallButton button = DecideDiagnosticsInstallButton(missingNeedsAdministrator, uac, administrator,
                                                                     uac && rights.ProcessElevated());
    HWND install = GetDlgItem(IDC_DIAG_INSTALL);
    EnableWindow(install, button.enabled);
    ::SendMessageA(install, BCM_SETSHIELD, 0, button.shield);

    wait.Close();
    SetCursor(previous);
}

void CDlgDiagnostics::InstallComponents() {
    CDlgInstallPrompt prompt(m_hWnd);
    prompt.m_pComponents = &components_;
    prompt.m_installedBits = observedBits_;
    prompt.m_bStartAtOnce = true;
    if (prompt.DoModal() != IDOK) return;
    // Merged into what the record holds now, under its lock: another
    // launcher may have reset it while the prompt was open.
    AddInstalledComponents(prompt.m_installedBits);
    PumpWaitingMessages();
    RefreshComponents();
}

void CDlgDiagnostics::ShowSystemInfo() {
    CUtilityLibrary library;
    auto show = library.GetFunction<companions::ExpDlgSystemInfoFn>(companions::kExpDlgSystemInfo);
    if (show)
        show(m_hWnd);
    else
        AfxMessageBox(kNoSystemInfo, MB_ICONINFORMATION);
}

void CDlgDiagnostics::Launch() {
    UpdateData(TRUE);
    if (reinstallLocalFiles_) {
        std::string versionFile = GetProgramFolder();
        AppendPath(versionFile, "version.dat");
        DeleteFileA(versionFile.c_str());
    }
    if (COrvoApp* app = GetOrvoApp()) app->m_bCtrlKey = GetArguments().bSafeMode;
    COrvoDlg launcher(0, m_hWnd);
    launcher.DoModal();
    EndDialog(kLaunched);
}

BOOL CDlgDiagnostics::OnCommand(WORD id, WORD code, HWND control) {
    switch (id) {
    case IDC_DIAG_INSTALL:
        InstallComponents();
        return TRUE;
    case IDC_DIAG_REFRESH:
        RefreshComponents();
        return TRUE;
    case IDC_DIAG_SYSTEM_INFO:
        ShowSystemInfo();
        return TRUE;
    case IDC_DIAG_DEBUG_MODE:
        // The three options below follow the box at once.
        UpdateData(TRUE);
        return TRUE;
    case IDC_DIAG_LAUNCH:
        Launch();
        return TRUE;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}
