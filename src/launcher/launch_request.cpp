#include "launcher/launch_request.h"

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "framework/app.h"
#include "framework/strings.h"

#include <windows.h>
#include <shellapi.h>

#include <ctime>

namespace {

long long SystemClock() { return static_cast<long long>(_time64(nullptr)); }

PassKeyClock g_clock = &SystemClock;

// The launcher's own file name; false when its path has no folder part.
bool GetLauncherFileName(std::string& name) {
    char module[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path = module;
    size_t slash = path.find_last_of('\\');
    if (slash == std::string::npos) return false;
    name = path.substr(slash + 1);
    return true;
}

std::string CurrentFolder() {
    char buffer[MAX_PATH + 1] = {};
    DWORD length = GetCurrentDirectoryA(sizeof(buffer), buffer);
    return length > 0 && length < sizeof(buffer) ? std::string(buffer, length) : std::string();
}

} // namespace

PassKeyClock SetPassKeyClock(PassKeyClock clock) {
    PassKeyClock previous = g_clock;
    g_clock = clock ? clock : &SystemClock;
    return previous;
}

std::string MakePassKey(const std::string& user, long long now) {
    if (user.empty()) return std::string();
    std::string digits = fw::Format("%lld", now);
    std::string key;
    for (size_t i = 0; i < digits.size(); ++i) {
        // Both sides as signed 8-bit values, as the main program computes it.
        int mixed = static_cast<signed char>(digits[i]) ^ static_cast<signed char>(user[i % user.size()]);
        key += fw::Format("%03d", mixed);
    }
    return key;
}

// The installation's agency is kept with the other installation-wide values:
// "iGlb_AgencyNumber" in section "Settings" of the data folder's
// "Network.ini". A missing file, key or a number below 1 means no agency.
long LookupAgencyNumber() {
    std::string file = GetNetworkIniPath();
    if (file.empty()) return 0;
    int number = CacheGetProfileInt("Settings", "iGlb_AgencyNumber", 0, file.c_str());
    return number > 0 ? number : 0;
}

LaunchRequest::LaunchRequest(const std::string& executableArg) : executable(executableArg) {}

std::string LaunchRequest::BuildCommandLine() {
    std::string result;
    if (!configuration.empty()) {
        if (configuration == kCurrentConfig) configuration = GetConfigurationFile();
        result += fw::Format(" /CFG:\"%s\"", configuration.c_str());
    }

    if (!login.empty()) {
        result += fw::Format(" /LOGIN:%s", login.c_str());
        if (!password.empty()) result += fw::Format(" /PASSWORD:%s", password.c_str());
    } else if (!user.empty()) {
        if (user == kCurrentUser) {
            user = GetUserInitials();
            result += " /NoOfficePrompt";
        }
        result += fw::Format(" /USER:%s", user.c_str());
        result += fw::Format(" /PASSKEY:\"%s\"", MakePassKey(user, g_clock()).c_str());
    }

    if (clientNumber != 0)
        result += fw::Format(" %08ld.cli", clientNumber);
    else if (!document.empty())
        result += fw::Format(" \"%s\"", document.c_str());

    if (agencyNumber < 1) agencyNumber = LookupAgencyNumber();
    extraArguments += fw::Format(" /AGENCYID:%ld", agencyNumber);

    if (loadPolicy != -1) result += fw::Format(" /LOADPOLICY:%d", loadPolicy);
    if (!extraArguments.empty()) result += fw::Format(" %s", extraArguments.c_str());

    std::string launcher;
    if (GetLauncherFileName(launcher)) result += fw::Format(" /LaunchSrc:\"%s\"", launcher.c_str());
    return result;
}

bool LaunchRequest::Launch(int showCommand) {
    std::string commandLine = BuildCommandLine();
    std::string folder = workingFolder.empty() ? CurrentFolder() : workingFolder;
    CWinApp* app = AfxGetApp();
    HWND owner = app ? app->m_hMainWnd : nullptr;
    HINSTANCE started = ShellExecuteA(owner, runAsAdministrator ? "RunAs" : nullptr, executable.c_str(),
                                      commandLine.c_str(), folder.empty() ? nullptr : folder.c_str(), showCommand);
    return reinterpret_cast<INT_PTR>(started) > 32;
}
