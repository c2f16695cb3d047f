// The version file "Version.dat" of a program folder: its first line is the
// program version (an opaque text, compared byte for byte), the following
// lines list the program's files. Also the list of files the local
// installation copies: the program binaries and listed files, then the
// version file, then the main program.
#pragma once

#include "localinstall/version_file_rules.h"

#include <string>
#include <vector>

extern const char kVersionFileName[]; // "Version.dat"

// A version file is read on every start, from a share anyone may write to,
// so its size decides nothing about the memory used. A version is a short
// line: a longer first line is cut at 64 KiB (both sides of a comparison cut
// alike). A list of 100,000 files of 160 characters stays below 16 MiB; a
// larger file is not a version file and is read as unreadable.
const size_t kMaxVersionLineBytes = 64 * 1024;
const size_t kMaxVersionFileBytes = 16 * 1024 * 1024;

// "<folder>\Version.dat"; with an empty folder the version file of the
// installation when running from the temporary folder, otherwise the bare
// name, which resolves against the current directory.
std::string GetVersionFilePath(const std::string& folder);

// Reads the first line into version (at most kMaxVersionLineBytes of it);
// false, with version unchanged, when the file cannot be opened.
bool ReadProgramVersion(std::string& version, const std::string& folder = std::string());
// Appends the first field of every file line; false when the file cannot be
// opened or is larger than kMaxVersionFileBytes (read as unreadable).
bool ReadVersionFileList(std::vector<std::string>& list, const std::string& folder = std::string());

class COrvoInstallVersionFiles : public VersionCopyList {
public:
    using const_iterator = std::vector<std::string>::const_iterator;

    // The copy list of the installation folder (setting 7006).
    COrvoInstallVersionFiles();
    // The copy list of the given installation folder.
    explicit COrvoInstallVersionFiles(const std::string& installFolder);

    const_iterator begin() const { return files_.begin(); }
    const_iterator end() const { return files_.end(); }
    size_t size() const { return files_.size(); }
    bool empty() const { return files_.empty(); }

private:
    void Build(const std::string& installFolder);
    void AddProgramBinaries(const std::string& installFolder);
};
