// The shared usage counters: one count per day of the month, records on a
// 320-byte grid that stay findable whatever the file holds, and no count
// lost or doubled when several writers count at once.
#include "launcher/usage_counter.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

using namespace test_support;

namespace {

SYSTEMTIME Date(WORD year, WORD month, WORD day) {
    SYSTEMTIME date = {};
    date.wYear = year;
    date.wMonth = month;
    date.wDay = day;
    return date;
}

std::vector<UsageRecord> Records(const std::string& path, size_t* tail = nullptr) {
    std::string bytes = ReadTextFile(path);
    if (tail) *tail = bytes.size() % sizeof(UsageRecord);
    std::vector<UsageRecord> records(bytes.size() / sizeof(UsageRecord));
    if (!records.empty()) std::memcpy(records.data(), bytes.data(), records.size() * sizeof(UsageRecord));
    return records;
}

class UsageCounterTest : public ::testing::Test {
protected:
    TempFolder folder{"orvo_usage"};
    std::string file = folder / "NoLocal.stat";
};

TEST_F(UsageCounterTest, DaysAndMonths) {
    const SYSTEMTIME may9 = Date(2026, 5, 9);
    ASSERT_TRUE(CountUsageInFile(file, "Launched", may9));
    auto records = Records(file);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_STREQ(records[0].name, "Launched");
    EXPECT_EQ(records[0].stamps[8], 2026u | (9u << 16) | (5u << 24));
    EXPECT_EQ(records[0].counts[8], 1);

    ASSERT_TRUE(CountUsageInFile(file, "Launched", may9));
    ASSERT_TRUE(CountUsageInFile(file, "Launched", Date(2026, 5, 10)));
    records = Records(file);
    EXPECT_EQ(records[0].counts[8], 2);
    EXPECT_EQ(records[0].counts[9], 1);

    // The same day of the next month, and of the next year, starts again.
    ASSERT_TRUE(CountUsageInFile(file, "Launched", Date(2026, 6, 9)));
    EXPECT_EQ(Records(file)[0].counts[8], 1);
    EXPECT_EQ(Records(file)[0].stamps[8], UsageDayStamp(Date(2026, 6, 9)));
    ASSERT_TRUE(CountUsageInFile(file, "Launched", Date(2027, 6, 9)));
    EXPECT_EQ(Records(file)[0].counts[8], 1);

    // Names differ by letter case.
    ASSERT_TRUE(CountUsageInFile(file, "launched", may9));
    EXPECT_EQ(Records(file).size(), 2u);
}

TEST_F(UsageCounterTest, ATornTailIsOverwrittenOnTheGrid) {
    ASSERT_TRUE(CountUsageInFile(file, "Launched", Date(2026, 5, 9)));
    std::string bytes = ReadTextFile(file) + std::string(100, 'x');
    ASSERT_TRUE(WriteFile(file, bytes));

    ASSERT_TRUE(CountUsageInFile(file, "Other", Date(2026, 5, 9)));
    ASSERT_TRUE(CountUsageInFile(file, "Other", Date(2026, 5, 9)));
    size_t tail = 0;
    auto records = Records(file, &tail);
    EXPECT_EQ(tail, 0u);
    ASSERT_EQ(records.size(), 2u) << "the second count found the record again";
    EXPECT_STREQ(records[1].name, "Other");
    EXPECT_EQ(records[1].counts[8], 2);

    // With nothing to append, a tail stays as it is.
    ASSERT_TRUE(WriteFile(file, ReadTextFile(file) + "tail"));
    ASSERT_TRUE(CountUsageInFile(file, "Launched", Date(2026, 5, 9)));
    EXPECT_EQ(ReadTextFile(file).size(), 2 * sizeof(UsageRecord) + 4);
}

TEST_F(UsageCounterTest, LongNamesAndCorruptNames) {
    const std::string longName(40, 'L');
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(CountUsageInFile(file, longName, Date(2026, 5, 9)));
    auto records = Records(file);
    ASSERT_EQ(records.size(), 1u) << "a long name must find its record again";
    EXPECT_EQ(std::string(records[0].name), longName.substr(0, 31));
    EXPECT_EQ(records[0].counts[8], 3);

    // A name field without its NUL matches nothing and is written back as it was.
    UsageRecord corrupt = {};
    std::memset(corrupt.name, 'A', sizeof(corrupt.name));
    corrupt.counts[8] = 7;
    ASSERT_TRUE(WriteFile(file, std::string(reinterpret_cast<const char*>(&corrupt), sizeof(corrupt))));
    ASSERT_TRUE(CountUsageInFile(file, std::string(31, 'A'), Date(2026, 5, 9)));
    records = Records(file);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(std::memcmp(&records[0], &corrupt, sizeof(corrupt)), 0);
    EXPECT_EQ(records[1].counts[8], 1);
}

TEST_F(UsageCounterTest, HeldFileCountsNothingAndNoFolderNothingAtAll) {
    ASSERT_TRUE(CountUsageInFile(file, "Launched", Date(2026, 5, 9)));
    std::string before = ReadTextFile(file);
    HANDLE holder = CreateFileA(file.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CountUsageInFile(file, "Launched", Date(2026, 5, 9)));
    CloseHandle(holder);
    EXPECT_EQ(ReadTextFile(file), before);

    EXPECT_FALSE(CountUsageInFile(folder / "missing\\NoLocal.stat", "Launched", Date(2026, 5, 9)));
    EXPECT_EQ(UsageCounterFile("", "NoLocal"), "") << "no \\Stats at a drive's root";
    EXPECT_EQ(UsageCounterFile("\\\\srv\\data\\", "NoLocal"), "\\\\srv\\data\\Stats\\Generic\\NoLocal.stat");
}

// A counter file larger than any the product writes (damaged, or not one) is
// neither read into memory nor changed; one at the limit still counts.
TEST_F(UsageCounterTest, OversizeFileIsLeftAsItIs) {
    ASSERT_TRUE(CountUsageInFile(file, "Launched", Date(2026, 5, 9)));
    const LONGLONG limit = static_cast<LONGLONG>(kMaxUsageRecords * sizeof(UsageRecord));
    ASSERT_TRUE(test_support::ResizeFile(file, limit + sizeof(UsageRecord) - 1));
    EXPECT_TRUE(CountUsageInFile(file, "Launched", Date(2026, 5, 9)));
    EXPECT_EQ(Records(file)[0].counts[8], 2);

    for (LONGLONG size : {limit + static_cast<LONGLONG>(sizeof(UsageRecord)), 3LL << 30}) {
        ASSERT_TRUE(test_support::ResizeFile(file, size));
        const std::string before = test_support::ReadStart(file, sizeof(UsageRecord));
        EXPECT_FALSE(CountUsageInFile(file, "Launched", Date(2026, 5, 9))) << size;
        LONGLONG after = 0;
        EXPECT_TRUE(test_support::ReadStart(file, sizeof(UsageRecord), &after) == before) << size;
        EXPECT_EQ(after, size);
    }
}

TEST_F(UsageCounterTest, WritersAtOnceLoseNoCount) {
    std::atomic<int> counted{0};
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t)
        writers.emplace_back([&] {
            for (int i = 0; i < 25; ++i)
                if (CountUsageInFile(file, "Launched", Date(2026, 5, 9))) ++counted;
        });
    for (std::thread& writer : writers) writer.join();
    auto records = Records(file);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].counts[8], counted.load());
    EXPECT_GT(counted.load(), 0);
}

} // namespace
