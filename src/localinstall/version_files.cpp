#include "localinstall/version_files.h"

#include "framework/handles.h"
#include "framework/strings.h"

#include <windows.h>

const char kVersionFileName[] = "Version.dat";

namespace {

fw::Handle OpenShared(const std::string& path) {
    return fw::Handle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Appends up to limit bytes; stops early once stop (when given) says the
// text read so far is enough.
void ReadUpTo(HANDLE file, std::string& text, size_t limit, bool (*stop)(const std::string&)) {
    char chunk[4096];
    DWORD got = 0;
    while (text.size() < limit) {
        DWORD want = static_cast<DWORD>(limit - text.size() < sizeof(chunk) ? limit - text.size() : sizeof(chunk));
        if (!ReadFile(file, chunk, want, &got, nullptr) || got == 0) return;
        text.append(chunk, got);
        if (stop && stop(text)) return;
    }
}

bool HoldsFirstLine(const std::string& text) { return text.find_first_of("\n\x1A") != std::string::npos; }

// The whole text of a folder's version file; false when it cannot be opened
// or is oversize. One byte more than allowed tells an oversize file from one
// of the largest size, whatever size the share reports.
bool ReadVersionFileText(const std::string& folder, std::string& text) {
    fw::Handle file = OpenShared(GetVersionFilePath(folder));
    if (!file) return false;
    ReadUpTo(file.Get(), text, kMaxVersionFileBytes + 1, nullptr);
    return text.size() <= kMaxVersionFileBytes;
}

} // namespace

bool ReadProgramVersion(std::string& version, const std::string& folder) {
    fw::Handle file = OpenShared(GetVersionFilePath(folder));
    if (!file) return false;
    std::string text;
    ReadUpTo(file.Get(), text, kMaxVersionLineBytes, HoldsFirstLine);
    version = ProgramVersionOf(text);
    return true;
}

bool ReadVersionFileList(std::vector<std::string>& list, const std::string& folder) {
    std::string text;
    if (!ReadVersionFileText(folder, text)) return false;
    std::vector<std::string> listed = ListedFilesOf(text);
    list.insert(list.end(), listed.begin(), listed.end());
    return true;
}

COrvoInstallVersionFiles::COrvoInstallVersionFiles(const std::string& installFolder) { Build(installFolder); }

void COrvoInstallVersionFiles::Build(const std::string& installFolder) {
    // Without an installation folder there is nothing to copy; an empty text
    // would otherwise enumerate the root of the current drive.
    std::string folder = fw::TrimRight(installFolder, "\\");
    if (folder.empty()) return;
    AddProgramBinaries(folder);
    std::string text;
    if (ReadVersionFileText(folder, text)) AddListedFiles(text);
    Close();
}

void COrvoInstallVersionFiles::AddProgramBinaries(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    fw::FindHandle find(FindFirstFileA((folder + "\\*.*").c_str(), &entry));
    if (!find) return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) AddFoundFile(entry.cFileName);
    } while (FindNextFileA(find.Get(), &entry));
}
