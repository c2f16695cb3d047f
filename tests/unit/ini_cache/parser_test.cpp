// How the cache reads a file's text: what it keeps, what it ignores, and how
// names match.
#include "ini_test_support.h"

#include "appstate/ini_cache.h"

#include <gtest/gtest.h>

namespace {

class IniParserTest : public ini_test::IniCacheTest {
protected:
    void SetUp() override {
        IniCacheTest::SetUp();
        path_ = File("parse.ini");
        const std::string text = std::string("Lonely = before any header\r\n"
                                             "[Main]\r\n"
                                             "Name=first\r\n"
                                             "  Quoted   =  \" \"Spaced Value\" \"  \r\n"
                                             "Empty=\"\"\r\n"
                                             "Name=second\r\n"
                                             "x=single\r\n"
                                             "Mixed=KeepCase\n"
                                             "\tTabbed=yes\r"
                                             "Nul=ab") +
                                 std::string(1, '\0') +
                                 "cd\r\n"
                                 "[[Main]]\r\n"
                                 "Extra=merged\r\n"
                                 "Name=third\r\n"
                                 "[Other] trailing note\r\n"
                                 "Key=other\r\n"
                                 "; Remark = not a comment\r\n";
        ASSERT_TRUE(ini_test::WriteBytes(path_, text));
    }
    std::string Read(const char* section, const char* key) { return IniCacheTest::Read(path_, section, key); }

    std::string path_;
};

TEST_F(IniParserTest, KeysAndSections) {
    EXPECT_EQ(Read("Main", "Name"), "first"); // the first occurrence wins
    EXPECT_EQ(Read("Main", "Extra"), "merged"); // "[[Main]]" is "[Main]" again
    EXPECT_EQ(Read("Main", "x"), "<default>");  // one-character keys are not cached
    EXPECT_EQ(Read("", "Lonely"), "before any header");
    EXPECT_EQ(Read("Main", "Lonely"), "<default>");
    EXPECT_EQ(Read("Main", "Nul"), "ab");
    EXPECT_EQ(Read("Main", "Tabbed"), "yes");
    // Nothing marks a comment: trailing header text and ";" lines are plain text.
    EXPECT_EQ(Read("Other] trailing note", "Key"), "other");
    EXPECT_EQ(Read("Other", "Key"), "<default>");
    EXPECT_EQ(Read("Other] trailing note", "; Remark"), "not a comment");
}

TEST_F(IniParserTest, QuotesAndBlanksAroundValuesAreDropped) {
    EXPECT_EQ(Read("Main", "Quoted"), "Spaced Value");
    EXPECT_EQ(Read("Main", "Empty"), "");
}

TEST_F(IniParserTest, NamesMatchWithoutCaseButValuesKeepTheirs) {
    EXPECT_EQ(Read("mAIN", "mixed"), "KeepCase");
    EXPECT_EQ(Read("MAIN", "MIXED"), "KeepCase");
}

TEST_F(IniParserTest, MissingNamesGiveTheDefaultAndNoFileTouchesNothing) {
    EXPECT_EQ(Read("Nowhere", "Name"), "<default>");
    std::string out = "untouched";
    EXPECT_TRUE(CacheGetProfileString("Main", "Nowhere", nullptr, out, path_.c_str()));
    EXPECT_EQ(out, "");
    out = "untouched";
    EXPECT_FALSE(CacheGetProfileString("Main", "Name", "d", out, nullptr));
    EXPECT_FALSE(CacheGetProfileString("Main", "Name", "d", out, ""));
    EXPECT_EQ(out, "untouched");
}

} // namespace
