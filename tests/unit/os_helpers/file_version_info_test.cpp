#include "utils/file_version_info.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using test_support::FixturePath;

namespace {

void ExpectEmpty(const CFileVersionInfo& info) {
    EXPECT_FALSE(info.IsValid());
    EXPECT_EQ(info.FixedInfo().dwSignature, 0u);
    EXPECT_EQ(info.FixedInfo().dwFileVersionMS, 0u);
    EXPECT_EQ(info.TranslationCount(), 0u);
    EXPECT_EQ(info.Translations(), nullptr);
    EXPECT_FALSE(info.QueryValue("FileVersion"));
}

} // namespace

TEST(FileVersionInfo, ReadsFixedInfoAndStringsOfTheChosenTranslation) {
    CFileVersionInfo info;
    ASSERT_TRUE(info.Create(FixturePath("stub_versioned.exe").c_str()));
    EXPECT_TRUE(info.IsValid());
    EXPECT_EQ(HIWORD(info.FixedInfo().dwFileVersionMS), 1);
    EXPECT_EQ(LOWORD(info.FixedInfo().dwFileVersionMS), 2);
    EXPECT_EQ(LOWORD(info.FixedInfo().dwFileVersionLS), 4);
    ASSERT_EQ(info.TranslationCount(), 2u);
    EXPECT_EQ(info.Translations()[1].language, 0x407);
    EXPECT_EQ(info.Translations()[1].codePage, 1252);

    std::string value;
    EXPECT_TRUE(info.QueryValue("OrvoBuildName", value));
    EXPECT_EQ(value, "Orvo.exe");
    EXPECT_TRUE(info.QueryValue("OrvoBuildName")) << "without a buffer: only whether it exists";
    EXPECT_FALSE(info.QueryValue("NoSuchValue", value));
    EXPECT_EQ(value, "");

    char small[4] = "xyz";
    EXPECT_TRUE(info.QueryValue("OrvoBuildName", small, sizeof(small)));
    EXPECT_STREQ(small, "Orv");
    EXPECT_FALSE(info.QueryValue("OrvoBuildName", small, 0));
    EXPECT_FALSE(info.QueryValue(nullptr));

    info.SetTranslationIndex(1);
    EXPECT_TRUE(info.QueryValue("FileDescription", value));
    EXPECT_EQ(value, "Versionierter Platzhalter");
    EXPECT_FALSE(info.QueryValue("OrvoBuildName")) << "the German table does not carry it";
    // An index past the table addresses language 0, code page 0, which this file lacks.
    info.SetTranslationIndex(2);
    EXPECT_FALSE(info.QueryValue("FileDescription"));
}

TEST(FileVersionInfo, NoResourceOrNoTranslationTableLeavesTheObjectEmpty) {
    CFileVersionInfo info;
    ASSERT_TRUE(info.Create(FixturePath("stub_versioned.exe").c_str()));
    info.SetTranslationIndex(1);

    EXPECT_FALSE(info.Create(FixturePath("stub_window.exe").c_str()));
    ExpectEmpty(info);
    EXPECT_EQ(info.TranslationIndex(), 0u);

    EXPECT_FALSE(info.Create(FixturePath("stub_notranslation.exe").c_str()));
    ExpectEmpty(info);

    EXPECT_FALSE(info.Create("C:\\no\\such\\file.exe"));
    ExpectEmpty(info);
}
