#include "utils/version_compare.h"

#include "framework/strings.h"

VersionParts ParseVersion(const std::string& text) {
    VersionParts parts = {0, 0, 0, 0};
    size_t count = 0;
    size_t position = 0;
    while (count < parts.size()) {
        size_t start = text.find_first_not_of('.', position);
        if (start == std::string::npos) break;
        size_t end = text.find('.', start);
        parts[count++] = static_cast<unsigned>(fw::Atoi(text.substr(start, end - start)));
        if (end == std::string::npos) break;
        position = end;
    }
    return parts;
}

bool VersionLess(const std::string& a, const std::string& b) { return ParseVersion(a) < ParseVersion(b); }

bool VersionEqual(const std::string& a, const std::string& b) { return ParseVersion(a) == ParseVersion(b); }

bool VersionAtLeast(const std::string& a, const std::string& b) { return !VersionLess(a, b); }
