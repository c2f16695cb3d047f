// A process-local lock and its scope guard. The INI cache and the marker cache
// each hold one; none is ever nested in another.
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
