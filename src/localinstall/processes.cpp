#include "localinstall/processes.h"

#include "framework/handles.h"
#include "framework/strings.h"
#include "localinstall/file_tree.h"

#include <psapi.h>

namespace {

const char kUnknownProcess[] = "<unknown>";
const DWORD kMaxProcesses = 1024;
const UINT kCloseTimeoutMs = 1000;
const int kMaxTitle = 1024;

fw::Handle OpenForQuery(DWORD id) {
    return fw::Handle(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
}

// Only the first module, the executable, is looked at.
bool FirstModule(HANDLE process, HMODULE& module) {
    DWORD needed = 0;
    return EnumProcessModules(process, &module, sizeof(module), &needed) && needed >= sizeof(module);
}

bool BeginsWith(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

// Visits the processes whose upper-cased executable path lies under the
// folder and passes the filter, in the system's enumeration order.
template <typename Visit>
int ForEachProcessInFolder(const std::string& folder, CProcesses::NameFilter filter, Visit visit) {
    std::string prefix = CProcesses::FolderPrefix(folder);
    CProcesses::IdList ids;
    if (!CProcesses::EnumProcessIds(ids)) return 0;
    int count = 0;
    for (DWORD id : ids) {
        std::string path = fw::ToUpper(CProcesses::GetProcessPath(id));
        if (!BeginsWith(path, prefix) || !CProcesses::PassesFilter(path, filter)) continue;
        visit(id, path);
        ++count;
    }
    return count;
}

std::string WindowTitle(HWND window) {
    char title[kMaxTitle] = "";
    GetWindowTextA(window, title, kMaxTitle);
    return title;
}

bool IsVisible(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

// A window the shell would put on the taskbar.
bool IsApplicationWindow(HWND window) {
    if (!IsVisible(window)) return false;
    LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    if (exStyle & WS_EX_APPWINDOW) return true;
    return GetWindow(window, GW_OWNER) == nullptr && !(exStyle & WS_EX_TOOLWINDOW);
}

struct WindowSearch {
    CProcesses::WindowList* windows;
    DWORD id;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->id) search->windows->push_back(window);
    return TRUE;
}

fw::Handle OpenForTermination(DWORD id) {
    fw::Handle process(OpenProcess(PROCESS_TERMINATE, FALSE, id));
    if (process) return process;
    fw::Handle token;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Out()))
        CProcesses::EnableDebugPrivilege(token.Get());
    process.Reset(OpenProcess(PROCESS_TERMINATE, FALSE, id));
    return process;
}

} // namespace

std::string CProcesses::FolderPrefix(const std::string& folder) {
    // Trailing backslashes are dropped first so that "C:\App\" and "C:\App"
    // give the same prefix; the closing backslash keeps "C:\AppOld" out.
    return fw::ToUpper(FolderPart(fw::TrimRight(folder, "\\") + "\\"));
}

bool CProcesses::PassesFilter(const std::string& path, NameFilter filter) {
    if (filter == nullptr) return true;
    if (path.empty()) return false;
    std::string name = FileNamePart(path);
    for (const std::string& entry : *filter)
        if (fw::EqualsNoCase(name, FileNamePart(entry))) return true;
    return false;
}

bool CProcesses::EnumProcessIds(IdList& ids) {
    ids.clear();
    std::vector<DWORD> all(kMaxProcesses);
    DWORD bytes = 0;
    if (!EnumProcesses(all.data(), static_cast<DWORD>(all.size() * sizeof(DWORD)), &bytes)) return false;
    all.resize(bytes / sizeof(DWORD));
    for (DWORD id : all)
        if (id != 0) ids.push_back(id);
    return true;
}

namespace {

// A text about the process's first module (its path or its base name), or
// "<unknown>" when the process or its modules cannot be read.
using ModuleTextQuery = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
std::string FirstModuleText(DWORD id, ModuleTextQuery query) {
    fw::Handle process = OpenForQuery(id);
    HMODULE module = nullptr;
    if (!process || !FirstModule(process.Get(), module)) return kUnknownProcess;
    char text[MAX_PATH] = "";
    if (query(process.Get(), module, text, MAX_PATH) == 0) return kUnknownProcess;
    return text;
}

} // namespace

