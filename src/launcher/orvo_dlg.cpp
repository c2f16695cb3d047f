#include "launcher/orvo_dlg.h"

#include "companions/companions.h"
#include "components/installed_record.h"
#include "components/os_version.h"
#include "framework/app.h"
#include "framework/prompter.h"
#include "framework/strings.h"
#include "launcher/arguments.h"
#include "launcher/download.h"
#include "launcher/import_file.h"
#include "launcher/install_folder.h"
#include "launcher/install_log.h"
#include "launcher/main_program_launch.h"
#include "launcher/orvo_app.h"
#include "launcher/parent_report.h"
#include "launcher/special_settings.h"
#include "launcher/system_info_export.h"
#include "launcher/update_in_progress.h"
#include "localinstall/file_tree.h"
#include "localinstall/local_install.h"
#include "localinstall/processes.h"
#include "printers/printer_manager.h"
#include "printers/printer_manager_host.h"
#include "ui/banner.h"
#include "ui/dlg_install_prompt.h"
#include "appstate/paths.h"
#include "appstate/settings.h"
#include "resource.h"

#include <commctrl.h>
#include <lmcons.h>

namespace {

const int kDone = IDOK;
const int kCancelled = IDCANCEL;
// Go on with the next step.
const int kContinue = 0;

const char kUnsupportedSystemMessage[] =
    "This computer must be upgraded to Windows XP SP3 or to a newer version of Windows in order to run Pellmore Orvo.";
const char kLogSeparator[] = "--------------------------------------------------";

// The window's status line and bar as a download shows its progress.
class WindowDownloadProgress : public DownloadProgress {
public:
    WindowDownloadProgress(COrvoDlg& window, HWND bar) : window_(window), bar_(bar) {}
    void SetStatus(const std::string& text) override { window_.SetStatus(text); }
    void ShowProgressText(const std::string& text) override {
        window_.SetDlgItemText(IDC_STATUS_TEXT, text);
        window_.PumpMessages();
    }
    void SetBarPosition(int percent) override { ::SendMessageA(bar_, PBM_SETPOS, percent, 0); }
    void ShowBar(bool visible) override { ShowWindow(bar_, visible ? SW_SHOW : SW_HIDE); }
    void SetMarquee(bool on) override { window_.SetMarquee(on); }
    bool Stopped() override { return window_.IsClosing(); }

private:
    COrvoDlg& window_;
    HWND bar_;
};

// The launcher window and its installation run as the printer manager uses them.
class LauncherPrinterHost : public PrinterManagerHost {
public:
    LauncherPrinterHost(COrvoDlg& window, ComponentRun& run) : window_(window), run_(run) {}
    InstallHost& Installation() override { return window_; }
    void InstallComponent(OrvoComponent& component) override { run_.InstallComponent(component); }

private:
    COrvoDlg& window_;
    ComponentRun& run_;
};

} // namespace

COrvoDlg::COrvoDlg(int excludeOptional, HWND parent)
    : CDialog(IDD_ORVO_DIALOG, parent), components_(excludeOptional), run_(components_, *this) {
    icon_ = static_cast<HICON>(LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 0, 0,
                                          LR_DEFAULTSIZE | LR_SHARED));
    components_.Fill();
}

void COrvoDlg::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_PROGRESS, progress_); }

BOOL COrvoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CenterWindow();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    int result = RunStartupSequence();
    // A closing window ends here whoever took the quit from the queue (a
    // setup program's wait may have), or the modal loop would wait for ever.
    if (m_hWnd) EndDialog(closing_ ? kCancelled : result);
    return FALSE;
}

int COrvoDlg::RunStartupSequence() {
    if (!IsWindowsXPSP3OrLater()) {
        AfxMessageBox(kUnsupportedSystemMessage, MB_ICONEXCLAMATION);
        return kCancelled;
    }
    CArguments& args = GetArguments();
    if (args.bNoLaunchIfRunning && CProcesses::IsProgramRunning(companions::kMainProgramExe)) return kCancelled;
    silent_ = args.bSilent;
    if (args.bInstallVPrinter) {
        LauncherPrinterHost printerHost(*this, run_);
        printers::RunPrinterManager(printerHost);
        return kCancelled;
    }
    if (silent_) return RunSilentInstallation();

    if (args.bRecheck) WriteInstalledComponents(0);
    if (!COrvoApp::IsCheckerMode() && !(args.bRecheck && args.bNoConfirmation)) {
        if (!EnsureInstallFolder()) return kCancelled;
        // Tested afresh: the main program's updater creates and removes it.
        if (GetFileAttributesA(GetMarkerPath(companions::kUpdateInProgressMarker).c_str()) != INVALID_FILE_ATTRIBUTES) {
            ShowUpdateInProgress(*this);
            return kCancelled;
        }
        PrepareImportFile(args);
        if (int result = CheckLocalCopy()) return result;
    }

    if (int result = CheckAndInstallComponents()) return result;

    if (args.hCtrlWnd && args.lCtrlMsg) {
        ReportInstalledBitsToParent(args.hCtrlWnd, args.lCtrlMsg, run_.installedBits, args.lCtrlKey);
        return kDone;
    }
    if (args.bRecheck)
        ExportSystemInfo();
    else if (!COrvoApp::IsCheckerMode())
        LaunchMainProgram(this);
    return kDone;
}

int COrvoDlg::RunSilentInstallation() {
    if (!GetArguments().bRestarted) WriteLogHeader();
    if (!run_.InstallComponents(false)) return kCancelled;
    LogLineF("End Time: %s", InstallLogTimestamp().c_str());
    LogLine(kLogSeparator);
    return kDone;
}

