#include "launcher/main_program_launch.h"

#include "companions/companions.h"
#include "framework/app.h"
#include "framework/handles.h"
#include "framework/prompter.h"
#include "framework/strings.h"
#include "launcher/arguments.h"
#include "launcher/install_folder.h"
#include "launcher/launch_request.h"

namespace {

// Without an application object (a test or a tool): the key the launcher's
// own application object uses.
std::string LaunchKeyPath() {
    return std::string("Software\\Pellmore\\") + fw::kApplicationTitle + "\\" + companions::kLaunchSection;
}

} // namespace

int GetLaunchBit() {
    if (CWinApp* app = AfxGetApp())
        return static_cast<int>(app->GetProfileInt(companions::kLaunchSection, companions::kLaunchBitEntry, 0));
    fw::RegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, LaunchKeyPath().c_str(), 0, KEY_READ, key.Out()) != ERROR_SUCCESS) return 0;
    DWORD value = 0, type = 0, size = sizeof(value);
    if (RegQueryValueExA(key.Get(), companions::kLaunchBitEntry, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return 0;
    return static_cast<int>(value);
}

bool SetLaunchBit() {
    if (CWinApp* app = AfxGetApp())
        return app->WriteProfileInt(companions::kLaunchSection, companions::kLaunchBitEntry, 1);
    std::string path = LaunchKeyPath();
    fw::RegKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                        key.Out(), nullptr) != ERROR_SUCCESS)
        return false;
    DWORD one = 1;
    return RegSetValueExA(key.Get(), companions::kLaunchBitEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one),
                          sizeof(one)) == ERROR_SUCCESS;
}

void LaunchMainProgram(StatusSink* status, const char* extra) {
    if (status) status->SetStatus("Loading Pellmore Orvo...");
    SetLaunchBit();

    LaunchRequest request(companions::kMainProgramExe);
    request.workingFolder = GetMainProgramFolder();
    // The launcher's own "/CFG:" and "/USER:" travel in its arguments.
    request.configuration.clear();
    request.user.clear();
    request.extraArguments = BuildArgumentString();
    if (extra && *extra) request.extraArguments += fw::Format(" %s", extra);
    request.Launch(SW_SHOWNORMAL);
}
