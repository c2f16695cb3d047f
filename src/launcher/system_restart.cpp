#include "launcher/system_restart.h"

#include "framework/handles.h"
#include "framework/replaceable.h"

#include <windows.h>

namespace {

// Reason "application: installation" (major 0x40000, minor 2), without the
// planned flag.
const DWORD kRestartReason = 0x40002;

fw::Replaceable<SystemRestart> g_restart;

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

SystemRestart& GetSystemRestart() { return g_restart.Get(); }

SystemRestart* SetSystemRestart(SystemRestart* restart) { return g_restart.Set(restart); }
