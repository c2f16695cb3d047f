// When the cache trusts its copy and when it goes back to the disk: changes by
// other processes, writes that change nothing, files that do not exist yet.
#include "ini_test_support.h"

#include "appstate/ini_cache.h"
#include "appstate/ini_file_map.h"
#include "framework/handles.h"
#include "framework/strings.h"

#include <gtest/gtest.h>

namespace {

using ini_test::WriterTime;
using IniFreshnessTest = ini_test::IniCacheTest;

TEST_F(IniFreshnessTest, ChangesByAnotherProcessShowThroughTheLastWriteTime) {
    const std::string path = File("shared.ini");
    ASSERT_TRUE(ini_test::WriteBytes(path, "[S]\r\nKey=old\r\n"));
    EXPECT_EQ(Read(path, "S", "Key"), "old");
    ASSERT_TRUE(ini_test::WriteFromOtherProcess(path, "Key", "new", WriterTime::Advance));
    EXPECT_EQ(Read(path, "S", "Key"), "new");

    // A change that leaves the last-write time as it was cannot be seen...
    ASSERT_TRUE(ini_test::WriteFromOtherProcess(path, "Key", "hid", WriterTime::Keep));
    EXPECT_EQ(Read(path, "S", "Key"), "new");
    // ...until the cached copy is forgotten (under any letter case of its path).
    FlushINICache(fw::ToUpper(path).c_str());
    EXPECT_EQ(Read(path, "S", "Key"), "hid");
}

TEST_F(IniFreshnessTest, WritingTheCachedValueDoesNotTouchTheFile) {
    const std::string path = File("same.ini");
    ASSERT_TRUE(ini_test::WriteBytes(path, "[S]\r\nKey=same\r\n"));
    const ULONGLONG past = ini_test::LastWriteTime(path);
    EXPECT_EQ(Read(path, "S", "key"), "same");
    {
        // While nobody may write the file, only a write that changes nothing can succeed.
        fw::Handle blocker(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(blocker);
        EXPECT_TRUE(CacheWriteProfileString("s", "KEY", "same", path.c_str()));
        EXPECT_FALSE(CacheWriteProfileString("S", "Key", "Same", path.c_str()));
    }
    EXPECT_EQ(ini_test::LastWriteTime(path), past);
    // The comparison is exact: a change of letter case is a change.
    EXPECT_TRUE(CacheWriteProfileString("S", "Key", "Same", path.c_str()));
    EXPECT_NE(ini_test::LastWriteTime(path), past);
    EXPECT_EQ(Read(path, "S", "Key"), "Same");
}

TEST_F(IniFreshnessTest, WritesUpdateReadsAndDeleteKeysAndSections) {
    const std::string path = File("edit.ini");
    ASSERT_TRUE(ini_test::WriteBytes(path, "[S]\r\nKeep=1\r\nGone=2\r\n[T]\r\nKey=3\r\n"));
    const ULONGLONG past = ini_test::LastWriteTime(path);
    EXPECT_EQ(Read(path, "S", "Keep"), "1");
    EXPECT_TRUE(CacheWriteProfileString("S", "Added", "\"quoted\"", path.c_str()));
    // As if the write had fallen within the clock tick of the load: our own
    // write is still read back as the platform wrote it.
    ASSERT_TRUE(ini_test::SetLastWriteTime(path, past));
    EXPECT_EQ(Read(path, "S", "Added"), "quoted");

    EXPECT_TRUE(CacheWriteProfileString("S", "Gone", nullptr, path.c_str()));
    EXPECT_TRUE(CacheWriteProfileString("T", nullptr, nullptr, path.c_str()));
    EXPECT_FALSE(CacheWriteProfileString("S", "Key", "v", nullptr));
    EXPECT_EQ(Read(path, "S", "Gone"), "<default>");
    EXPECT_EQ(Read(path, "T", "Key"), "<default>");
    EXPECT_EQ(Read(path, "S", "Keep"), "1");
    std::string out;
    ReadProfileString("T", "Key", "<none>", out, path.c_str());
    EXPECT_EQ(out, "<none>");
}

TEST_F(IniFreshnessTest, FilesThatCouldNotBeLoadedAreReadThroughThePlatform) {
    const std::string path = File("later.ini");
    EXPECT_EQ(Read(path, "S", "Key"), "<default>");
    EXPECT_TRUE(CacheWriteProfileString("S", "Key", "created", path.c_str()));
    EXPECT_EQ(Read(path, "S", "Key"), "created");
    ASSERT_TRUE(ini_test::WriteFromOtherProcess(path, "Key", "changed", WriterTime::Advance));
    EXPECT_EQ(Read(path, "S", "Key"), "changed");

    const std::string empty = File("empty.ini");
    ASSERT_TRUE(ini_test::WriteBytes(empty, ""));
    EXPECT_EQ(Read(empty, "S", "Key"), "<default>");
    ASSERT_TRUE(ini_test::WriteFromOtherProcess(empty, "Key", "filled", WriterTime::Advance));
    EXPECT_EQ(Read(empty, "S", "Key"), "filled");
}

TEST_F(IniFreshnessTest, LoadOnceNeverReloadsAndPassThroughNeverCaches) {
    const std::string path = File("modes.ini");
    ASSERT_TRUE(ini_test::WriteBytes(path, "[S]\r\nKey=old\r\n"));
    GetINIFileMap().SetCacheMode(kIniLoadOnce);
    EXPECT_EQ(Read(path, "S", "Key"), "old");
    ASSERT_TRUE(ini_test::WriteFromOtherProcess(path, "Key", "new", WriterTime::Advance));
    EXPECT_EQ(Read(path, "S", "Key"), "old");
    GetINIFileMap().SetCacheMode(kIniPassThrough);
    EXPECT_EQ(Read(path, "S", "Key"), "new");
    FlushINICache(nullptr);
    EXPECT_EQ(GetINIFileMap().CacheMode(), kIniCheckFileTime);
}

} // namespace
