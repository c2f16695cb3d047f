// The network installation folder (setting 7006) and the folders it is
// compared with: the launcher's own folder and the temporary folder. Also the
// resolution of configured paths relative to the installation folder.
#include <windows.h>

#include <cstring>

#include "appstate/ini_cache.h"
#include "appstate/path_state.h"
#include "appstate/paths.h"
#include "appstate/settings.h"
#include "framework/strings.h"
#include "launcher/special_settings.h"

using namespace paths_detail;

namespace {

const char* const kInstallIniName = "\\install.ini";

std::string InstallIniPath() { return FullPath(GetProgramFolder() + kInstallIniName); }

// The installation folder's root for a configured "\folder": its drive ("X:")
// or, for a UNC folder, its server and share.
std::string InstallationRoot(const std::string& installFolder) {
    size_t drive = installFolder.find(":\\");
    if (drive != std::string::npos && drive > 0) return installFolder.substr(0, drive + 1);
    char volume[MAX_PATH];
    if (GetVolumePathNameA(installFolder.c_str(), volume, MAX_PATH)) return StripTrailingBackslashes(volume);
    // Some systems (Wine among them) do not resolve volumes of UNC paths; the
    // share is the root there, as Windows reports it.
    if (installFolder.compare(0, 2, "\\\\") == 0) {
        size_t server = installFolder.find('\\', 2);
        if (server != std::string::npos) {
            size_t share = installFolder.find('\\', server + 1);
            return installFolder.substr(0, share);
        }
    }
    return std::string();
}

void CopyCut(const std::string& text, char* buffer, int size) {
    size_t count = text.size() < static_cast<size_t>(size - 1) ? text.size() : static_cast<size_t>(size - 1);
    memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
}

} // namespace

std::string GetModuleFolder() {
    if (!ModuleFolderOverride().empty()) return ModuleFolderOverride();
    char modulePath[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string full = FullPath(std::string(modulePath, length));
    size_t lastSlash = full.rfind('\\');
    return lastSlash == std::string::npos ? std::string() : full.substr(0, lastSlash);
}

std::string GetTempFolder() {
    char buffer[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, buffer);
    if (length == 0 || length >= MAX_PATH) return std::string();
    return StripTrailingBackslashes(std::string(buffer, length));
}

bool IsLocalInstallEnabled() {
    if (IsSpecialSettingSet(kSpecialNoLocalInstall) || GetSettingInt(kSettingHostedEnvironment)) return false;
    return !(GetSettingInt(kSettingCitrixClient) && !GetSettingInt(kSettingLocalInstallOverride));
}

std::string GetInstallPath() {
    std::string moduleFolder = GetModuleFolder();
    // A launcher running from its local copy or from a temporary copy is not
    // in the installation; the folder it came from was recorded in install.ini.
    if (fw::EqualsNoCase(moduleFolder, GetProgramFolder()) || fw::EqualsNoCase(moduleFolder, GetTempFolder())) {
        std::string recorded;
        CacheGetProfileString("Settings", "sDir_InstallPath", "", recorded, InstallIniPath().c_str());
        return recorded;
    }
    return moduleFolder;
}

void SetInstallPath(const std::string& value) {
    if (!IsLocalInstallEnabled()) return;
    std::string programFolder = GetProgramFolder();
    if (fw::EqualsNoCase(value, programFolder) || fw::EqualsNoCase(value, GetTempFolder())) return;
    // The record is also needed before the first local copy exists (a relaunch
    // from the temporary folder reads it), so the folder may have to be made.
    CreateFolderWithParents(programFolder);
    std::string ini = InstallIniPath();
    WritePrivateProfileStringA("Settings", "sDir_InstallPath", value.c_str(), ini.c_str());
    CacheWriteProfileString("Settings", "sDir_InstallPath", value.c_str(), ini.c_str());
}

std::string GetInstallFilePath(const std::string& name) {
    std::string folder = GetInstallPath();
    if (name.empty()) return folder;
    return folder + "\\" + fw::TrimLeft(name, "\\");
}

void ResolveConfiguredPath(const char* path, char* buffer, int size) {
    if (!buffer || size < 1) return;
    std::string given = path ? path : "";
    std::string combined = given;
    bool startsWithDot = !given.empty() && given[0] == '.';
    bool startsWithSingleBackslash = !given.empty() && given[0] == '\\' && (given.size() < 2 || given[1] != '\\');
    if (startsWithDot || startsWithSingleBackslash) {
        std::string installFolder;
        GetSettingString(kSettingInstallPath, installFolder);
        if (!installFolder.empty() && installFolder[0] != '.') {
            combined = startsWithDot ? installFolder + "\\" + given : InstallationRoot(installFolder) + given;
        }
    }
    DWORD length = combined.empty() ? 0 : GetFullPathNameA(combined.c_str(), static_cast<DWORD>(size), buffer, nullptr);
    // Too long for the caller's buffer, or not a path at all: keep the text, cut.
    if (length == 0 || length >= static_cast<DWORD>(size)) CopyCut(combined, buffer, size);
}
