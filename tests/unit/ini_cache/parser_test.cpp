// How the cache reads a file's text: what it keeps, what it ignores, and how
// names match.
#include "ini_test_support.h"

#include "appstate/ini_cache.h"

#include <gtest/gtest.h>

using ini_test::IniCacheTest;

namespace {

class IniParserTest : public IniCacheTest {
protected:
    void SetUp() override {
        IniCacheTest::SetUp();
        path_ = folder_.File("parse.ini");
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
                                 std::string(1, '\0') + "cd\r\n" +
                                 "[[Main]]\r\n"
                                 "Extra=merged\r\n"
                                 "Name=third\r\n"
                                 "[Other] trailing note\r\n"
                                 "Key=other\r\n"
                                 "; Remark = not a comment\r\n"
                                 "no equals sign here\r\n";
        ASSERT_TRUE(ini_test::WriteBytes(path_, text));
    }

    std::string Read(const char* section, const char* key) {
        std::string out = "untouched";
        EXPECT_TRUE(CacheGetProfileString(section, key, "<default>", out, path_.c_str()));
        return out;
    }

    std::string path_;
};

TEST_F(IniParserTest, FirstKeyWinsAndRepeatedHeadersMerge) {
    EXPECT_EQ(Read("Main", "Name"), "first");
    EXPECT_EQ(Read("Main", "Extra"), "merged");
}

TEST_F(IniParserTest, QuotesAndBlanksAroundValuesAndKeysAreDropped) {
    EXPECT_EQ(Read("Main", "Quoted"), "Spaced Value");
    EXPECT_EQ(Read("Main", "Empty"), "");
    EXPECT_EQ(Read("Main", "Tabbed"), "yes");
}

TEST_F(IniParserTest, OneCharacterKeysAreNotCached) { EXPECT_EQ(Read("Main", "x"), "<default>"); }

TEST_F(IniParserTest, NamesMatchWithoutCaseButValuesKeepTheirs) {
    EXPECT_EQ(Read("mAIN", "mixed"), "KeepCase");
    EXPECT_EQ(Read("MAIN", "MIXED"), "KeepCase");
}

TEST_F(IniParserTest, KeysBeforeTheFirstHeaderBelongToTheUnnamedSection) {
    EXPECT_EQ(Read("", "Lonely"), "before any header");
    EXPECT_EQ(Read("Main", "Lonely"), "<default>");
}

TEST_F(IniParserTest, HeaderTextAfterTheBracketBelongsToTheName) {
    EXPECT_EQ(Read("Other] trailing note", "Key"), "other");
    EXPECT_EQ(Read("Other", "Key"), "<default>");
    // Nothing marks a comment: this line is a key like any other.
    EXPECT_EQ(Read("Other] trailing note", "; Remark"), "not a comment");
}

TEST_F(IniParserTest, NulEndsTheLine) { EXPECT_EQ(Read("Main", "Nul"), "ab"); }

TEST_F(IniParserTest, MissingSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(Read("Nowhere", "Name"), "<default>");
    EXPECT_EQ(Read("Main", "Nowhere"), "<default>");
    std::string out;
    EXPECT_TRUE(CacheGetProfileString("Main", "Nowhere", nullptr, out, path_.c_str()));
    EXPECT_EQ(out, "");
}

TEST_F(IniParserTest, NoFileLeavesTheOutputAlone) {
    std::string out = "untouched";
    EXPECT_FALSE(CacheGetProfileString("Main", "Name", "d", out, nullptr));
    EXPECT_FALSE(CacheGetProfileString("Main", "Name", "d", out, ""));
    EXPECT_EQ(out, "untouched");
}

} // namespace
