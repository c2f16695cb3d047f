#include "appstate/settings.h"

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "framework/strings.h"
#include "launcher/special_settings.h"

namespace {

enum class ValueType { Boolean, Number, String };

struct SettingEntry {
    int number;
    const char* section; // null: the value is not stored in any file
    const char* key;
    ValueType type;
    const char* defaultText;
    const char* fileName; // only for the range that joins the data folder and a name
};

const SettingEntry kCatalogue[] = {
    {kSettingCitrixClient, "Settings", "bGlb_bCitrixClient", ValueType::Boolean, "No", "NETWORK.INI"},
    {kSettingHostedEnvironment, nullptr, nullptr, ValueType::Boolean, "", "NETWORK.INI"},
    {kSettingUseWANPelPath, "Settings", "iGlb_UseWANPelPath", ValueType::Number, "-1", "NETWORK.INI"},
    {kSettingInstallPath, "Settings", "sDir_InstallPath", ValueType::String, "", "NETWORK.INI"},
    {kSettingLocalInstallOverride, "Settings", "LocalInstallOverride", ValueType::Number, "0", "NETWORK.INI"},
};

const SettingEntry* FindEntry(int number) {
    for (const SettingEntry& entry : kCatalogue) {
        if (entry.number == number) return &entry;
    }
    return nullptr;
}

// Stored booleans are "Yes"/"No"; only an upper-case Y counts as yes.
bool StartsWithUpperY(const std::string& text) { return !text.empty() && text[0] == 'Y'; }

std::string ReadStoredText(const SettingEntry& entry) {
    std::string file;
    GetSettingFile(entry.number, entry.fileName, file);
    std::string value;
    CacheGetProfileString(entry.section, entry.key, entry.defaultText, value, file.c_str());
    return value;
}

// Settings that are not read from their file, or only sometimes; true when
// value was decided here.
bool ComputedValue(int number, int& value) {
    switch (number) {
    case kSettingHostedEnvironment:
        value = IsSpecialSettingSet(kSpecialZevarur) ? 1 : 0;
        return true;
    case kSettingCitrixClient:
        if (GetSettingInt(kSettingHostedEnvironment) || IsSpecialSettingSet(kSpecialTSCitrix)) {
            value = 1;
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace

void GetSettingFile(int number, const char* fileName, std::string& out) {
    out.clear();
    if (number >= 1000 && number <= 1999) {
        out = GetDataFolder() + "\\" + (fileName ? fileName : "");
    } else if (number >= 7000 && number <= 7999) {
        // Always the workstation's own file, even when "/CFG:" named another.
        LocateUserConfigFile(out);
    }
}

int GetSettingInt(int number) {
    int value = 0;
    if (ComputedValue(number, value)) return value;
    const SettingEntry* entry = FindEntry(number);
    if (!entry || !entry->section) return 0;
    std::string text = ReadStoredText(*entry);
    switch (entry->type) {
    case ValueType::Boolean:
        return StartsWithUpperY(text) ? 1 : 0;
    case ValueType::Number:
        return StartsWithUpperY(text) ? 1 : fw::Atoi(text);
    case ValueType::String:
        return 0;
    }
    return 0;
}

int GetSettingString(int number, std::string& out) {
    out.clear();
    if (number == kSettingInstallPath) {
        out = GetInstallPath();
        return 1;
    }
    const SettingEntry* entry = FindEntry(number);
    if (entry && entry->section) out = ReadStoredText(*entry);
    return 1;
}

int SetSettingString(int number, const std::string& value) {
    if (number == kSettingInstallPath) {
        SetInstallPath(value);
        return 1;
    }
    const SettingEntry* entry = FindEntry(number);
    if (entry && entry->section) {
        std::string file;
        GetSettingFile(number, entry->fileName, file);
        CacheWriteProfileString(entry->section, entry->key, value.c_str(), file.c_str());
    }
    return 1;
}
