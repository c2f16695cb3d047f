// Real files in a private temp folder, file-time helpers, and a second
// process that rewrites an INI file the way another launcher would.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace ini_test {

// A fresh folder under the temp path; removed with its files afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Writes bytes exactly (no newline translation; embedded NULs kept) and dates
// the file in the past, so that any later write shows as a new last-write
// time even within one tick of the file system's clock.
bool WriteBytes(const std::string& path, const std::string& bytes);
FILETIME LastWriteTime(const std::string& path);
bool SetLastWriteTime(const std::string& path, const FILETIME& time);
bool SameTime(const FILETIME& a, const FILETIME& b);
FILETIME MakeTime(WORD year, WORD month, WORD day);

// How the other process leaves the file's last-write time after its write.
enum class WriterTime { Advance, Keep };
// Runs this test binary again as a writer process: it writes the value with
// the platform's profile writer, then moves the last-write time two seconds
// past what it was before (so a change cannot hide in a coarse clock tick)
// or puts it back. True when the process reported success.
bool WriteFromOtherProcess(const std::string& file, const char* section, const char* key, const char* value,
                           WriterTime time);

// Forgets every cached file before and after each test.
class IniCacheTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    TempFolder folder_;
};

} // namespace ini_test
