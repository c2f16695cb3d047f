// Real files in a private temp folder, and a second process that rewrites an
// INI file the way another launcher would.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace ini_test {

// Writes bytes exactly (embedded NULs kept) and dates the file in the past,
// so any later write shows as a new last-write time even within one tick of
// the file system's clock.
bool WriteBytes(const std::string& path, const std::string& bytes);
ULONGLONG LastWriteTime(const std::string& path);
bool SetLastWriteTime(const std::string& path, ULONGLONG time);

// Runs this test binary again as a writer process: it writes the value with
// the platform's profile writer, then moves the last-write time two seconds
// on (Advance) or puts it back (Keep). True when the writer succeeded.
enum class WriterTime { Advance, Keep };
bool WriteFromOtherProcess(const std::string& file, const char* key, const char* value, WriterTime time);

// A fresh temp folder (removed with its files afterwards) and an empty cache.
class IniCacheTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string File(const std::string& name) const { return folder_ / name; }
    // Reads through the cache with "<default>" as the default.
    std::string Read(const std::string& file, const char* section, const char* key);

    test_support::TempFolder folder_{"orvo_ini"};
};

} // namespace ini_test
