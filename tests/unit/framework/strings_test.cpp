#include "framework/strings.h"

#include <gtest/gtest.h>

TEST(Strings, FormatGrowsBeyondAnyFixedBuffer) {
    std::string long_text(5000, 'x');
    EXPECT_EQ(fw::Format("%s|%d|%08ld", long_text.c_str(), -3, 1234L), long_text + "|-3|00001234");
    EXPECT_EQ(fw::Format("%I64d", static_cast<long long>(1700000000)), "1700000000");
}

TEST(Strings, CaseInsensitivePrefixNeedsWholeShortText) {
    EXPECT_TRUE(fw::StartsWithNoCase("/debugmode:3", "/DebugMode"));
    EXPECT_TRUE(fw::StartsWithNoCase("/DEBUGMODE", "/DebugMode"));
    EXPECT_FALSE(fw::StartsWithNoCase("/Debug", "/DebugMode"));
    EXPECT_TRUE(fw::EqualsNoCase("PellmoreOrvo.EXE", "pellmoreorvo.exe"));
    EXPECT_FALSE(fw::EqualsNoCase("Orvo.exe", "Orvo.ex"));
}

TEST(Strings, TrimAndAtoiFollowTheCRules) {
    EXPECT_EQ(fw::Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(fw::TrimRight("x\"\"", "\""), "x");
    EXPECT_EQ(fw::Atoi("  -12abc"), -12);
    EXPECT_EQ(fw::Atoi("abc"), 0);
    EXPECT_EQ(fw::ToUpper("sDir_Pel"), "SDIR_PEL");
}
