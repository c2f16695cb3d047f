// The fuzz build runs natively, where no ANSI code page exists: the case
// helpers the product takes from Windows (framework/strings_case.cpp) are
// stood in for by the ASCII case rules, which every code page keeps.
#include "framework/strings.h"

#include <cctype>

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

} // namespace

namespace fw {

std::string ToUpper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string ToLower(std::string text) {
    for (char& c : text) c = Lower(c);
    return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return EqualsNoCase(text, prefix);
    return EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

} // namespace fw
