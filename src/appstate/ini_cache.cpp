#include "appstate/ini_cache.h"

#include "appstate/ini_file_map.h"
#include "framework/strings.h"

#include <cstring>

namespace {

// Copies text into buffer, cut to what size characters (terminator included)
// can hold; returns the number of characters copied.
int CopyTruncated(const std::string& text, char* buffer, int size) {
    const size_t room = size > 1 ? static_cast<size_t>(size) - 1 : 0;
    const size_t count = text.size() < room ? text.size() : room;
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

bool HasFile(const char* file) { return file && *file; }

} // namespace

int CacheGetProfileString(const char* section, const char* key, const char* def, char* buffer, int size,
                          const char* file) {
    if (!buffer) return 0;
    const std::string trimmedDefault = fw::TrimRight(def ? def : "");
    buffer[0] = '\0';
    if (!HasFile(file)) return trimmedDefault.empty() ? 0 : CopyTruncated(trimmedDefault, buffer, size);
    if (size < 2) return 0;
    std::string value;
    GetINIFileMap().GetString(section, key, trimmedDefault.c_str(), value, file);
    return CopyTruncated(value, buffer, size);
}

bool CacheGetProfileString(const char* section, const char* key, const char* def, std::string& out,
                           const char* file) {
    return GetINIFileMap().GetString(section, key, def, out, file);
}

int CacheGetProfileInt(const char* section, const char* key, int def, const char* file) {
    if (!HasFile(file)) return def;
    std::string value;
    GetINIFileMap().GetString(section, key, "", value, file);
    return value.empty() ? def : fw::Atoi(value);
}

bool CacheWriteProfileString(const char* section, const char* key, const char* value, const char* file) {
    return GetINIFileMap().WriteString(section, key, value, file);
}

DWORD ReadProfileString(const char* section, const char* key, const char* def, std::string& out,
                        const char* file) {
    char buffer[MAX_PATH] = "";
    DWORD result = GetPrivateProfileStringA(section, key, def, buffer, MAX_PATH, file);
    out = buffer;
    return result;
}

bool WriteProfileInt(const char* section, const char* key, int value, const char* file) {
    return WritePrivateProfileStringA(section, key, fw::Format("%d", value).c_str(), file) != FALSE;
}

void FlushINICache(const char* file) { GetINIFileMap().Flush(file); }
