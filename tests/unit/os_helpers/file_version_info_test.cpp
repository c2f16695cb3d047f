#include "utils/file_version_info.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

using test_support::StandIn;

TEST(FileVersionInfo, ReadsFixedInfoAndStringsOfTheChosenTranslation) {
    CFileVersionInfo info;
    ASSERT_TRUE(info.Create(StandIn("stub_versioned.exe").c_str()));
    EXPECT_EQ(info.FixedInfo().dwFileVersionMS, MAKELONG(2, 1));
    ASSERT_EQ(info.TranslationCount(), 2u);
    EXPECT_EQ(info.Translations()[1].language, 0x407);

    std::string value;
    EXPECT_TRUE(info.QueryValue("OrvoBuildName", value));
    EXPECT_EQ(value, "Orvo.exe");
    EXPECT_TRUE(info.QueryValue("OrvoBuildName")) << "without a buffer: only whether it exists";
    EXPECT_FALSE(info.QueryValue("NoSuchValue"));
    char small[4] = "xyz";
    EXPECT_TRUE(info.QueryValue("OrvoBuildName", small, sizeof(small)));
    EXPECT_STREQ(small, "Orv");
    EXPECT_FALSE(info.QueryValue("OrvoBuildName", small, 0));

    info.SetTranslationIndex(1);
    EXPECT_TRUE(info.QueryValue("FileDescription", value));
    EXPECT_EQ(value, "Versionierter Platzhalter");
    // Past the table: language 0, code page 0, which this file lacks.
    info.SetTranslationIndex(2);
    EXPECT_FALSE(info.QueryValue("FileDescription"));
}

TEST(FileVersionInfo, NoResourceOrNoTranslationTableLeavesTheObjectEmpty) {
    CFileVersionInfo info;
    for (const char* file : {"stub_window.exe", "stub_notranslation.exe", "missing.exe"}) {
        ASSERT_TRUE(info.Create(StandIn("stub_versioned.exe").c_str()));
        info.SetTranslationIndex(1);
        EXPECT_FALSE(info.Create(StandIn(file).c_str())) << file;
        EXPECT_FALSE(info.IsValid());
        EXPECT_EQ(info.FixedInfo().dwSignature, 0u);
        EXPECT_EQ(info.TranslationCount(), 0u);
        EXPECT_EQ(info.TranslationIndex(), 0u);
        EXPECT_FALSE(info.QueryValue("FileVersion"));
    }
}
