#include "components/os_version.h"

namespace {

struct RtlOsVersionInfoExW {
    ULONG dwOSVersionInfoSize;
    ULONG dwMajorVersion;
    ULONG dwMinorVersion;
    ULONG dwBuildNumber;
    ULONG dwPlatformId;
    WCHAR szCSDVersion[128];
    USHORT wServicePackMajor;
    USHORT wServicePackMinor;
    USHORT wSuiteMask;
    UCHAR wProductType;
    UCHAR wReserved;
};
using RtlGetVersionFn = LONG(WINAPI*)(RtlOsVersionInfoExW*);

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
bool GetVersionRecord(OSVERSIONINFOEXA& info) {
    return GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)) != FALSE;
}
DWORD PackedVersion() { return GetVersion(); }
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

void FillFromPackedVersion(OSVERSIONINFOEXA& info) {
    DWORD packed = PackedVersion();
    info.dwMajorVersion = LOBYTE(LOWORD(packed));
    info.dwMinorVersion = HIBYTE(LOWORD(packed));
    if (!(packed & 0x80000000u)) {
        info.dwPlatformId = VER_PLATFORM_WIN32_NT;
        info.wProductType = VER_NT_WORKSTATION;
    } else if (info.dwMajorVersion >= 4) {
        info.dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    }
}

void AskNtdll(OSVERSIONINFOEXA& info) {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll) return;
    auto rtlGetVersion =
        reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "RtlGetVersion")));
    if (!rtlGetVersion) return;
    RtlOsVersionInfoExW real = {};
    real.dwOSVersionInfoSize = sizeof(real);
    if (rtlGetVersion(&real) != 0) return;
    info.dwMajorVersion = real.dwMajorVersion;
    info.dwMinorVersion = real.dwMinorVersion;
    info.dwBuildNumber = real.dwBuildNumber;
    info.wServicePackMajor = real.wServicePackMajor;
    info.wServicePackMinor = real.wServicePackMinor;
    info.dwPlatformId = real.dwPlatformId;
}

} // namespace

void QueryOSVersion(OSVERSIONINFOEXA& info) {
    ZeroMemory(&info, sizeof(info));
    info.dwOSVersionInfoSize = sizeof(info);
    if (!GetVersionRecord(info)) FillFromPackedVersion(info);
    // Windows 8.1 and later report 6.2 to programs that do not declare them.
    bool serverOrWorkstation = info.wProductType >= VER_NT_WORKSTATION && info.wProductType <= VER_NT_SERVER;
    if (info.dwMajorVersion == 6 && info.dwMinorVersion == 2 && serverOrWorkstation) AskNtdll(info);
}

bool IsWindowsXPSP3OrLater() {
    OSVERSIONINFOEXA wanted = {};
    wanted.dwOSVersionInfoSize = sizeof(wanted);
    wanted.dwMajorVersion = 5;
    wanted.dwMinorVersion = 1;
    wanted.wServicePackMajor = 3;
    wanted.wServicePackMinor = 0;
    DWORDLONG conditions = 0;
    conditions = VerSetConditionMask(conditions, VER_MAJORVERSION, VER_GREATER_EQUAL);
    conditions = VerSetConditionMask(conditions, VER_MINORVERSION, VER_GREATER_EQUAL);
    conditions = VerSetConditionMask(conditions, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    conditions = VerSetConditionMask(conditions, VER_SERVICEPACKMINOR, VER_GREATER_EQUAL);
    return VerifyVersionInfoA(&wanted, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR | VER_SERVICEPACKMINOR,
                              conditions) != FALSE;
}
