#include "utils/tick_count.h"

// winpthreads (the posix thread model behind std::thread, std::mutex and
// std::condition_variable) was built for Vista and calls GetTickCount64
// through its import slot in every timed wait. Rebuilding that library or
// giving up the thread model costs far more than defining the slot here: the
// linker takes this definition, imports nothing, and the waits use
// KERNEL32's own function where there is one and the carried GetTickCount
// on XP. Linked as an object into every executable, never from an archive:
// by the time the thread library asks for the slot the archives before it
// have been searched already.

namespace {

using TickCount64Fn = ULONGLONG(WINAPI*)();

// Constant-initialised: the slot may be called before any constructor ran.
std::atomic<ULONGLONG> g_carriedTicks{0};
std::atomic<TickCount64Fn> g_native{nullptr};
std::atomic<bool> g_asked{false};

TickCount64Fn NativeTickCount64() {
    if (!g_asked.load()) {
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        g_native.store(kernel ? reinterpret_cast<TickCount64Fn>(
                                    reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetTickCount64")))
                              : nullptr);
        g_asked.store(true);
    }
    return g_native.load();
}

ULONGLONG WINAPI TickCount64() {
    if (TickCount64Fn native = NativeTickCount64()) return native();
    return ExtendTickCount(g_carriedTicks, &GetTickCount);
}

} // namespace

ULONGLONG ExtendTickCount(std::atomic<ULONGLONG>& last, TickSource source) {
    ULONGLONG seen = last.load();
    for (;;) {
        // Read after the last value: no other thread can have stored a tick
        // later than this one, so the distance forward is never negative.
        DWORD now = source();
        ULONGLONG next = seen + static_cast<DWORD>(now - static_cast<DWORD>(seen));
        if (last.compare_exchange_weak(seen, next)) return next;
    }
}

// The import slot itself, under the name the import library would give it.
#if defined(_WIN64)
#define ORVO_TICK_COUNT64_SLOT "__imp_GetTickCount64"
#else
#define ORVO_TICK_COUNT64_SLOT "__imp__GetTickCount64@0"
#endif
extern "C" TickCount64Fn const orvoTickCount64Slot __asm__(ORVO_TICK_COUNT64_SLOT) = &TickCount64;
