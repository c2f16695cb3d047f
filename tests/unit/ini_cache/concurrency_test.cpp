// Many threads share one cache: readers never see half of a write and no
// writer's value is lost.
#include "ini_test_support.h"

#include "appstate/ini_cache.h"
#include "framework/strings.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using IniConcurrencyTest = ini_test::IniCacheTest;

constexpr int kWrites = 60;

// Values carry a check part, so a value mixed from two writes is recognised.
std::string CounterValue(int n) { return fw::Format("%d-%d", n, n * 7); }

// The counter in value, or -1 when the value is not one that was written.
int ParseCounter(const std::string& value) {
    int n = -1, check = -1;
    char tail = 0;
    if (std::sscanf(value.c_str(), "%d-%d%c", &n, &check, &tail) != 2 || check != n * 7) return -1;
    return n;
}

TEST_F(IniConcurrencyTest, ReadersAndWritersOnSeveralThreads) {
    const std::string path = File("busy.ini");
    // A long file keeps every reload busy long enough for other threads to run into it.
    std::string text = "[A]\r\nCounter=0-0\r\n[B]\r\nCounter=0-0\r\n[Filler]\r\n";
    for (int n = 0; n < 2000; ++n) text += fw::Format("Key%d=some filler text %d\r\n", n, n);
    ASSERT_TRUE(ini_test::WriteBytes(path, text));

    std::atomic<int> writersRunning{2}, badValues{0}, wentBackwards{0}, reads{0};
    auto writer = [&](const char* section) {
        for (int n = 1; n <= kWrites; ++n)
            if (!CacheWriteProfileString(section, "Counter", CounterValue(n).c_str(), path.c_str()))
                ++badValues;
        --writersRunning;
    };
    auto reader = [&](bool bufferForm) {
        int last[2] = {0, 0};
        const char* sections[2] = {"A", "B"};
        while (writersRunning > 0) {
            for (int i = 0; i < 2; ++i) {
                std::string value;
                if (bufferForm) {
                    char buffer[32];
                    CacheGetProfileString(sections[i], "Counter", "", buffer, sizeof(buffer), path.c_str());
                    value = buffer;
                } else {
                    CacheGetProfileString(sections[i], "Counter", "", value, path.c_str());
                }
                const int n = ParseCounter(value);
                if (n < 0) ++badValues;
                if (n < last[i]) ++wentBackwards;
                if (n > last[i]) last[i] = n;
                ++reads;
            }
        }
    };
    std::vector<std::thread> threads;
    threads.emplace_back(writer, "A");
    threads.emplace_back(writer, "B");
    for (int i = 0; i < 4; ++i) threads.emplace_back(reader, i % 2 == 0);
    for (std::thread& thread : threads) thread.join();

    EXPECT_EQ(badValues.load(), 0);
    EXPECT_EQ(wentBackwards.load(), 0);
    EXPECT_GT(reads.load(), 0);
    std::string value;
    CacheGetProfileString("A", "Counter", "", value, path.c_str());
    EXPECT_EQ(value, CounterValue(kWrites));
    ReadProfileString("B", "Counter", "", value, path.c_str());
    EXPECT_EQ(value, CounterValue(kWrites));
}

} // namespace
