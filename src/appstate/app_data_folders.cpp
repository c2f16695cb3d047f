// The per-workstation folders: the product's common and local application-data
// folders and the local program copy under the latter.
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "appstate/path_state.h"
#include "appstate/paths.h"
#include "framework/strings.h"

using namespace paths_detail;

namespace {

const char* const kProductSubFolder = "\\Pellmore\\Orvo";

std::string CommonAppDataBase() {
    PathCache& cache = Cache();
    if (!cache.commonAppData) cache.commonAppData = GetSpecialFolderPath(CSIDL_COMMON_APPDATA);
    return *cache.commonAppData;
}

std::string ProgramFilesFolder() {
    std::string folder = GetSpecialFolderPath(CSIDL_PROGRAM_FILES);
    if (!folder.empty()) return folder;
    // Systems without the shell folder still name it in the environment.
    char buffer[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("ProgramFiles", buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? StripTrailingBackslashes(buffer) : std::string();
}

} // namespace

std::string GetSpecialFolderPath(int csidl) {
    LPITEMIDLIST idList = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &idList)) || !idList) return std::string();
    char buffer[MAX_PATH] = {};
    BOOL found = SHGetPathFromIDListA(idList, buffer);
    CoTaskMemFree(idList);
    return found ? std::string(buffer) : std::string();
}

std::string ExpandPath(const std::string& text) {
    std::vector<char> buffer(262);
    DWORD needed = ExpandEnvironmentStringsA(text.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (needed >= 261) {
        buffer.assign(needed, '\0');
        needed = ExpandEnvironmentStringsA(text.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (needed > buffer.size()) return text;
    }
    if (needed == 0) return text;
    return std::string(buffer.data());
}

std::string GetLocalAppDataFolder(const char* overrideBase) {
    PathCache& cache = Cache();
    // An override only counts where no local program copy is kept: a hosted or
    // terminal-server installation may place the per-user files elsewhere.
    if (overrideBase && *overrideBase && !IsLocalInstallEnabled()) {
        cache.localAppData = StripTrailingBackslashes(ExpandPath(overrideBase));
    } else if (cache.localAppData.empty()) {
        cache.localAppData = GetSpecialFolderPath(CSIDL_LOCAL_APPDATA);
    }
    return cache.localAppData;
}

std::string GetAppDataFolder(AppDataKind kind, const char* fileName) {
    std::string base = kind == AppDataKind::Common ? CommonAppDataBase() : GetLocalAppDataFolder();
    std::string folder;
    if (!base.empty()) {
        folder = fw::Truncate(base + kProductSubFolder, kMaxPathChars);
    } else {
        std::string programFiles = ProgramFilesFolder();
        if (!programFiles.empty()) folder = fw::Truncate(programFiles + kProductSubFolder, kMaxPathChars);
    }
    if (!folder.empty()) CreateFolderWithParents(folder);
    if (fileName && *fileName) folder += std::string("\\") + fileName;
    return folder;
}

std::string GetProgramFolder() {
    PathCache& cache = Cache();
    if (!cache.programFolder) {
        cache.programFolder = StripTrailingBackslashes(FullPath(GetAppDataFolder(AppDataKind::Local, "Program")));
    }
    return *cache.programFolder;
}
