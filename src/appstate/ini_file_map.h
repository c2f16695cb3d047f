// The process-wide root of the INI cache: one FileSectionsMap per file path
// (as the caller spelled it, compared without letter case) and the one lock
// that guards the whole tree.
#pragma once

#include "appstate/ini_file_sections.h"
#include "appstate/owning_string_map.h"
#include "framework/critical_section.h"

#include <string>

class INIFileMap : public CMapStringToMapT<FileSectionsMap> {
public:
    // False, leaving out untouched, when file is null or empty.
    bool GetString(const char* section, const char* key, const char* def, std::string& out, const char* file);
    // False when file is null or empty; otherwise the file entry's result.
    bool WriteString(const char* section, const char* key, const char* value, const char* file);
    // Forgets one file (null: every file) and returns to checking file times.
    void Flush(const char* file);

    // Mode 2 (check the file time) is the only one the launcher uses; the
    // others exist for tools and tests.
    void SetCacheMode(int mode);
    int CacheMode();

private:
    int cacheMode_ = kIniCheckFileTime;
    CriticalSection lock_;
};

// Created on first use, destroyed when the process ends; never null.
INIFileMap& GetINIFileMap();
