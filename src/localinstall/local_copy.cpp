#include "localinstall/local_copy.h"

#include "framework/strings.h"
#include "localinstall/file_tree.h"
#include "localinstall/in_use_check.h"

#include <windows.h>

const char LocalCopy::kPendingSuffix[] = ".tmp";

namespace {

const char kStatusText[] = "Installing Local Files...";
const char kBackupFolderName[] = "OldProgram";
const char kCreateFolderFailed[] = "Failed to create directory.\n\n- %s";
const char kCopyFailed[] = "It appears as though Pellmore may still be running or we do not have write permissions "
                           "to the following file.\n\n- %s";
const char kInstallFolderGone[] = "The Pellmore Orvo installation folder cannot be reached.\n\n- %s\n\nPlease make "
                                  "sure the network connection to it is available, then click retry.";
const char kPathTooLong[] = "The local copy of Pellmore Orvo cannot be updated: the path of the following file "
                            "would be too long.\n\n- %s";
const UINT kRetryCancelType = MB_RETRYCANCEL | MB_ICONEXCLAMATION; // 0x35

// The marquee of the launcher window is off while the bar counts files, and
// on again however the copy ends.
class MarqueePause {
public:
    explicit MarqueePause(InstallHost& host) : host_(host) { host_.SetMarquee(false); }
    ~MarqueePause() { host_.SetMarquee(true); }
    MarqueePause(const MarqueePause&) = delete;
    MarqueePause& operator=(const MarqueePause&) = delete;

private:
    InstallHost& host_;
};

// Repainting the progress control costs more than copying a small file, so
// the bar moves at most every interval, and always at the last entry.
class ProgressPace {
public:
    ProgressPace(InstallHost& host, int last, DWORD intervalMs)
        : host_(host), last_(last), interval_(intervalMs), lastMove_(GetTickCount() - intervalMs) {}
    void Reach(int position) {
        DWORD now = GetTickCount();
        if (position < last_ && now - lastMove_ < interval_) return;
        host_.SetProgressPos(position);
        lastMove_ = now;
    }

private:
    InstallHost& host_;
    int last_;
    DWORD interval_;
    DWORD lastMove_;
};

std::string Join(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

bool StatusReadable(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA status;
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &status) != FALSE;
}

// A path the copy writes, the removal of the old copy deletes, or whose
// folder a tree walk searches ("<folder>\*.*") must stay below MAX_PATH.
bool FitsPathLimit(const std::string& path) {
    return path.size() < MAX_PATH && ParentFolder(path).size() + 4 < MAX_PATH;
}

} // namespace

LocalCopy::LocalCopy(InstallHost& host, std::string installFolder, std::string programFolder)
    : host_(host), install_(std::move(installFolder)), program_(std::move(programFolder)),
      backup_(BackupFolderOf(program_)) {}

std::string LocalCopy::BackupFolderOf(const std::string& programFolder) {
    return ParentFolder(programFolder) + "\\" + kBackupFolderName;
}

bool LocalCopy::Run() {
    MarqueePause marquee(host_);
    COrvoInstallVersionFiles files(install_);
    createdFolders_.clear();
    host_.SetStatus(kStatusText);
    ShowRange(files);
    // Without an installation folder there is nothing to copy from, and the
    // old copy must not be removed for nothing.
    if (install_.empty()) return false;
    if (!ReadInstallationVersion(files)) return false;
    if (program_.empty()) return false;
    if (!PathsFit(files)) return false;
    if (DirectoryExists(program_) && !ReleaseOldCopy()) return false;
    DeleteTree(program_);
    if (!CreateProgramFolder()) return false;
    if (onProgramFolderReady) onProgramFolderReady();
    return CopyFiles(files);
}

void LocalCopy::ShowRange(const COrvoInstallVersionFiles& files) {
    host_.SetProgressRange(0, static_cast<int>(files.size()));
    host_.SetProgressStep(1);
    host_.SetProgressPos(0);
}

bool LocalCopy::AskRetry(const std::string& text) {
    lastQuestion_ = text;
    // Anything but Retry (Cancel, a box that could not be shown, a silent
    // run) ends the copy.
    return host_.InstallMessageBox(text, kRetryCancelType, IDCANCEL) == IDRETRY;
}

bool LocalCopy::AskInstallFolderBack() { return AskRetry(fw::Format(kInstallFolderGone, install_.c_str())); }

