#include "launcher/system_restart.h"

#include "framework/handles.h"

#include <windows.h>

namespace {

// Application: installation (planned).
const DWORD kRestartReason = 0x40002;

SystemRestart* g_restart = nullptr;

} // namespace

bool SystemRestart::Restart() {
    fw::Handle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Out())) return false;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return false;
    AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr);
    return ExitWindowsEx(EWX_REBOOT, kRestartReason) != FALSE;
}

SystemRestart& GetSystemRestart() {
    static SystemRestart system;
    return g_restart ? *g_restart : system;
}

SystemRestart* SetSystemRestart(SystemRestart* restart) {
    SystemRestart* previous = g_restart;
    g_restart = restart;
    return previous;
}
