// Replaces a local program folder P by a fresh copy of the program files of
// an installation folder I: whatever holds P is released first, the old copy
// is moved aside and removed, the copy list is copied with progress on the
// host, and the version file is put in place only after every other file, so
// P reads as current only once it is complete. Questions (Retry/Cancel) go to
// the host's message box.
#pragma once

#include "components/install_host.h"
#include "localinstall/version_files.h"

#include <functional>
#include <set>
#include <string>

class LocalCopy {
public:
    LocalCopy(InstallHost& host, std::string installFolder, std::string programFolder);

    // True when every file of the copy list was copied or is missing from an
    // installation folder that could be reached.
    bool Run();

    // Runs once P exists afresh, before the first file is copied.
    std::function<void()> onProgramFolderReady;

    // The text of the last failure question or message shown; empty when none.
    const std::string& LastQuestion() const { return lastQuestion_; }
    // The installation's program version, as read before the copy.
    const std::string& RequiredVersion() const { return requiredVersion_; }

    // "OldProgram" beside the program folder: where the old copy goes.
    static std::string BackupFolderOf(const std::string& programFolder);
    // The version file is copied under this name first (appended to its own).
    static const char kPendingSuffix[];
    // How often the progress bar may move at most while files are copied.
    static const unsigned kProgressIntervalMs = 50;

private:
    void ShowRange(const COrvoInstallVersionFiles& files);
    bool ReadInstallationVersion(COrvoInstallVersionFiles& files);
    bool PathsFit(const COrvoInstallVersionFiles& files);
    bool ReleaseOldCopy();
    bool MoveOldCopyAside();
    bool CreateProgramFolder();
    bool CopyFiles(const COrvoInstallVersionFiles& files);
    bool CopyEntry(const std::string& name, const std::string& destination, const std::string& shownDestination);
    void CreateFolderOf(const std::string& destination);
    bool PlaceVersionFile(const std::string& pending, const std::string& destination);

    // Retry/Cancel; true for Retry.
    bool AskRetry(const std::string& text);
    bool AskInstallFolderBack();

    InstallHost& host_;
    std::string install_;
    std::string program_;
    std::string backup_;
    std::string requiredVersion_;
    std::string lastQuestion_;
    std::set<std::string> createdFolders_; // lower-cased
};
