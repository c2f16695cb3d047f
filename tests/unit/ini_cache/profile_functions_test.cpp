// The fixed-buffer and integer forms callers use like the platform's own.
#include "ini_test_support.h"

#include "appstate/ini_cache.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class ProfileFunctionsTest : public ini_test::IniCacheTest {
protected:
    void SetUp() override {
        IniCacheTest::SetUp();
        path_ = File("values.ini");
        ASSERT_TRUE(ini_test::WriteBytes(path_, "[S]\r\nText=abcdef\r\nNum=42abc\r\nNeg=  -7\r\n"
                                                "Word=abc\r\nBlank=\"\"\r\n"));
    }
    std::string path_;
};

TEST_F(ProfileFunctionsTest, BufferForm) {
    char buffer[16] = "xyz";
    const char* file = path_.c_str();
    EXPECT_EQ(CacheGetProfileString("S", "Text", "", buffer, sizeof(buffer), file), 6);
    EXPECT_STREQ(buffer, "abcdef");
    EXPECT_EQ(CacheGetProfileString("S", "Text", "", buffer, 4, file), 3);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(CacheGetProfileString("S", "Missing", "dflt  \t", buffer, sizeof(buffer), file), 4);
    EXPECT_STREQ(buffer, "dflt");
    EXPECT_EQ(CacheGetProfileString("S", "Text", "", buffer, 1, file), 0);
    EXPECT_STREQ(buffer, "");
    // A size below one must not turn into a huge copy length.
    std::strcpy(buffer, "xyz");
    EXPECT_EQ(CacheGetProfileString("S", "Text", "", buffer, -5, file), 0);
    EXPECT_EQ(std::string(buffer, 3), std::string("\0yz", 3));
    EXPECT_EQ(CacheGetProfileString("S", "Text", "", nullptr, 4, file), 0);
}

TEST_F(ProfileFunctionsTest, BufferFormWithoutFileCopiesTheTrimmedDefault) {
    char buffer[8] = "xyz";
    EXPECT_EQ(CacheGetProfileString("S", "Text", "dflt  ", buffer, sizeof(buffer), nullptr), 4);
    EXPECT_STREQ(buffer, "dflt");
    EXPECT_EQ(CacheGetProfileString("S", "Text", "dflt", buffer, 3, ""), 2);
    EXPECT_STREQ(buffer, "df");
    EXPECT_EQ(CacheGetProfileString("S", "Text", "  ", buffer, sizeof(buffer), nullptr), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(CacheGetProfileString("S", "Text", "dflt", buffer, 0, nullptr), 0);
}

TEST_F(ProfileFunctionsTest, IntegersFollowTheAtoiRule) {
    EXPECT_EQ(CacheGetProfileInt("S", "Num", 5, path_.c_str()), 42);
    EXPECT_EQ(CacheGetProfileInt("S", "Neg", 5, path_.c_str()), -7);
    EXPECT_EQ(CacheGetProfileInt("S", "Word", 5, path_.c_str()), 0);
    EXPECT_EQ(CacheGetProfileInt("S", "Blank", 5, path_.c_str()), 5);
    EXPECT_EQ(CacheGetProfileInt("S", "Missing", 5, path_.c_str()), 5);
    EXPECT_EQ(CacheGetProfileInt("S", "Num", 5, nullptr), 5);
}

TEST_F(ProfileFunctionsTest, UncachedFunctionsSeeWhatThePlatformSees) {
    EXPECT_EQ(CacheGetProfileInt("S", "Num", 0, path_.c_str()), 42); // cached from here on
    EXPECT_TRUE(WriteProfileInt("S", "Count", -12, path_.c_str()));
    EXPECT_EQ(CacheGetProfileInt("S", "Count", 0, path_.c_str()), -12);
    std::string out;
    const std::string longValue(400, 'v');
    EXPECT_TRUE(CacheWriteProfileString("S", "Long", longValue.c_str(), path_.c_str()));
    EXPECT_EQ(ReadProfileString("S", "Long", "", out, path_.c_str()), 259u);
    EXPECT_EQ(out, longValue.substr(0, 259));
}

} // namespace
