#include "launcher/install_folder.h"

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "appstate/settings.h"
#include "companions/companions.h"
#include "framework/strings.h"
#include "launcher/arguments.h"
#include "launcher/launch_request.h"
#include "launcher/orvo_app.h"
#include "localinstall/file_tree.h"
#include "localinstall/install_path_dlg.h"
#include "localinstall/processes.h"
#include "localinstall/version_files.h"
#include "utils/file_version_info.h"

#include <windows.h>

namespace {

bool AskWithDialog(std::string& path) {
    InstallPathDlg dialog;
    dialog.m_path = path;
    if (dialog.DoModal() != IDOK) return false;
    path = dialog.m_path;
    return true;
}

InstallPathQuestion g_askInstallPath = &AskWithDialog;

// "sDir_InstallPath" as the local copy recorded it, without the rules that
// setting 7006 applies.
std::string RecordedInstallFolder() {
    std::string file = GetProgramFolder();
    AppendPath(file, "install.ini");
    std::string folder;
    CacheGetProfileString("Settings", "sDir_InstallPath", "", folder, file.c_str());
    return folder;
}

std::string JoinPath(std::string folder, const std::string& name) {
    AppendPath(folder, name);
    return folder;
}

} // namespace

std::string LauncherFolder() {
    if (COrvoApp* app = GetOrvoApp()) return app->GetLauncherFolder();
    return GetModuleFolder();
}

std::string InstallFolderSetting() {
    std::string folder;
    GetSettingString(kSettingInstallPath, folder);
    return folder;
}

bool IsRunningUnderMainProgramName() {
    char module[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    return fw::EqualsNoCase(FileNamePart(module), companions::kMainProgramName);
}

InstallPathQuestion SetInstallPathQuestion(InstallPathQuestion question) {
    InstallPathQuestion previous = g_askInstallPath;
    g_askInstallPath = question ? question : &AskWithDialog;
    return previous;
}

bool IsLocalCopyInUse() { return !GetArguments().bNoLocalInstall && IsLocalInstallEnabled(); }

bool IsRunningFromLocalCopy() { return fw::EqualsNoCase(LauncherFolder(), GetProgramFolder()); }

bool HasProgramVersion(const std::string& folder) {
    if (folder.empty()) return false;
    std::string version;
    return ReadProgramVersion(version, folder) && !version.empty();
}

std::string DetermineInstallFolder() {
    bool handedOver = false;
    return DetermineInstallFolder(handedOver);
}

std::string DetermineInstallFolder(bool& handedOver) {
    std::string result = InstallFolderSetting();
    bool localInUse = IsLocalCopyInUse();
    handedOver = localInUse && HandOverToRunningCopy();
    bool useLocal = localInUse && !handedOver;

    std::string moduleFolder = GetModuleFolder();
    std::string programFolder = GetProgramFolder();
    if (fw::EqualsNoCase(moduleFolder, programFolder) || fw::EqualsNoCase(moduleFolder, GetTempFolder()))
        return RecordedInstallFolder();

    if (useLocal) {
        result = RecordedInstallFolder();
        if (!HasProgramVersion(result) && HasProgramVersion(moduleFolder)) {
            result = moduleFolder;
            SetSettingString(kSettingInstallPath, moduleFolder);
        }
    }
    return result;
}

bool EnsureInstallFolder() {
    for (;;) {
        bool handedOver = false;
        std::string folder = DetermineInstallFolder(handedOver);
        // One hand-over per start: the copy it started has this start's
        // arguments (the import file by its name), so nothing more happens here.
        if (handedOver) return false;
        if (HasProgramVersion(folder)) return true;
        if (!g_askInstallPath(folder)) return false;
        SetSettingString(kSettingInstallPath, fw::TrimRight(folder, "\\"));
    }
}

bool IsLauncherBuild(const std::string& executablePath) {
    if (executablePath.empty()) return false;
    CFileVersionInfo info;
    if (!info.Create(executablePath.c_str())) return false;
    std::string buildName;
    info.QueryValue(companions::kBuildNameKey, buildName, MAX_PATH);
    return !buildName.empty() && fw::EqualsNoCase(buildName, companions::kBuildNameValue);
}

bool ActivateRunningLauncher(const std::string& fileName, const std::string& folder) {
    CProcesses::StringList names{fileName};
    CProcesses::ProcessList processes;
    if (folder.empty())
        CProcesses::ListProcesses(processes, &names);
    else
        CProcesses::ListProcessesInFolder(folder, processes, &names);

    DWORD self = GetCurrentProcessId();
    for (const CProcesses::process& entry : processes) {
        if (entry.id == self || !IsLauncherBuild(entry.path)) continue;
        CProcesses::WindowList windows;
        CProcesses::EnumProcessWindows(windows, entry.id);
        for (HWND window : windows) {
            if (IsWindowVisible(window)) {
                SetForegroundWindow(window);
                break;
            }
        }
        return true;
    }
    return false;
}

bool IsAnotherLauncherRunning() { return ActivateRunningLauncher(companions::kLauncherName, std::string()); }

bool HandOverToRunningCopy() {
    if (!IsRunningFromLocalCopy()) return ActivateRunningLauncher(companions::kMainProgramName, GetProgramFolder());
    if (IsRunningUnderMainProgramName()) {
        RelaunchFromTempCopy(std::string());
        return true;
    }
    return false;
}

void Relaunch(const std::string& folder, const std::string& extra) {
    CArguments& args = GetArguments();
    std::string arguments = args.BuildArgumentString();
    if (!args.bRestarted) arguments += " /Restarted";
    arguments = fw::Trim(arguments);
    std::string workingFolder = folder.empty() ? LauncherFolder() : folder;
    if (!extra.empty()) arguments = fw::Trim(arguments + fw::Format(" %s", extra.c_str()));

    LaunchRequest request(companions::kLauncherExe);
    request.workingFolder = workingFolder;
    request.configuration.clear();
    request.user.clear();
    request.extraArguments = arguments;
    request.Launch(SW_SHOWNORMAL);
}

void RelaunchFromTempCopy(const std::string& extra) {
    std::string installFolder = InstallFolderSetting();
    std::string tempFolder = GetTempFolder();
    if (!fw::EqualsNoCase(GetModuleFolder(), tempFolder)) {
        std::string target = JoinPath(tempFolder, companions::kLauncherExe);
        std::string source = JoinPath(installFolder, companions::kLauncherExe);
        DeleteFileA(target.c_str());
        if (CopyFileA(source.c_str(), target.c_str(), FALSE)) {
            // The copy runs from the temporary folder and finds the
            // installation through what the local copy recorded.
            SetSettingString(kSettingInstallPath, installFolder);
            Relaunch(tempFolder, extra);
            return;
        }
    }
    Relaunch(installFolder, extra);
}

std::string GetMainProgramFolder() {
    std::string result = InstallFolderSetting();
    if (IsLocalCopyInUse()) {
        std::string programFolder = GetProgramFolder();
        std::string candidate = JoinPath(programFolder, companions::kMainProgramExe);
        if (FileExists(candidate) && !IsLauncherBuild(candidate)) result = programFolder;
    }
    return result;
}
