#include "launcher/orvo_app.h"

#include "framework/prompter.h"
#include "launcher/arguments.h"
#include "launcher/orvo_dlg.h"
#include "launcher/run_mode.h"
#include "launcher/unattended_questions.h"
#include "launcher/usage_counter.h"
#include "ui/dlg_compatibility_checker.h"
#include "ui/dlg_diagnostics.h"
#include "utils/temp_files.h"

#include <ole2.h>

#include <commctrl.h>

COrvoApp::COrvoApp() : CWinApp(fw::kApplicationTitle) {}

COrvoApp* GetOrvoApp() { return dynamic_cast<COrvoApp*>(AfxGetApp()); }

void COrvoApp::RegisterCommonControls() {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof(controls);
    controls.dwICC = 0xFF;
    InitCommonControlsEx(&controls);
}

void COrvoApp::EnterLauncherFolder() {
    char module[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path = module;
    char full[MAX_PATH + 1] = {};
    DWORD length = GetFullPathNameA(module, sizeof(full), full, nullptr);
    if (length > 0 && length < sizeof(full)) path = full;
    size_t slash = path.find_last_of('\\');
    launcherFolder_ = slash == std::string::npos ? std::string() : path.substr(0, slash);
    // Relative names used later (markers, the utility library) resolve here.
    SetCurrentDirectoryA(launcherFolder_.c_str());
}

bool COrvoApp::IsCheckerMode() {
    char module[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    return ::IsCheckerMode(module, GetArguments());
}

void COrvoApp::RunLauncherWindow(int excludeOptional) {
    COrvoDlg dialog(excludeOptional);
    dialog.DoModal();
}

BOOL COrvoApp::InitInstance() {
    EnsureTempFolder();
    RegisterCommonControls();
    // The error report hosts the platform's web browser control.
    OleInitialize(nullptr);
    SetRegistryKey("Pellmore");
    EnterLauncherFolder();
    CArguments& args = GetArguments();
    bool checker = IsCheckerMode();
    if (!checker) m_bCtrlKey = (GetKeyState(VK_CONTROL) & 0x8000) ? 1 : 0;
    RunMode mode = ChooseRunMode(checker, m_bCtrlKey != 0, args);
    // An unattended installation run must end: from here on (the usage
    // count may already ask whether this computer has an office) its
    // questions go to the log. The printer manager has a user to ask.
    UnattendedQuestions unattended(mode == RunMode::Launcher && args.bSilent && !args.bInstallVPrinter);
    if (args.bNoLocalInstall) CountUsage("NoLocal", "Launched");

    switch (mode) {
    case RunMode::Checker: {
        CDlgCompatibilityChecker checker;
        checker.DoModal();
        break;
    }
    case RunMode::Diagnostics: {
        CDlgDiagnostics diagnostics;
        diagnostics.DoModal();
        break;
    }
    case RunMode::Launcher:
        RunLauncherWindow(0);
        break;
    }
    return FALSE;
}
