#include "utils/subst_drive_map.h"

#include "framework/handles.h"
#include "framework/strings.h"

#include <windows.h>

#include <fstream>

namespace {

const char kSubstArrow[] = "=>";

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

std::string JoinWithOneBackslash(const std::string& folder, const std::string& rest) {
    std::string tail = fw::TrimLeft(rest, "\\");
    if (tail.empty()) return folder;
    return fw::TrimRight(folder, "\\") + "\\" + tail;
}

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

// Lines read "X:\: => C:\Data"; anything else is ignored.
void CSubstDriveMap::ReadSubstOutput(const std::string& file) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t arrow = line.find(kSubstArrow);
        if (arrow == std::string::npos || line.size() < 2) continue;
        size_t value = arrow + sizeof(kSubstArrow) - 1 + 1; // the blank subst prints after the arrow
        drives_[fw::ToLower(line.substr(0, 2))] = value < line.size() ? line.substr(value) : std::string();
    }
}

bool CSubstDriveMap::Resolve(std::string& path) {
    // Only a drive-letter path can lie on a subst drive; asking subst.exe
    // about a UNC path would only cost a process start.
    if (path.size() < 2 || path[1] != ':') return false;
    if (drives_.empty()) Refresh();
    auto found = drives_.find(fw::ToLower(path.substr(0, 2)));
    if (found == drives_.end()) return false;
    path = JoinWithOneBackslash(found->second, path.substr(2));
    return true;
}
