// Settings addressed by number: the number's range selects the INI file, the
// catalogue gives section, key, type and default. A few numbers are computed
// from marker files or from the installation-folder rules instead.
#pragma once

#include <string>

enum SettingNumber {
    kSettingCitrixClient = 1000,         // bGlb_bCitrixClient, NETWORK.INI
    kSettingHostedEnvironment = 1009,    // the "Pellmore.Zevarur.inc" marker
    kSettingUseWANPelPath = 1036,        // iGlb_UseWANPelPath, NETWORK.INI
    kSettingInstallPath = 7006,          // sDir_InstallPath, installation-folder rules
    kSettingLocalInstallOverride = 7007, // LocalInstallOverride, per-user configuration file
};

int GetSettingInt(int number);
// Only setting 7006 is a string; both return 1.
int GetSettingString(int number, std::string& out);
int SetSettingString(int number, const std::string& value);
// The INI file that holds a setting of this number.
void GetSettingFile(int number, const char* fileName, std::string& out);