std::string CProcesses::GetProcessPath(DWORD id) { return FirstModuleText(id, &GetModuleFileNameExA); }

std::string CProcesses::GetProcessBaseName(DWORD id) { return FirstModuleText(id, &GetModuleBaseNameA); }

int CProcesses::ListProcessPaths(const std::string& folder, StringList& paths, NameFilter filter) {
    return ForEachProcessInFolder(folder, filter, [&](DWORD, const std::string& path) { paths.push_back(path); });
}

int CProcesses::ListProcessesInFolder(const std::string& folder, ProcessList& processes, NameFilter filter) {
    return ForEachProcessInFolder(folder, filter, [&](DWORD id, const std::string& path) {
        processes.push_back(process{path, id});
    });
}

int CProcesses::ListProcesses(ProcessList& processes, NameFilter filter) {
    IdList ids;
    if (!EnumProcessIds(ids)) return 0;
    int count = 0;
    for (DWORD id : ids) {
        std::string path = GetProcessPath(id);
        if (!PassesFilter(path, filter)) continue;
        processes.push_back(process{path, id});
        ++count;
    }
    return count;
}

void CProcesses::ListProgramWindows(const std::string& folder, StringList& entries, NameFilter filter) {
    ForEachProcessInFolder(folder, filter, [&](DWORD id, const std::string& path) {
        WindowList windows;
        EnumProcessWindows(windows, id);
        bool titled = false;
        for (HWND window : windows) {
            if (!IsVisible(window)) continue;
            std::string title = WindowTitle(window);
            if (title.empty()) continue;
            entries.push_back(title);
            titled = true;
        }
        if (!titled) entries.push_back(path);
    });
}

bool CProcesses::EnumProcessWindows(WindowList& windows, DWORD id) {
    WindowSearch search{&windows, id == 0 ? GetCurrentProcessId() : id};
    return EnumWindows(CollectProcessWindow, reinterpret_cast<LPARAM>(&search)) != FALSE;
}

bool CProcesses::IsProgramRunning(const std::string& programName) {
    StringList filter{programName};
    ProcessList processes;
    ListProcesses(processes, &filter);
    DWORD self = GetCurrentProcessId();
    for (const process& candidate : processes) {
        if (candidate.id == self) continue;
        WindowList windows;
        EnumProcessWindows(windows, candidate.id);
        for (HWND window : windows)
            if (IsApplicationWindow(window)) return true;
    }
    return false;
}

bool CProcesses::TerminateProcessById(DWORD id) {
    if (id == 0) return false;
    WindowList windows;
    EnumProcessWindows(windows, id);
    for (HWND window : windows) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kCloseTimeoutMs, &answer);
    }
    fw::Handle process = OpenForTermination(id);
    if (!process) return false;
    return TerminateProcess(process.Get(), 0xFFFFFFFF) != FALSE;
}

void CProcesses::TerminateProcessesByPath(const std::string& path, bool compareBaseNames) {
    std::string wanted = path;
    if (!compareBaseNames) MakeFullPath(wanted);
    IdList ids;
    EnumProcessIds(ids);
    for (DWORD id : ids) {
        std::string candidate = compareBaseNames ? GetProcessBaseName(id) : GetProcessPath(id);
        if (fw::EqualsNoCase(candidate, wanted)) TerminateProcessById(id);
    }
}

bool CProcesses::EnableDebugPrivilege(HANDLE token) {
    LUID luid;
    if (!LookupPrivilegeValueA(nullptr, SE_DEBUG_NAME, &luid)) return false;

    TOKEN_PRIVILEGES request = {};
    request.PrivilegeCount = 1;
    request.Privileges[0].Luid = luid;
    request.Privileges[0].Attributes = 0;
    TOKEN_PRIVILEGES previous = {};
    DWORD previousSize = sizeof(previous);
    AdjustTokenPrivileges(token, FALSE, &request, sizeof(request), &previous, &previousSize);
    if (GetLastError() != ERROR_SUCCESS) return false;

    previous.PrivilegeCount = 1;
    previous.Privileges[0].Luid = luid;
    previous.Privileges[0].Attributes |= SE_PRIVILEGE_ENABLED;
    AdjustTokenPrivileges(token, FALSE, &previous, previousSize, nullptr, nullptr);
    return GetLastError() == ERROR_SUCCESS;
}
