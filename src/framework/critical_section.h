// A process-local lock and its scope guard. The INI cache, the marker cache
// and the user's initials each hold one. The marker lock takes the INI lock
// while it is held (a marker's path comes from a setting), always in that
// order and never the other way round; no other lock nests in another.
#pragma once

#include <windows.h>

class CriticalSection {
public:
    CriticalSection() { InitializeCriticalSection(&section_); }
    virtual ~CriticalSection() { DeleteCriticalSection(&section_); }
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void Enter() { EnterCriticalSection(&section_); }
    void Leave() { LeaveCriticalSection(&section_); }
    // Enters only when free; for callers that must never wait.
    bool TryEnter() { return TryEnterCriticalSection(&section_) != FALSE; }

private:
    CRITICAL_SECTION section_;
};

// Enters on construction, leaves on destruction (also during unwinding).
class CSScopeLock {
public:
    explicit CSScopeLock(CriticalSection* section) : section_(section) {
        if (section_) section_->Enter();
    }
    virtual ~CSScopeLock() {
        if (section_) section_->Leave();
    }
    CSScopeLock(const CSScopeLock&) = delete;
    CSScopeLock& operator=(const CSScopeLock&) = delete;

private:
    CriticalSection* section_;
};