// A version that cannot be read from an installation folder that is still
// there is read as none, and the copy goes on; a folder that went away (a
// share that was disconnected) is waited for.
bool LocalCopy::ReadInstallationVersion(COrvoInstallVersionFiles& files) {
    for (;;) {
        std::string version;
        if (ReadProgramVersion(version, install_)) {
            requiredVersion_ = version;
            return true;
        }
        if (DirectoryExists(install_)) return true;
        if (!AskInstallFolderBack()) return false;
        // The list was read while the folder was away.
        files = COrvoInstallVersionFiles(install_);
        ShowRange(files);
    }
}

// Only files that exist are copied: an entry naming none (a junk line in
// the installation's version file) is skipped by the copy, so its length
// must not stop the update either.
bool LocalCopy::PathsFit(const COrvoInstallVersionFiles& files) {
    for (const std::string& name : files) {
        if (!StatusReadable(Join(install_, name))) continue;
        std::string destination = Join(program_, name);
        bool fits = FitsPathLimit(destination) && FitsPathLimit(Join(backup_, name));
        if (fw::EqualsNoCase(name, files.VersionFileName())) fits = fits && FitsPathLimit(destination + kPendingSuffix);
        if (fits) continue;
        lastQuestion_ = fw::Format(kPathTooLong, destination.c_str());
        host_.InstallMessageBox(lastQuestion_, MB_OK | MB_ICONEXCLAMATION, IDOK);
        return false;
    }
    return true;
}

bool LocalCopy::ReleaseOldCopy() {
    if (CheckProgramsInUse(program_)) return false;
    DeleteTree(backup_);
    if (MoveOldCopyAside()) return true;
    if (CheckFilesInUse(program_)) return false;
    // A second failure is left to the removal that follows: it deletes what
    // it can, and the copy asks about any file it cannot replace.
    MoveOldCopyAside();
    return true;
}

bool LocalCopy::MoveOldCopyAside() {
    if (!MoveFileA(program_.c_str(), backup_.c_str())) return false;
    DeleteTree(backup_);
    return true;
}

bool LocalCopy::CreateProgramFolder() {
    for (;;) {
        if (CreateFolderChain(program_)) return true;
        if (!AskRetry(fw::Format(kCreateFolderFailed, program_.c_str()))) return false;
    }
}

bool LocalCopy::CopyFiles(const COrvoInstallVersionFiles& files) {
    int count = static_cast<int>(files.size());
    ProgressPace bar(host_, count, kProgressIntervalMs);
    std::string pendingVersionFile, versionFile;
    for (int index = 0; index < count; ++index) {
        bar.Reach(index + 1);
        host_.PumpMessages();
        if (host_.IsClosing()) return false;
        const std::string& name = files.Files()[static_cast<size_t>(index)];
        std::string destination = Join(program_, name);
        // Under its own name only after every other file: P must not read as
        // the new version while the main program is still missing or cut.
        bool isVersionFile = fw::EqualsNoCase(name, files.VersionFileName());
        std::string target = isVersionFile ? destination + kPendingSuffix : destination;
        if (!CopyEntry(name, target, destination)) return false;
        if (isVersionFile && FileExists(target)) {
            pendingVersionFile = target;
            versionFile = destination;
        }
    }
    return pendingVersionFile.empty() || PlaceVersionFile(pendingVersionFile, versionFile);
}

void LocalCopy::CreateFolderOf(const std::string& destination) {
    std::string folder = ParentFolder(destination);
    std::string key = fw::ToLower(folder);
    if (createdFolders_.count(key)) return;
    // A failure shows in the copy that follows, which asks; a Retry then
    // tries the folder again.
    if (CreateFolderChain(folder)) createdFolders_.insert(key);
}

bool LocalCopy::CopyEntry(const std::string& name, const std::string& destination,
                          const std::string& shownDestination) {
    std::string source = Join(install_, name);
    for (;;) {
        bool reachable = true;
        if (!StatusReadable(source)) {
            // Only a file missing from a folder that is there is skipped; the
            // error code does not tell (3 on Wine, 53 and others on Windows).
            if (DirectoryExists(install_)) return true;
            reachable = false;
        } else {
            if (name.find('\\') != std::string::npos) CreateFolderOf(destination);
            if (CopyFileA(source.c_str(), destination.c_str(), FALSE)) return true;
            reachable = DirectoryExists(install_);
        }
        bool retry = reachable ? AskRetry(fw::Format(kCopyFailed, shownDestination.c_str())) : AskInstallFolderBack();
        if (!retry) return false;
    }
}

bool LocalCopy::PlaceVersionFile(const std::string& pending, const std::string& destination) {
    for (;;) {
        if (MoveFileExA(pending.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
        if (!AskRetry(fw::Format(kCopyFailed, destination.c_str()))) return false;
    }
}
