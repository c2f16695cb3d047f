#include "localinstall/in_use_resources.h"

#include "framework/handles.h"
#include "framework/strings.h"
#include "localinstall/processes.h"

#include <windows.h>

#include <algorithm>

namespace {

bool IsDotEntry(const char* name) { return lstrcmpA(name, ".") == 0 || lstrcmpA(name, "..") == 0; }

// Opening for read-write with no sharing fails exactly while someone else
// has the file open (or it cannot be written at all).
bool IsHeldByAnother(const std::string& path) {
    fw::Handle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return !file;
}

void ClearReadOnly(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}

void CollectHeldFiles(const std::string& folder, IInUseResourceManager::StringList& list) {
    std::string prefix = fw::TrimRight(folder, "\\") + "\\";
    WIN32_FIND_DATAA entry;
    fw::FindHandle find(FindFirstFileA((prefix + "*.*").c_str(), &entry));
    if (!find) return;
    do {
        if (IsDotEntry(entry.cFileName)) continue;
        std::string path = prefix + entry.cFileName;
        WIN32_FILE_ATTRIBUTE_DATA status;
        if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &status)) continue;
        if (status.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // A link leads out of the tree: what it points to is not ours to
            // check, nor to change attributes of.
            if (!(status.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) CollectHeldFiles(path, list);
            continue;
        }
        ClearReadOnly(path);
        if (IsHeldByAnother(path)) list.push_back(entry.cFileName);
    } while (FindNextFileA(find.Get(), &entry));
}

} // namespace

void MakeRelativeToFolder(const std::string& folder, IInUseResourceManager::StringList& entries) {
    std::string prefix = fw::TrimRight(folder, "\\") + "\\";
    if (prefix.size() < 2) return;
    for (std::string& entry : entries)
        if (entry.size() > prefix.size() && fw::StartsWithNoCase(entry, prefix)) entry = entry.substr(prefix.size());
}

int InUsePrograms::GetInUse(StringList& list) {
    list.clear();
    CProcesses::ListProgramWindows(folder_, list);
    MakeRelativeToFolder(folder_, list);
    return static_cast<int>(list.size());
}

void InUsePrograms::ForceClose() {
    CProcesses::StringList paths;
    CProcesses::ListProcessPaths(folder_, paths);
    // Each termination by path ends every process of that executable, so a
    // program running twice needs one pass, not two.
    std::sort(paths.begin(), paths.end());
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    for (const std::string& path : paths) CProcesses::TerminateProcessesByPath(path, false);
}

int InUseFiles::GetInUse(StringList& list) {
    list.clear();
    CollectHeldFiles(folder_, list);
    return static_cast<int>(list.size());
}
