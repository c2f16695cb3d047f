// The workstation's configuration file ("PELL.INI"): where it is, how a new
// workstation gets its first copy, and switching to another file ("/CFG:").
#include <windows.h>

#include "appstate/ini_cache.h"
#include "appstate/path_state.h"
#include "appstate/paths.h"
#include "framework/strings.h"

using namespace paths_detail;

namespace {

const char* const kConfigFileName = "PELL.INI";
// What GetAppDataFolder gives when no product folder could be found at all.
const char* const kNoFolderConfigFile = "\\PELL.INI";
const char* const kLastResortConfigFile = "C:\\PELL.INI";

bool IsFolderless(const std::string& candidate) { return fw::EqualsNoCase(candidate, kNoFolderConfigFile); }

} // namespace

void LocateUserConfigFile(std::string& out) {
    std::string candidate = GetAppDataFolder(AppDataKind::Local, kConfigFileName);
    if (IsFolderless(candidate)) {
        candidate = GetAppDataFolder(AppDataKind::Common, kConfigFileName);
        if (IsFolderless(candidate)) {
            candidate = kLastResortConfigFile;
        } else if (!IsExistingFile(candidate)) {
            CopyFileA(kLastResortConfigFile, candidate.c_str(), TRUE);
        }
    } else if (!IsExistingFile(candidate)) {
        // A new workstation starts from the machine-wide copy; an existing
        // per-user file is never replaced (CopyFileA fails when it exists).
        std::string source = GetAppDataFolder(AppDataKind::Common, kConfigFileName);
        if (IsFolderless(source)) source = kLastResortConfigFile;
        size_t lastSlash = candidate.rfind('\\');
        if (lastSlash != std::string::npos) CreateFolderWithParents(candidate.substr(0, lastSlash));
        CopyFileA(source.c_str(), candidate.c_str(), TRUE);
    }
    out = candidate;
}

std::string GetConfigurationFile() {
    PathState& state = State();
    if (state.configFile.empty()) LocateUserConfigFile(state.configFile);
    return state.configFile;
}

int SetConfigurationFile(const std::string& path) {
    PathState& state = State();
    state.configFile = path;
    state.dataFolder.reset();
    state.wanDataFolder.reset();
    state.clientFolder.reset();
    std::string localAppData;
    CacheGetProfileString("Settings", "LocalAppData", "", localAppData, path.c_str());
    if (!localAppData.empty()) GetLocalAppDataFolder(localAppData.c_str());
    return 1;
}
