#include "appstate/ini_file_map.h"

bool INIFileMap::GetString(const char* section, const char* key, const char* def, std::string& out,
                           const char* file) {
    CSScopeLock lock(&lock_);
    if (!file || !*file) return false;
    FileSectionsMap* entry = GetMap(file, true);
    if (entry->CacheMode() != cacheMode_) entry->SetCacheMode(cacheMode_);
    return entry->GetString(section, key, def, out, file);
}

bool INIFileMap::WriteString(const char* section, const char* key, const char* value, const char* file) {
    CSScopeLock lock(&lock_);
    if (!file || !*file) return false;
    return GetMap(file, true)->WriteString(section, key, value, file);
}

void INIFileMap::Flush(const char* file) {
    CSScopeLock lock(&lock_);
    cacheMode_ = kIniCheckFileTime;
    if (!file) {
        Clear();
        return;
    }
    if (FileSectionsMap* entry = GetMap(file, false)) entry->Clear();
}

void INIFileMap::SetCacheMode(int mode) {
    CSScopeLock lock(&lock_);
    cacheMode_ = mode;
}

int INIFileMap::CacheMode() {
    CSScopeLock lock(&lock_);
    return cacheMode_;
}

INIFileMap& GetINIFileMap() {
    static INIFileMap map;
    return map;
}
