#include "appstate/path_state.h"

#include <windows.h>

#include "appstate/paths.h"
#include "framework/strings.h"

namespace paths_detail {

PathState& State() {
    static PathState state;
    return state;
}

PathCache& Cache() {
    static PathCache cache;
    return cache;
}

std::string& ModuleFolderOverride() {
    static std::string folder;
    return folder;
}

std::string StripTrailingBackslashes(const std::string& path) { return fw::TrimRight(path, "\\"); }

std::string FullPath(const std::string& path) {
    char buffer[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    if (length == 0 || length >= MAX_PATH) return path;
    return std::string(buffer, length);
}

bool IsExistingFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsExistingFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CreateFolderWithParents(const std::string& path) {
    std::string folder = StripTrailingBackslashes(path);
    if (folder.empty() || IsExistingFolder(folder)) return;
    // Each prefix ending before a backslash is a parent; the drive or share
    // prefixes simply fail to be created, which is harmless.
    for (size_t pos = folder.find('\\', 1); pos != std::string::npos; pos = folder.find('\\', pos + 1)) {
        CreateDirectoryA(folder.substr(0, pos).c_str(), nullptr);
    }
    CreateDirectoryA(folder.c_str(), nullptr);
}

} // namespace paths_detail

void ResetPathState() {
    paths_detail::State() = paths_detail::PathState();
    paths_detail::Cache() = paths_detail::PathCache();
}

void SetModuleFolderForTests(const std::string& folder) {
    paths_detail::ModuleFolderOverride() = paths_detail::StripTrailingBackslashes(folder);
}
