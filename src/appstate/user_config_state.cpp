// The current user's initials, named on the command line ("/USER:") and put
// into the main program's command line for the user placeholder.
#include "appstate/paths.h"

#include "framework/critical_section.h"

#include <windows.h>

namespace {

constexpr size_t kMaxInitials = 3;

CriticalSection& InitialsLock() {
    static CriticalSection lock;
    return lock;
}

std::string& StoredInitials() {
    static std::string initials;
    return initials;
}

// At most three bytes, as the product's other programs expect, but never
// half of a double-byte character.
std::string LeadingInitials(const std::string& text) {
    size_t end = 0;
    while (end < text.size()) {
        size_t step = IsDBCSLeadByte(static_cast<BYTE>(text[end])) && end + 1 < text.size() ? 2 : 1;
        if (end + step > kMaxInitials) break;
        end += step;
    }
    return text.substr(0, end);
}

} // namespace

void SetUserInitials(const std::string& text) {
    std::string initials = LeadingInitials(text);
    CSScopeLock lock(&InitialsLock());
    StoredInitials() = initials;
}

std::string GetUserInitials() {
    CSScopeLock lock(&InitialsLock());
    return StoredInitials();
}
