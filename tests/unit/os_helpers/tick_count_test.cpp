#include "utils/tick_count.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<DWORD> g_ticks;
size_t g_next = 0;

DWORD WINAPI ScriptedTicks() {
    return g_ticks[g_next++];
}

std::vector<ULONGLONG> Extended(std::vector<DWORD> ticks) {
    g_ticks = std::move(ticks);
    g_next = 0;
    std::atomic<ULONGLONG> last{0};
    std::vector<ULONGLONG> result;
    while (g_next < g_ticks.size())
        result.push_back(ExtendTickCount(last, &ScriptedTicks));
    return result;
}

} // namespace

// On XP the thread library's timed waits run on GetTickCount carried into 64
// bits: a count that fell back at the wrap would make a wait last 49 days.
TEST(TickCount, CarriesTheTickCountPastEachWrap) {
    EXPECT_EQ(Extended({0xFFFFFF00u, 0xFFFFFFFFu, 0x10u, 0x10u, 0xFFFFFFF0u, 0x5u}),
              (std::vector<ULONGLONG>{0xFFFFFF00ull, 0xFFFFFFFFull, 0x100000010ull, 0x100000010ull,
                                      0x1FFFFFFF0ull, 0x200000005ull}));
}

// The build defines GetTickCount64's import slot itself; where KERNEL32 has
// the function the slot must give its count, not some other clock.
TEST(TickCount, TheBuildsGetTickCount64IsTheSystemsWhereThereIsOne) {
    using TickCount64Fn = ULONGLONG(WINAPI*)();
    auto system = reinterpret_cast<TickCount64Fn>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
    if (!system) GTEST_SKIP() << "this Windows has no GetTickCount64";
    ASSERT_NE(system, &GetTickCount64);
    ULONGLONG before = system();
    ULONGLONG ours = GetTickCount64();
    ULONGLONG after = system();
    EXPECT_LE(before, ours);
    EXPECT_LE(ours, after);
}
