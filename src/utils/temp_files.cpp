#include "utils/temp_files.h"

#include "framework/handles.h"
#include "framework/strings.h"

#include <windows.h>

namespace {

const char kProductTempName[] = "PellmoreTemp";
const char kDownloadPrefix[] = "DWN";
// Only download files: the folder also holds import copies, which may carry
// any extension, ".tmp" included.
const char kDownloadPattern[] = "DWN*.TMP";

bool IsDotEntry(const char* name) { return lstrcmpA(name, ".") == 0 || lstrcmpA(name, "..") == 0; }

std::string FolderOf(const std::string& pattern) {
    size_t slash = pattern.find_last_of('\\');
    return slash == std::string::npos ? std::string() : pattern.substr(0, slash + 1);
}

// A link is removed itself; walking into it would empty a folder elsewhere.
void RemoveSubFolder(const std::string& path, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        RemoveDirectoryA(path.c_str());
    else
        RemoveFolderTree(path);
}

} // namespace

std::string GetUserTempFolder() {
    char buffer[MAX_PATH + 1] = "";
    DWORD length = GetTempPathA(sizeof(buffer), buffer);
    if (length == 0 || length >= sizeof(buffer)) return std::string();
    std::string folder(buffer, length);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

void EnsureTempFolder() {
    std::string folder = GetUserTempFolder();
    if (!folder.empty() && GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
        CreateDirectoryA(folder.c_str(), nullptr);
}

int GetProductTempFolder(std::string& out) {
    std::string base = GetUserTempFolder();
    if (base.empty()) {
        out.clear();
        return 0;
    }
    out = fw::Format("%s\\%s", base.c_str(), kProductTempName);
    DWORD attributes = GetFileAttributesA(out.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return 1;
    return CreateDirectoryA(out.c_str(), nullptr) ? 1 : 0;
}

int CreateDownloadTempFile(std::string& out) {
    std::string folder;
    if (!GetProductTempFolder(folder)) return 0;
    DeleteMatchingFiles(fw::Format("%s\\%s", folder.c_str(), kDownloadPattern));
    char name[MAX_PATH + 1] = "";
    if (!GetTempFileNameA(folder.c_str(), kDownloadPrefix, 0, name)) return 0;
    out = name;
    return 1;
}

int DeleteMatchingFiles(const std::string& pattern) {
    std::string folder = FolderOf(pattern);
    WIN32_FIND_DATAA entry;
    fw::FindHandle find(FindFirstFileA(pattern.c_str(), &entry));
    if (!find) return 1;
    do {
        if (IsDotEntry(entry.cFileName)) continue;
        std::string path = folder + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveSubFolder(path, entry.dwFileAttributes);
            continue;
        }
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
            DWORD current = GetFileAttributesA(path.c_str());
            if (current != INVALID_FILE_ATTRIBUTES)
                SetFileAttributesA(path.c_str(), current & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
        }
        DeleteFileA(path.c_str());
    } while (FindNextFileA(find.Get(), &entry));
    return 1;
}

int RemoveFolderTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    fw::FindHandle find(FindFirstFileA(fw::Format("%s\\*.*", folder.c_str()).c_str(), &entry));
    if (find) {
        do {
            if (IsDotEntry(entry.cFileName)) continue;
            std::string path = fw::Format("%s\\%s", folder.c_str(), entry.cFileName);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveSubFolder(path, entry.dwFileAttributes);
            else if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find.Get(), &entry));
    }
    find.Reset();
    RemoveDirectoryA(folder.c_str());
    return 1;
}
