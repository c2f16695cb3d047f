// The agency's data folders named in the configuration file: the data folder,
// the shared (WAN) data folder of multi-office agencies and the client folder,
// with the files found in them.
#include <windows.h>

#include "appstate/ini_cache.h"
#include "appstate/path_state.h"
#include "appstate/paths.h"
#include "appstate/settings.h"
#include "framework/prompter.h"
#include "framework/strings.h"

using namespace paths_detail;

namespace {

const char* const kUnassignedComputerMessage =
    "This computer has not been assigned to an office.\n"
    "To fix, go to Settings | Agency Information in the Orvo.\n\n"
    "Show this message again?";

std::string ReadFolderValue(const char* key, const char* defaultValue, const std::string& file) {
    std::string value;
    CacheGetProfileString("Settings", key, defaultValue, value, file.c_str());
    return fw::Truncate(value, kMaxPathChars);
}

std::string ResolveFolder(const std::string& value) {
    char buffer[kMaxPathChars + 1];
    ResolveConfiguredPath(value.c_str(), buffer, sizeof(buffer));
    return buffer;
}

bool UsesSharedDataFolder(int multiAgencyType) {
    int use = GetSettingInt(kSettingUseWANPelPath);
    return use == 1 || ((multiAgencyType == 2 || multiAgencyType == 3) && use == -1);
}

// A computer of a multi-office agency belongs to one office; until it does,
// the user is reminded at every start unless they decline further reminders.
void CheckComputerAssignment() {
    std::string file = GetConfigurationFile();
    if (CacheGetProfileInt("Settings", "iGlb_MultiAgencyComputerID", -1, file.c_str()) != -1) return;
    if (CacheGetProfileInt("Messages", "MultiAgencyComputerID", 0, file.c_str()) == 1) return;
    if (AfxMessageBox(kUnassignedComputerMessage, MB_YESNO | MB_ICONWARNING) == IDYES) return;
    CacheWriteProfileString("Messages", "MultiAgencyComputerID", "1", file.c_str());
    CacheWriteProfileString(nullptr, nullptr, nullptr, file.c_str());
}

} // namespace

std::string GetDataFolder() {
    PathState& state = State();
    if (!state.dataFolder) {
        std::string value = ReadFolderValue("sDir_Pel", "", GetConfigurationFile());
        if (value.empty()) {
            GetSettingString(kSettingInstallPath, value);
            value = fw::Truncate(value, kMaxPathChars);
        }
        state.dataFolder = ResolveFolder(value);
    }
    return *state.dataFolder;
}

std::string GetWANDataFolder() {
    std::string dataFolder = GetDataFolder();
    PathState& state = State();
    if (state.wanDataFolder) return *state.wanDataFolder;
    int type = GetMultiAgencyType();
    std::string value;
    if (UsesSharedDataFolder(type)) {
        value = ReadFolderValue("sDir_WANPel", "", GetConfigurationFile());
        if (value.empty()) value = ReadFolderValue("sDir_WANPel", "", GetNetworkIniPath());
    }
    state.wanDataFolder = value.empty() ? dataFolder : ResolveFolder(value);
    if (type >= 1 && type <= 3) CheckComputerAssignment();
    return *state.wanDataFolder;
}

std::string GetClientFolder() {
    PathState& state = State();
    if (!state.clientFolder) {
        state.clientFolder = ResolveFolder(ReadFolderValue("sDir_Client", "\\PEL\\CLIENT", GetConfigurationFile()));
    }
    return *state.clientFolder;
}

std::string GetNetworkIniPath() { return GetDataFolder() + "\\Network.ini"; }

std::string GetDebugLogPath() {
    std::string logs = GetWANDataFolder() + "\\Logs";
    CreateFolderWithParents(logs);
    return logs + "\\Debug.log";
}

int GetMultiAgencyType() {
    char text[16] = {};
    CacheGetProfileString("Settings", "iGlb_MultiAgencyType", "", text, sizeof(text), GetNetworkIniPath().c_str());
    int type = fw::Atoi(text);
    return type < 0 ? 0 : type;
}
