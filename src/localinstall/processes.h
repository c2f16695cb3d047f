// Which programs run from a folder, which windows they show, whether a program
// is already running, and closing programs by force. Stateless queries over
// the system's process list (PSAPI) and window list; results go into lists the
// caller owns, in the order the system enumerates the processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CProcesses {
public:
    struct process {
        std::string path; // executable of the process's first module
        DWORD id = 0;
    };

    using IdList = std::vector<DWORD>;
    using WindowList = std::vector<HWND>;
    using StringList = std::vector<std::string>;
    using ProcessList = std::vector<process>;
    // Program-name filter: a path passes when its file name equals (ignoring
    // case) the file name of one entry. A null filter lets every path pass.
    using NameFilter = const StringList*;

    // Replaces ids by the identifiers of all processes; false when the system refuses.
    static bool EnumProcessIds(IdList& ids);
    // "<unknown>" when the process cannot be opened or its modules cannot be read.
    static std::string GetProcessPath(DWORD id);
    static std::string GetProcessBaseName(DWORD id);

    // Processes whose upper-cased executable path lies in the folder or one of
    // its sub-folders. The lists are appended to; the result is the number added.
    static int ListProcessPaths(const std::string& folder, StringList& paths, NameFilter filter = nullptr);
    static int ListProcessesInFolder(const std::string& folder, ProcessList& processes, NameFilter filter = nullptr);
    // Every process that passes the filter, with the path as the system reports it.
    static int ListProcesses(ProcessList& processes, NameFilter filter = nullptr);
    // Titles of the visible, titled top-level windows of the folder's
    // processes; a process without one is listed by its upper-cased path.
    static void ListProgramWindows(const std::string& folder, StringList& entries, NameFilter filter = nullptr);

    // Top-level windows of the process (0: the current process), appended.
    static bool EnumProcessWindows(WindowList& windows, DWORD id);
    // Whether another process with that file name shows a window that would
    // appear on the taskbar.
    static bool IsProgramRunning(const std::string& programName);

    // Asks every window of the process to close (one second each), then
    // terminates the process whether or not they closed.
    static bool TerminateProcessById(DWORD id);
    // Terminates every process whose executable path (made absolute first) or,
    // with compareBaseNames, whose executable file name equals the text.
    static void TerminateProcessesByPath(const std::string& path, bool compareBaseNames);
    static bool EnableDebugPrivilege(HANDLE token);

    static bool PassesFilter(const std::string& path, NameFilter filter);
    static std::string FolderPrefix(const std::string& folder);
};
