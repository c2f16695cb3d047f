#include "utils/subst_drive_map.h"

#include "framework/handles.h"
#include "framework/strings.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace {

// The command interpreter runs subst.exe with its output in file; both paths
// are quoted, so blanks in them cannot split the redirection.
bool RunSubstInto(const std::string& file) {
    char comspec[520] = "";
    DWORD length = GetEnvironmentVariableA("ComSpec", comspec, sizeof(comspec));
    if (length == 0 || length >= sizeof(comspec)) return false;
    std::string command = fw::Format("\"%s\" /C subst.exe > \"%s\"", comspec, file.c_str());

    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    fw::Handle processHandle(process.hProcess);
    fw::Handle threadHandle(process.hThread);
    WaitForSingleObject(processHandle.Get(), INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(processHandle.Get(), &exitCode); // subst's own verdict does not matter
    return true;
}

} // namespace

int CSubstDriveMap::Refresh() {
    drives_.clear();
    char tempFolder[MAX_PATH + 1] = "";
    DWORD length = GetTempPathA(sizeof(tempFolder), tempFolder);
    if (length == 0 || length >= sizeof(tempFolder)) return 1;
    char file[MAX_PATH + 1] = "";
    if (!GetTempFileNameA(tempFolder, "SUB", 0, file)) return 1;
    if (RunSubstInto(file)) ReadSubstOutput(file);
    DeleteFileA(file);
    return 1;
}

void CSubstDriveMap::ReadSubstOutput(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    drives_ = ParseSubstOutput(text);
}

bool CSubstDriveMap::Resolve(std::string& path) {
    // Only a drive-letter path can lie on a subst drive; asking subst.exe
    // about a UNC path would only cost a process start.
    if (path.size() < 2 || path[1] != ':') return false;
    if (drives_.empty()) Refresh();
    return ResolveOnSubstDrive(drives_, path);
}
