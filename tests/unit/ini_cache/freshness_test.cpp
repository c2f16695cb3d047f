// When the cache trusts its copy and when it goes back to the disk: changes by
// other processes, writes that change nothing, files that do not exist yet.
#include "ini_test_support.h"

#include "appstate/ini_cache.h"
#include "appstate/ini_file_map.h"
#include "framework/handles.h"

#include <gtest/gtest.h>

using ini_test::IniCacheTest;
using ini_test::WriterTime;

namespace {

std::string Read(const std::string& path, const char* section, const char* key) {
    std::string out;
    EXPECT_TRUE(CacheGetProfileString(section, key, "<default>", out, path.c_str()));
    return out;
}

using IniFreshnessTest = IniCacheTest;

TEST_F(IniFreshnessTest, ChangesByAnotherProcessShowThroughTheLastWriteTime) {
    const std::string path = folder_.File("shared.ini");
    ASSERT_TRUE(ini_test::WriteBytes(path, "[S]\r\nKey=old\r\n"));
    EXPECT_EQ(Read(path, "S", "Key"), "old");

    ASSERT_TRUE(ini_test::WriteFromOtherProcess(path, "S", "Key", "new", WriterTime::Advance));
    EXPECT_EQ(Read(path, "S", "Key"), "new");

    // A change that leaves the last-write time as it was cannot be seen...
    ASSERT_TRUE(ini_test::WriteFromOtherProcess(path, "S", "Key", "hid", WriterTime::Keep));
    EXPECT_EQ(Read(path, "S", "Key"), "new");
    // ...until the cached copy is forgotten.
    FlushINICache(path.c_str());
    EXPECT_EQ(Read(path, "S", "Key"), "hid");
}

TEST_F(IniFreshnessTest, PathsDifferingOnlyInCaseShareOneCachedCopy) {
    const std::string path = folder_.File("case.ini");
    ASSERT_TRUE(ini_test::WriteBytes(path, "[S]\r\nKey=old\r\n"));
    std::string upper = path;
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(Read(path, "S", "Key"), "old");
    ASSERT_TRUE(ini_test::WriteFromOtherProcess(path, "S", "Key", "hid", WriterTime::Keep));
    EXPECT_EQ(Read(upper, "S", "Key"), "old");
    FlushINICache(upper.c_str());
    EXPECT_EQ(Read(path, "S", "Key"), "hid");
}

TEST_F(IniFreshnessTest, WritingTheCachedValueDoesNotTouchTheFile) {
    const std::string path = folder_.File("same.ini");
    ASSERT_TRUE(ini_test::WriteBytes(path, "[S]\r\nKey=same\r\n"));
    const FILETIME past = ini_test::LastWriteTime(path);
    EXPECT_EQ(Read(path, "S", "key"), "same");

    {
        // While nobody may write the file, only a write that changes nothing can succeed.
        fw::Handle blocker(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(blocker);
        EXPECT_TRUE(CacheWriteProfileString("s", "KEY", "same", path.c_str()));
        EXPECT_FALSE(CacheWriteProfileString("S", "Key", "Same", path.c_str()));
    }
    EXPECT_TRUE(ini_test::SameTime(ini_test::LastWriteTime(path), past));

    // The comparison is exact: a change of letter case is a change.
    EXPECT_TRUE(CacheWriteProfileString("S", "Key", "Same", path.c_str()));
    EXPECT_FALSE(ini_test::SameTime(ini_test::LastWriteTime(path), past));
    EXPECT_EQ(Read(path, "S", "Key"), "Same");
}

TEST_F(IniFreshnessTest, WritesUpdateReadsAndDeleteKeysAndSections) {
    const std::string path = folder_.File("edit.ini");
    ASSERT_TRUE(ini_test::WriteBytes(path, "[S]\r\nKeep=1\r\nGone=2\r\n[T]\r\nKey=3\r\n"));
    EXPECT_EQ(Read(path, "S", "Keep"), "1");

    EXPECT_TRUE(CacheWriteProfileString("S", "Added", "4", path.c_str()));
    EXPECT_TRUE(CacheWriteProfileString("S", "Gone", nullptr, path.c_str()));
    EXPECT_TRUE(CacheWriteProfileString("T", nullptr, nullptr, path.c_str()));
    EXPECT_EQ(Read(path, "S", "Added"), "4");
    EXPECT_EQ(Read(path, "S", "Gone"), "<default>");
    EXPECT_EQ(Read(path, "T", "Key"), "<default>");
    EXPECT_EQ(Read(path, "S", "Keep"), "1");
    // The platform sees the same file.
    std::string out;
    ReadProfileString("S", "Gone", "<none>", out, path.c_str());
    EXPECT_EQ(out, "<none>");
    EXPECT_FALSE(CacheWriteProfileString("S", "Key", "v", nullptr));
}

TEST_F(IniFreshnessTest, OwnWritesAreReadBackAsThePlatformWroteThem) {
    const std::string path = folder_.File("own.ini");
    ASSERT_TRUE(ini_test::WriteBytes(path, "[S]\r\nKey=old\r\n"));
    const FILETIME past = ini_test::LastWriteTime(path);
    EXPECT_EQ(Read(path, "S", "Key"), "old");
    EXPECT_TRUE(CacheWriteProfileString("S", "Key", "\"quoted\"", path.c_str()));
    // As if the write had fallen within the clock tick of the load.
    ASSERT_TRUE(ini_test::SetLastWriteTime(path, past));
    EXPECT_EQ(Read(path, "S", "Key"), "quoted");
}

TEST_F(IniFreshnessTest, AFileCreatedAfterAFailedReadIsStillReadCorrectly) {
    const std::string path = folder_.File("later.ini");
    EXPECT_EQ(Read(path, "S", "Key"), "<default>");
    EXPECT_EQ(CacheGetProfileInt("S", "Key", 9, path.c_str()), 9);

    EXPECT_TRUE(CacheWriteProfileString("S", "Key", "created", path.c_str()));
    EXPECT_EQ(Read(path, "S", "Key"), "created");
    ASSERT_TRUE(ini_test::WriteFromOtherProcess(path, "S", "Key", "changed", WriterTime::Advance));
    EXPECT_EQ(Read(path, "S", "Key"), "changed");

    // Once forgotten, the file is cached like any other.
    FlushINICache(path.c_str());
    EXPECT_EQ(Read(path, "S", "Key"), "changed");
    ASSERT_TRUE(ini_test::WriteFromOtherProcess(path, "S", "Key", "hid", WriterTime::Keep));
    EXPECT_EQ(Read(path, "S", "Key"), "changed");
}

TEST_F(IniFreshnessTest, AnEmptyFileIsReadThroughThePlatform) {
    const std::string path = folder_.File("empty.ini");
    ASSERT_TRUE(ini_test::WriteBytes(path, ""));
    EXPECT_EQ(Read(path, "S", "Key"), "<default>");
    ASSERT_TRUE(ini_test::WriteFromOtherProcess(path, "S", "Key", "filled", WriterTime::Advance));
    EXPECT_EQ(Read(path, "S", "Key"), "filled");
}

TEST_F(IniFreshnessTest, LoadOnceModeNeverReloadsAndPassThroughNeverCaches) {
    const std::string path = folder_.File("modes.ini");
    ASSERT_TRUE(ini_test::WriteBytes(path, "[S]\r\nKey=old\r\n"));
    GetINIFileMap().SetCacheMode(kIniLoadOnce);
    EXPECT_EQ(Read(path, "S", "Key"), "old");
    ASSERT_TRUE(ini_test::WriteFromOtherProcess(path, "S", "Key", "new", WriterTime::Advance));
    EXPECT_EQ(Read(path, "S", "Key"), "old");

    GetINIFileMap().SetCacheMode(kIniPassThrough);
    EXPECT_EQ(Read(path, "S", "Key"), "new");

    FlushINICache(nullptr);
    EXPECT_EQ(GetINIFileMap().CacheMode(), kIniCheckFileTime);
}

} // namespace
