#include "localinstall/version_files.h"

#include "framework/handles.h"
#include "framework/strings.h"
#include "localinstall/file_tree.h"

#include <windows.h>

const char kVersionFileName[] = "Version.dat";

namespace {

const char kVersionFileKey[] = "version.dat";
const char kMainProgramKey[] = "pellmoreorvo.exe";
const char kManagementFile[] = "PellmoreManagement.XML";
// Sub-folders of the installation that stay on the network.
const char* const kNetworkOnlyFolders[] = {"forms\\", "CovCodes\\"};

// The file's lines as text-mode reading gives them: CR LF ends a line like
// LF, Ctrl-Z ends the text, the terminator is not part of the line.
bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
    fw::Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file.Get(), chunk, sizeof(chunk), &got, nullptr) && got > 0) text.append(chunk, got);

    size_t endOfText = text.find('\x1A');
    if (endOfText != std::string::npos) text.resize(endOfText);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r' && end != std::string::npos) line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return true;
}

// Field 1 of a file line; empty when the line has no field.
std::string FirstField(const std::string& line) {
    size_t start = line.find_first_not_of('\t');
    if (start == std::string::npos) return std::string();
    size_t end = line.find('\t', start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool IsProgramBinary(const std::string& name) {
    std::string extension = FileExtension(name);
    return fw::EqualsNoCase(extension, "dll") || fw::EqualsNoCase(extension, "exe") ||
           fw::EqualsNoCase(name, kManagementFile);
}

bool IsNetworkOnly(const std::string& entry) {
    for (const char* folder : kNetworkOnlyFolders)
        if (fw::StartsWithNoCase(entry, folder)) return true;
    return false;
}

// Entries name files inside the program folder. One that is absolute or
// climbs out with ".." would make the copy write outside the local folder.
bool StaysInsideFolder(const std::string& entry) {
    if (entry.empty() || entry[0] == '\\' || entry[0] == '/' || entry.find(':') != std::string::npos) return false;
    std::string parts = "\\" + entry + "\\";
    for (char& c : parts)
        if (c == '/') c = '\\';
    return parts.find("\\..\\") == std::string::npos;
}

} // namespace

bool ReadProgramVersion(std::string& version, const std::string& folder) {
    std::vector<std::string> lines;
    if (!ReadLines(GetVersionFilePath(folder), lines)) return false;
    version = lines.empty() ? std::string() : lines.front();
    return true;
}

bool ReadVersionFileList(std::vector<std::string>& list, const std::string& folder) {
    std::vector<std::string> lines;
    if (!ReadLines(GetVersionFilePath(folder), lines)) return false;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string name = FirstField(lines[i]);
        if (!name.empty()) list.push_back(name);
    }
    return true;
}

COrvoInstallVersionFiles::COrvoInstallVersionFiles(const std::string& installFolder) { Build(installFolder); }

void COrvoInstallVersionFiles::AddFile(const std::string& name) {
    if (name.empty()) return;
    if (fw::EqualsNoCase(name, kVersionFileKey)) {
        versionFileName_ = name;
        return;
    }
    if (fw::EqualsNoCase(name, kMainProgramKey)) {
        mainProgramName_ = name;
        return;
    }
    if (index_.insert(fw::ToLower(name)).second) files_.push_back(name);
}

void COrvoInstallVersionFiles::Build(const std::string& installFolder) {
    // Without an installation folder there is nothing to copy; an empty text
    // would otherwise enumerate the root of the current drive.
    std::string folder = fw::TrimRight(installFolder, "\\");
    if (folder.empty()) return;
    AddProgramBinaries(folder);
    AddListedFiles(folder);
    // The version file and then the main program close the list. The order
    // alone does not make an interrupted copy look out of date (a copy cut
    // off in the main program would already hold the new version file): the
    // copy puts the version file in place after every other entry.
    if (!versionFileName_.empty()) files_.push_back(versionFileName_);
    if (!mainProgramName_.empty()) files_.push_back(mainProgramName_);
}

void COrvoInstallVersionFiles::AddProgramBinaries(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    fw::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &entry));
    if (!find) return;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (IsProgramBinary(entry.cFileName)) AddFile(entry.cFileName);
    } while (FindNextFileA(find.Get(), &entry));
}

void COrvoInstallVersionFiles::AddListedFiles(const std::string& folder) {
    std::vector<std::string> listed;
    ReadVersionFileList(listed, folder);
    for (const std::string& entry : listed)
        if (!IsNetworkOnly(entry) && StaysInsideFolder(entry)) AddFile(entry);
}
