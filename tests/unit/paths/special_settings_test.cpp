// Marker-file switches: the name table, the once-per-process answer and what
// counts as present.
#include <windows.h>

#include <gtest/gtest.h>

#include "launcher/special_settings.h"
#include "path_test_support.h"

using namespace pathtest;
using namespace test_support;

namespace {

using SpecialSettingTest = PathFixture;

TEST(SpecialSettingNames, TableKeepsTheInstallationsSpelling) {
    EXPECT_STREQ(GetSpecialSettingName(kSpecialPellmore), "Pellmore.inc");
    EXPECT_STREQ(GetSpecialSettingName(kSpecialMultipleDVDBackup), "Pellmore.multipledvdbackup.inc");
    EXPECT_STREQ(GetSpecialSettingName(kSpecialReceiptLog), "Pellmore.receiptLog.inc");
    EXPECT_STREQ(GetSpecialSettingName(kSpecialIES), "IES.YES");
    EXPECT_STREQ(GetSpecialSettingName(55), GetSpecialSettingName(56));
    EXPECT_STREQ(GetSpecialSettingName(kSpecialDisableDataSync), "Pellmore.DisableDataSync.inc");
    EXPECT_EQ(GetSpecialSettingName(kSpecialSettingCount), nullptr);
    EXPECT_EQ(GetSpecialSettingName(-1), nullptr);
    for (int number = 0; number < kSpecialSettingCount; ++number) {
        ASSERT_NE(GetSpecialSettingName(number), nullptr) << number;
    }
}

TEST_F(SpecialSettingTest, MarkerPathIsInTheInstallationFolder) {
    EXPECT_EQ(GetMarkerPath("\\\\Pellmore.UpdateInProgress.inc"), installFolder + "\\Pellmore.UpdateInProgress.inc");
    EXPECT_EQ(GetSpecialSettingPath(kSpecialIES), installFolder + "\\IES.YES");
    EXPECT_EQ(GetSpecialSettingPath(62), "");
}

TEST_F(SpecialSettingTest, AnswerIsKeptPerNumber) {
    EXPECT_FALSE(IsSpecialSettingSet(kSpecialPolicyHistoryView));
    WriteFile(installFolder + "\\Pellmore.PolicyHistoryView.inc", "");
    // 56 names the same file but has not been tested yet.
    EXPECT_TRUE(IsSpecialSettingSet(kSpecialPolicyHistoryViewAlias));
    EXPECT_FALSE(IsSpecialSettingSet(kSpecialPolicyHistoryView));

    DeleteFileA((installFolder + "\\Pellmore.PolicyHistoryView.inc").c_str());
    EXPECT_TRUE(IsSpecialSettingSet(kSpecialPolicyHistoryViewAlias));
    ResetSpecialSettingCache();
    EXPECT_FALSE(IsSpecialSettingSet(kSpecialPolicyHistoryViewAlias));
}

TEST_F(SpecialSettingTest, NumbersWithoutMarkerAreFalse) {
    EXPECT_FALSE(IsSpecialSettingSet(62));
    EXPECT_FALSE(IsSpecialSettingSet(-1));
    EXPECT_FALSE(IsSpecialSettingSet(1000));
}

TEST_F(SpecialSettingTest, FolderWithMarkerNameCountsAsPresent) {
    CreateDirectoryA((installFolder + "\\IES.YES").c_str(), nullptr);
    EXPECT_TRUE(IsSpecialSettingSet(kSpecialIES));
    // The file system decides about letter case.
    WriteFile(installFolder + "\\PELLMORE.RECEIPTLOG.INC", "");
    EXPECT_TRUE(IsSpecialSettingSet(kSpecialReceiptLog));
}

} // namespace
