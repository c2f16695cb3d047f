#include "launcher/component_run.h"

#include "components/install_host.h"
#include "components/installed_record.h"
#include "framework/handles.h"
#include "framework/prompter.h"
#include "framework/strings.h"
#include "launcher/arguments.h"
#include "launcher/main_program_launch.h"
#include "launcher/orvo_app.h"
#include "launcher/system_restart.h"
#include "localinstall/file_tree.h"
#include "localinstall/version_files.h"
#include "utils/elevation.h"

#include <shlobj.h>

const char* const kLaunchFailedQuestion =
    "Pellmore Orvo did not launch properly last time.\n\nWould you like to re-check installation of Pellmore Orvo "
    "required components?";
const char* const kRecheckQuestion = "Re-check installation of Pellmore Orvo required components?";
const char* const kRestartQuestion =
    "Your computer must be restarted to complete the install. Would you like to restart now?";
const char* const kRestartFailedMessage =
    "Your computer could not be restarted. You must restart your computer manually.";

namespace {

const char kInstallMutexName[] = "OrvoInstallComponents";
const char kNoReplaceUserGuideMarker[] = "Pellmore.NoReplaceUserGuide.inc";

ErrorReport g_errorReport = &ShowErrorReportDialog;

std::string CurrentProgramVersion() {
    std::string version;
    ReadProgramVersion(version);
    return version;
}

bool CtrlFlag() {
    COrvoApp* app = GetOrvoApp();
    return app && app->m_bCtrlKey;
}

// One installation run at a time per logon: held while the run lasts and
// released on every way out. An abandoned mutex (a launcher died while
// installing) is acquired all the same.
class InstallRunLock {
public:
    InstallRunLock() : mutex_(CreateMutexA(nullptr, FALSE, kInstallMutexName)) {
        if (!mutex_) return;
        DWORD wait = WaitForSingleObject(mutex_.Get(), 0);
        owned_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
    ~InstallRunLock() {
        if (owned_) ReleaseMutex(mutex_.Get());
    }
    InstallRunLock(const InstallRunLock&) = delete;
    InstallRunLock& operator=(const InstallRunLock&) = delete;
    bool Owned() const { return owned_; }

private:
    fw::Handle mutex_;
    bool owned_ = false;
};

bool MarkerInCurrentFolder(const char* name) { return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES; }

} // namespace

ErrorReport SetErrorReport(ErrorReport report) {
    ErrorReport previous = g_errorReport;
    g_errorReport = report ? report : &ShowErrorReportDialog;
    return previous;
}

void ComponentRun::AddInstalledBits(unsigned bits) {
    installedBits |= bits;
    AddInstalledComponents(bits);
}

int ComponentRun::CheckComponents() {
    CArguments& args = GetArguments();
    if (args.bRecheck && args.bNoConfirmation) return kComponentsMissing;
    if (GetLaunchBit() != 0) return RecheckComponents(true, kLaunchFailedQuestion);
    if (CtrlFlag() || args.bSafeMode) return RecheckComponents(true, kRecheckQuestion);
    if (CurrentProgramVersion() != ReadComponentsVersion()) return RecheckComponents(true, nullptr);

    installedBits = ReadInstalledComponents();
    if (installedBits != components_.GetAllBits()) return RecheckComponents(false, nullptr);
    for (const auto& component : components_)
        if (component->verifyEachStart && !component->IsInstalled()) return kComponentsMissing;
    return kComponentsInstalled;
}

int ComponentRun::RecheckComponents(bool reset, const char* question) {
    if (question && AfxMessageBox(question, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return kComponentsMissing;
    if (reset) {
        WriteInstalledComponents(0);
        installedBits = 0;
    } else {
        installedBits = ReadInstalledComponents();
    }
    WriteComponentsVersion(CurrentProgramVersion());

    int result = kComponentsInstalled;
    for (const auto& component : components_) {
        if (installedBits & component->componentBit) continue;
        if (component->IsInstalled())
            AddInstalledBits(component->componentBit);
        else
            result = kComponentsMissing;
    }
    return result;
}

void ComponentRun::InstallComponent(OrvoComponent& component) {
    bool silent = host_.IsSilent();
    component.message.clear();
    // A silent run must not stop at an elevation request nobody answers.
    ElevationQueries& rights = GetElevationQueries();
    if (silent && rights.UserAccountControlInForce() && !rights.ProcessElevated()) {
        component.AddMessage(fw::Format("Unable to install %s. Access is denied.", component.displayName.c_str()));
        return;
    }
    host_.SetStatusF("Installing %s... (This may take a few minutes.)", component.displayName.c_str());
    if (!component.Install(host_)) return;
    AddInstalledBits(component.componentBit);
    if (component.restartRequired) restartNeeded = true;
}

bool ComponentRun::InstallComponents(bool showErrors) {
    InstallRunLock lock;
    if (!lock.Owned()) return false;
    if (!MarkerInCurrentFolder(kNoReplaceUserGuideMarker)) RemoveUserGuideShortcuts();

    for (const auto& component : components_) {
        // After the user closed the window nothing more is installed.
        if (host_.IsClosing()) return true;
        if (installedBits & component->componentBit) continue;
        if (component->IsInstalled()) {
            AddInstalledBits(component->componentBit);
            continue;
        }
        InstallComponent(*component);
        if (!component->message.empty())
            host_.LogLineF("    Failed: %s: %s", component->displayName.c_str(), component->message.c_str());
        else
            host_.LogLineF("    Succeeded: %s", component->displayName.c_str());
    }
    if (host_.IsClosing()) return true;

    if (showErrors && installedBits != components_.GetAllBits()) {
        INT_PTR answer = g_errorReport(host_.GetOwnerWindow(), components_);
        // Yes tries again at the next start; a report that could not be
        // shown was not answered, so nothing is recorded either.
        if (answer != IDOK && answer != -1) AddInstalledBits(components_.GetAllBits());
    }
    if (restartNeeded && !host_.IsSilent()) OfferRestart();
    return true;
}

void ComponentRun::OfferRestart() {
    HWND owner = host_.GetOwnerWindow();
    if (OwnedMessageBox(owner, kRestartQuestion, MB_YESNO) != IDYES) return;
    if (!GetSystemRestart().Restart()) OwnedMessageBox(owner, kRestartFailedMessage, MB_OK);
}

void RemoveUserGuideShortcuts() {
    const char kShortcut[] = "Pellmore Basic User Guide.lnk";
    const char kInFolder[] = "%s\\Pellmore Basic User Guide.lnk";
    DeleteSpecialFolderFile(CSIDL_DESKTOPDIRECTORY, "%s", kShortcut);
    DeleteSpecialFolderFile(CSIDL_DESKTOPDIRECTORY, kInFolder, "Pellmore");
    DeleteSpecialFolderFile(CSIDL_PROGRAMS, kInFolder, "Pellmore");
    DeleteSpecialFolderFile(CSIDL_COMMON_PROGRAMS, kInFolder, "Pellmore");
    DeleteSpecialFolderFile(CSIDL_COMMON_DESKTOPDIRECTORY, kInFolder, "Pellmore");
}
