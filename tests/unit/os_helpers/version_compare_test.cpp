#include "utils/version_compare.h"

#include <gtest/gtest.h>

TEST(VersionCompare, PartsAreNumbersAndMissingPartsAreZero) {
    EXPECT_TRUE(VersionLess("1.2", "1.10"));
    EXPECT_FALSE(VersionLess("1.10", "1.2"));
    EXPECT_TRUE(VersionEqual("1.2", "1.2.0.0"));
    EXPECT_TRUE(VersionEqual("", "0.0.0.0"));
    EXPECT_TRUE(VersionLess("9.9.9.9", "10"));
    EXPECT_TRUE(VersionLess("2.0.0.1", "2.0.0.2"));
}

TEST(VersionCompare, DotRunsAndExtraPartsAndLetters) {
    EXPECT_EQ(ParseVersion("..1...2.3"), (VersionParts{1, 2, 3, 0}));
    EXPECT_EQ(ParseVersion("1.2.3.4.5"), (VersionParts{1, 2, 3, 4}));
    EXPECT_EQ(ParseVersion(" 7.08b.x"), (VersionParts{7, 8, 0, 0}));
    EXPECT_TRUE(VersionEqual("1.2.3.4", "1.2.3.4.9"));
}

TEST(VersionCompare, AtLeastMeansEqualOrGreater) {
    EXPECT_TRUE(VersionAtLeast("4.5.2", "4.5.2.0"));
    EXPECT_TRUE(VersionAtLeast("4.6", "4.5.99"));
    EXPECT_FALSE(VersionAtLeast("4.5.1", "4.5.2"));
}
