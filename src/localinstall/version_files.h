// The version file "Version.dat" of a program folder: its first line is the
// program version (an opaque text, compared byte for byte), the following
// lines list the program's files. Also the list of files the local
// installation copies: the program binaries and listed files, then the
// version file, then the main program.
#pragma once

#include <set>
#include <string>
#include <vector>

extern const char kVersionFileName[]; // "Version.dat"

// "<folder>\Version.dat"; with an empty folder the version file of the
// installation when running from the temporary folder, otherwise the bare
// name, which resolves against the current directory.
std::string GetVersionFilePath(const std::string& folder);

// Reads the first line into version; false, with version unchanged, when the
// file cannot be opened.
bool ReadProgramVersion(std::string& version, const std::string& folder = std::string());
// Appends the first field of every file line; false when the file cannot be opened.
bool ReadVersionFileList(std::vector<std::string>& list, const std::string& folder = std::string());

class COrvoInstallVersionFiles {
public:
    using const_iterator = std::vector<std::string>::const_iterator;

    // The copy list of the installation folder (setting 7006).
    COrvoInstallVersionFiles();
    // The copy list of the given installation folder.
    explicit COrvoInstallVersionFiles(const std::string& installFolder);

    // Lists a name once (ignoring case); the version file and the main
    // program are only remembered, to be put at the end.
    void AddFile(const std::string& name);

    const std::vector<std::string>& Files() const { return files_; }
    const_iterator begin() const { return files_.begin(); }
    const_iterator end() const { return files_.end(); }
    size_t size() const { return files_.size(); }
    bool empty() const { return files_.empty(); }
    const std::string& VersionFileName() const { return versionFileName_; }
    const std::string& MainProgramName() const { return mainProgramName_; }

private:
    void Build(const std::string& installFolder);
    void AddProgramBinaries(const std::string& installFolder);
    void AddListedFiles(const std::string& installFolder);

    std::vector<std::string> files_;
    std::set<std::string> index_; // lower-cased names already listed
    std::string versionFileName_;
    std::string mainProgramName_;
};
