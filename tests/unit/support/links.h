// Directory links for tests of tree walks. Wine 8 accepts CreateSymbolicLink
// without making anything, but shows a Unix symbolic link as a directory
// reparse point, and runs Unix programs through CreateProcess: so the link is
// made with /bin/ln on the Unix paths of both folders.
#pragma once

#include <windows.h>

#include <string>

namespace test_support {

inline bool IsDirectoryLink(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

inline std::string UnixPathOf(const std::string& path) {
    using UnixNameFn = char*(CDECL*)(LPCWSTR);
    auto unixName = reinterpret_cast<UnixNameFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) return std::string();
    wchar_t wide[MAX_PATH] = L"";
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* name = unixName(wide);
    if (!name) return std::string();
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// A directory link at link pointing to target (an existing folder).
inline bool MakeDirectoryLink(const std::string& link, const std::string& target) {
    if (CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) && IsDirectoryLink(link))
        return true;
    std::string unixTarget = UnixPathOf(target), unixLink = UnixPathOf(link);
    if (unixTarget.empty() || unixLink.empty()) return false;
    std::string command = "Z:\\bin\\ln -s \"" + unixTarget + "\" \"" + unixLink + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA("Z:\\bin\\ln", &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Wine does not let a Unix program's handle be waited for: poll.
    for (int i = 0; i < 100 && !IsDirectoryLink(link); ++i) Sleep(50);
    return IsDirectoryLink(link);
}

} // namespace test_support
