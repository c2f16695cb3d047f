// The 64-bit tick count the thread library's timed waits ask KERNEL32 for.
// GetTickCount64 exists from Vista; importing it would keep the launcher
// from loading on XP at all, so every executable of the build carries its
// own GetTickCount64 import slot (tick_count.cpp), filled at run time.
#pragma once

#include <windows.h>

#include <atomic>

using TickSource = DWORD(WINAPI*)();

// Carries a 32-bit tick count past its wrap (every 49.7 days) into the
// 64-bit count last holds; never goes back, whichever thread asks. Only a
// gap of more than one wrap between two calls is lost.
ULONGLONG ExtendTickCount(std::atomic<ULONGLONG>& last, TickSource source);
