// The per-computer record: where it lives, when there is none, and that
// additions merge into what the file holds, so a launcher's stale idea of
// the bits never undoes another launcher's reset.
#include "components/installed_record.h"
#include "support/components.h"

#include <gtest/gtest.h>

#include <thread>

using namespace test_support;

namespace {

TEST(InstalledRecordPath, NoRecordWithoutFolderOrOwnName) {
    EXPECT_EQ(ComputerSettingsFileFor("\\\\srv\\data\\", "WS01"), "\\\\srv\\data\\Session\\ComputerSettings\\WS01.ini");
    // A drive root's record would be shared by every installation on it.
    EXPECT_EQ(ComputerSettingsFileFor("", "WS01"), "");
    EXPECT_EQ(ComputerSettingsFileFor("\\", "WS01"), "");
    // "Unknown" would be one record for every computer that cannot name itself.
    EXPECT_EQ(ComputerSettingsFileFor("C:\\data", ""), "");
    EXPECT_EQ(ComputerSettingsFileFor("C:\\data", "Unknown"), "");
}

class InstalledRecordTest : public ::testing::Test {
protected:
    RecordFolders folders;
};

TEST_F(InstalledRecordTest, WritesAndReadsTheRecordCreatingItsFolders) {
    EXPECT_EQ(ReadInstalledComponents(), 0u);
    EXPECT_EQ(ReadComponentsVersion(), "");
    WriteInstalledComponents(0xD03);
    WriteComponentsVersion("5.0.3.90");
    EXPECT_TRUE(Exists(folders.RecordFile()));
    EXPECT_EQ(ReadInstalledComponents(), 0xD03u);
    EXPECT_EQ(ReadComponentsVersion(), "5.0.3.90");
    char text[32] = "";
    GetPrivateProfileStringA("Components", "Installed", "", text, sizeof(text), folders.RecordFile().c_str());
    EXPECT_STREQ(text, "3331");
}

TEST_F(InstalledRecordTest, DataFolderChainIsCreated) {
    std::string nested = folders.root / "a\\b\\c";
    WritePrivateProfileStringA("Settings", "sDir_Pel", nested.c_str(), folders.config.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, folders.config.c_str());
    folders.Reset();
    WriteInstalledComponents(0x2);
    EXPECT_EQ(ReadInstalledComponents(), 0x2u);
    EXPECT_TRUE(Exists(nested + "\\Session\\ComputerSettings"));
}

TEST_F(InstalledRecordTest, AdditionsMergeWithWhatTheFileHolds) {
    EXPECT_EQ(AddInstalledComponents(0x800), 0x800u);
    EXPECT_EQ(AddInstalledComponents(0x2), 0x802u);
    // Another launcher resets the record (new program version).
    WritePrivateProfileStringA("Components", "Installed", "0", folders.RecordFile().c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, folders.RecordFile().c_str());
    EXPECT_EQ(AddInstalledComponents(0x400), 0x400u);
    EXPECT_EQ(ReadInstalledComponents(), 0x400u);
}

TEST_F(InstalledRecordTest, ConcurrentAdditionsAreAllKept) {
    auto add = [](unsigned first) {
        for (unsigned bit = first; bit < 24; bit += 2) AddInstalledComponents(1u << bit);
    };
    std::thread even(add, 0), odd(add, 1);
    even.join();
    odd.join();
    EXPECT_EQ(ReadInstalledComponents(), 0xFFFFFFu);
}

} // namespace
