// Process-wide, thread-safe cache of parsed INI files. Reads are served from
// memory while the file's last-write time is unchanged; writes go through the
// platform's profile writer so the file on disk stays exactly as Windows
// writes it. Argument order follows the platform's profile functions; a null
// pointer keeps the platform meaning (null key deletes a section, null value
// deletes a key).
#pragma once

#include <windows.h>

#include <string>

// Copies the value (or the trimmed default) into buffer, truncated to size-1
// characters; returns the number of characters placed.
int CacheGetProfileString(const char* section, const char* key, const char* def, char* buffer, int size,
                          const char* file);
// Reads into a string; false only when file is null or empty.
bool CacheGetProfileString(const char* section, const char* key, const char* def, std::string& out,
                           const char* file);
int CacheGetProfileInt(const char* section, const char* key, int def, const char* file);
bool CacheWriteProfileString(const char* section, const char* key, const char* value, const char* file);

// Bypass the cache: exactly what the operating system reads and writes.
DWORD ReadProfileString(const char* section, const char* key, const char* def, std::string& out,
                        const char* file);
bool WriteProfileInt(const char* section, const char* key, int value, const char* file);

// Forgets the cached copy of file, or of every file when file is null.
void FlushINICache(const char* file);