void COrvoDlg::WriteLogHeader() {
    LogLineF("Start Time: %s", InstallLogTimestamp().c_str());
    char computer[64] = "";
    DWORD size = sizeof(computer);
    if (GetComputerNameA(computer, &size)) LogLineF("Machine Name: %s", computer);
    char user[UNLEN + 1] = "";
    size = sizeof(user);
    if (GetUserNameA(user, &size)) LogLineF("User Name: %s", user);
}

int COrvoDlg::CheckLocalCopy() {
    CArguments& args = GetArguments();
    if (!IsLocalCopyInUse()) {
        // A launcher left in the local program folder hands over to the installation's.
        if (IsRunningFromLocalCopy()) {
            Relaunch(InstallFolderSetting(), std::string());
            return kCancelled;
        }
        return kContinue;
    }
    if (HandOverToRunningCopy()) return kCancelled;
    if (args.bSkipLocalCheck) return kContinue;

    OrvoComponent_LocalInstall local;
    if (local.IsInstalled()) return kContinue;

    if (IsAnotherLauncherRunning()) {
        // The other launcher was brought to the front; it does the update.
    } else if (IsRunningFromLocalCopy()) {
        RelaunchFromTempCopy(std::string());
    } else {
        ShowWindow(m_hWnd, SW_SHOWNORMAL);
        if (local.Install(*this) && !closing_) Relaunch(GetProgramFolder(), "/SkipLocalCheck");
    }
    return kCancelled;
}

int COrvoDlg::CheckAndInstallComponents() {
    CArguments& args = GetArguments();
    if (run_.CheckComponents() != kComponentsMissing) return kContinue;
    if (closing_) return kCancelled;
    if (args.bNoConfirmation) {
        ShowWindow(m_hWnd, SW_SHOWNORMAL);
        SetMarquee(true);
        if (!run_.InstallComponents(true)) return kCancelled;
        return closing_ ? kCancelled : kContinue;
    }
    CDlgInstallPrompt prompt(m_hWnd);
    prompt.m_pComponents = &components_;
    if (prompt.DoModal() != IDOK) return kCancelled;
    // What the installing copy reported (or the record, when skipped).
    run_.AddInstalledBits(prompt.m_installedBits);
    return kContinue;
}

bool COrvoDlg::DownloadFile(const std::string& displayName, const std::string& url, const std::string& target,
                            std::string& error) {
    WindowDownloadProgress progress(*this, progress_.GetSafeHwnd());
    return DownloadToFile(progress, displayName, url, target, error);
}

void COrvoDlg::SetStatus(const std::string& text) {
    SetDlgItemText(IDC_STATUS_TEXT, text);
    PumpMessages();
    Sleep(250);
}

void COrvoDlg::PumpMessages() {
    int quitCode = 0;
    if (PumpWaitingMessages(&quitCode)) return;
    // Whoever waits next (an installer, the modal loop) must see it too.
    closing_ = true;
    PostQuitMessage(quitCode);
}

bool COrvoDlg::IsSilent() {
    silent_ = GetArguments().bSilent;
    return silent_ != 0;
}

void COrvoDlg::LogLine(const std::string& text) {
    if (!IsSilent()) return;
    std::string path = InstallLogPath(GetArguments().GetFilename());
    if (!path.empty()) AppendInstallLogLine(path, text);
}

int COrvoDlg::InstallMessageBox(const std::string& text, UINT type, int silentResult) {
    if (silent_) {
        LogLineF("    Install Message: %s", text.c_str());
        return silentResult;
    }
    return OwnedMessageBox(m_hWnd, text, type);
}

void COrvoDlg::SetMarquee(bool on) {
    HWND bar = progress_.GetSafeHwnd();
    if (!bar) return;
    LONG_PTR style = GetWindowLongPtrA(bar, GWL_STYLE);
    if (on) {
        SetWindowLongPtrA(bar, GWL_STYLE, style | PBS_MARQUEE);
        ::SendMessageA(bar, PBM_SETMARQUEE, 1, 200);
    } else {
        ::SendMessageA(bar, PBM_SETMARQUEE, 0, 0);
        SetWindowLongPtrA(bar, GWL_STYLE, style & ~static_cast<LONG_PTR>(PBS_MARQUEE));
    }
}

void COrvoDlg::SetProgressRange(int low, int high) { ::SendMessageA(progress_.GetSafeHwnd(), PBM_SETRANGE32, low, high); }

void COrvoDlg::SetProgressStep(int step) { ::SendMessageA(progress_.GetSafeHwnd(), PBM_SETSTEP, step, 0); }

void COrvoDlg::SetProgressPos(int position) { ::SendMessageA(progress_.GetSafeHwnd(), PBM_SETPOS, position, 0); }

void COrvoDlg::StepProgress() { ::SendMessageA(progress_.GetSafeHwnd(), PBM_STEPIT, 0, 0); }

void COrvoDlg::PaintMinimizedIcon() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(m_hWnd, &ps);
}

bool COrvoDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_PAINT:
        if (!IsIconic(m_hWnd)) return false;
        PaintMinimizedIcon();
        result = 0;
        return true;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(icon_);
        return true;
    case WM_ERASEBKGND:
        result = EraseWithHeaderBanner(m_hWnd, reinterpret_cast<HDC>(wParam), "Orvo") ? TRUE : FALSE;
        return true;
    case WM_CLOSE:
        // A setup program run from this window stops waiting on WM_QUIT, and
        // the sequence installs and starts nothing more.
        closing_ = true;
        PostQuitMessage(0);
        EndDialog(IDCANCEL);
        result = 0;
        return true;
    default:
        return false;
    }
}
