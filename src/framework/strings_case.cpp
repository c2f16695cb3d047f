// The case rules of the ANSI code page, which only the platform knows: the
// one part of the string helpers that is not plain C++.
#include "framework/strings.h"

#include <windows.h>

#include <mbstring.h>

namespace fw {

std::string ToUpper(std::string text) {
    if (!text.empty()) CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::string ToLower(std::string text) {
    if (!text.empty()) CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()),
                    reinterpret_cast<const unsigned char*>(b.c_str())) == 0;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return EqualsNoCase(text, prefix);
    return _mbsnbicmp(reinterpret_cast<const unsigned char*>(text.c_str()),
                      reinterpret_cast<const unsigned char*>(prefix.c_str()), prefix.size()) == 0;
}

} // namespace fw
