// The cached contents of one INI file, with what is needed to tell whether
// the file on disk has changed since it was parsed. Not locked itself: the
// owning INIFileMap holds its lock around every call.
#pragma once

#include "appstate/ini_section_map.h"
#include "appstate/owning_string_map.h"

#include <windows.h>

#include <string>

// How much the cache trusts its copy of a file.
enum IniCacheMode {
    kIniPassThrough = 0, // every read goes to the platform
    kIniLoadOnce = 1,    // parsed on first use, never tested again
    kIniCheckFileTime = 2 // parsed again whenever the last-write time changes
};

class FileSectionsMap : public CMapStringToMapT<SectionMap> {
public:
    FileSectionsMap() = default;

    // Forgets every section and returns to the never-loaded state.
    void Clear() override;

    // Parses file into the cache; true when at least one line was examined.
    bool Load(const char* file);
    // True when the cached copy must not be trusted (never loaded, or the
    // file's last-write time moved since the load).
    bool IsStale();

    // Always true. out receives the cached value, the default, or what the
    // platform reads when the file could not be loaded.
    bool GetString(const char* section, const char* key, const char* def, std::string& out, const char* file);
    // The platform writer's result; true without writing when the cache shows
    // the value is already there.
    bool WriteString(const char* section, const char* key, const char* value, const char* file);
    void RemoveSection(const char* section);

    int CacheMode() const { return cacheMode_; }
    void SetCacheMode(int mode) { cacheMode_ = mode; }
    const std::string& FilePath() const { return filePath_; }
    bool LoadFailed() const { return loadFailed_; }

private:
    bool MayKeepCachedCopy();
    std::string PassThroughRead(const char* section, const char* key, const char* def, const std::string& out,
                                const char* file) const;

    std::string filePath_;
    FILETIME lastWriteTime_ = {0, 0};
    bool stale_ = true;
    int cacheMode_ = kIniCheckFileTime;
    bool loadFailed_ = false;
};
