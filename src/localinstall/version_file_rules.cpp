#include "localinstall/version_file_rules.h"

#include "framework/strings.h"
#include "localinstall/file_tree.h"

namespace {

const char kVersionFileKey[] = "version.dat";
const char kMainProgramKey[] = "pellmoreorvo.exe";
const char kManagementFile[] = "PellmoreManagement.XML";
// Sub-folders of the installation that stay on the network.
const char* const kNetworkOnlyFolders[] = {"forms\\", "CovCodes\\"};
// Names that open a device in any folder, whatever their extension.
const char* const kDeviceNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
const char* const kNumberedDevices[] = {"COM", "LPT"};

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

bool IsDeviceName(const std::string& part) {
    std::string base = fw::TrimRight(part.substr(0, part.find('.')), " ");
    for (const char* device : kDeviceNames)
        if (fw::EqualsNoCase(base, device)) return true;
    for (const char* device : kNumberedDevices)
        if (base.size() == 4 && fw::StartsWithNoCase(base, device) && base[3] >= '0' && base[3] <= '9') return true;
    return false;
}

// Windows drops trailing dots and blanks from a name ("Version.dat." is the
// version file, ".. " climbs out), so a part ending in one is refused like
// ".." itself; an empty part would make the entry absolute or doubled.
bool IsPlainPart(const std::string& part) {
    return !part.empty() && part.back() != '.' && part.back() != ' ' && !IsDeviceName(part);
}

// The name index key: one spelling per file for Windows.
std::string IndexKey(const std::string& name) {
    std::string key = fw::ToLower(name);
    for (char& c : key)
        if (c == '/') c = '\\';
    return key;
}

} // namespace

std::vector<std::string> VersionFileLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t endOfText = text.find('\x1A');
    size_t length = endOfText == std::string::npos ? text.size() : endOfText;
    size_t start = 0;
    while (start < length) {
        size_t end = text.find('\n', start);
        if (end >= length) end = std::string::npos;
        std::string line = text.substr(start, end == std::string::npos ? length - start : end - start);
        if (!line.empty() && line.back() == '\r' && end != std::string::npos) line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

std::string ProgramVersionOf(const std::string& text) {
    std::vector<std::string> lines = VersionFileLines(text);
    return lines.empty() ? std::string() : lines.front();
}

std::vector<std::string> ListedFilesOf(const std::string& text) {
    std::vector<std::string> list;
    std::vector<std::string> lines = VersionFileLines(text);
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string name = FirstField(lines[i]);
        if (!name.empty()) list.push_back(name);
    }
    return list;
}

bool StaysInsideFolder(const std::string& entry) {
    // A NUL would end the name Windows is given; a colon names a drive or a stream.
    if (entry.empty() || entry.find('\0') != std::string::npos || entry.find(':') != std::string::npos) return false;
    size_t start = 0;
    for (;;) {
        size_t end = entry.find_first_of("\\/", start);
        if (!IsPlainPart(entry.substr(start, end == std::string::npos ? std::string::npos : end - start)))
            return false;
        if (end == std::string::npos) return true;
        start = end + 1;
    }
}

void VersionCopyList::AddFile(const std::string& name) {
    if (name.empty()) return;
    if (fw::EqualsNoCase(name, kVersionFileKey)) {
        versionFileName_ = name;
        return;
    }
    if (fw::EqualsNoCase(name, kMainProgramKey)) {
        mainProgramName_ = name;
        return;
    }
    if (index_.insert(IndexKey(name)).second) files_.push_back(name);
}

void VersionCopyList::AddFoundFile(const std::string& name) {
    if (IsProgramBinary(name)) AddFile(name);
}

void VersionCopyList::AddListedFiles(const std::string& versionFileText) {
    for (const std::string& entry : ListedFilesOf(versionFileText))
        if (!IsNetworkOnly(entry) && StaysInsideFolder(entry)) AddFile(entry);
}

// The version file and then the main program close the list. The order
// alone does not make an interrupted copy look out of date (a copy cut off
// in the main program would already hold the new version file): the copy
// puts the version file in place after every other entry.
void VersionCopyList::Close() {
    if (!versionFileName_.empty()) files_.push_back(versionFileName_);
    if (!mainProgramName_.empty()) files_.push_back(mainProgramName_);
}
