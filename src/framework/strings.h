// Narrow-string helpers shared by every module: printf-style formatting into
// std::string, ANSI-code-page case handling, trimming and the atoi rule the
// settings and command line use.
#pragma once

#include <cstdarg>
#include <string>

namespace fw {

std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
std::string FormatV(const char* format, va_list args);

// Case mapping in the ANSI code page (CharUpperBuffA / CharLowerBuffA).
std::string ToUpper(std::string text);
std::string ToLower(std::string text);

// Case-insensitive comparisons in the multibyte code page.
bool EqualsNoCase(const std::string& a, const std::string& b);
// True when the first prefix.size() characters of text equal prefix; a
// shorter text must equal the prefix whole.
bool StartsWithNoCase(const std::string& text, const std::string& prefix);
bool EndsWithNoCase(const std::string& text, const std::string& suffix);

extern const char* const kWhiteSpace; // " \t\r\n\v\f"
std::string TrimLeft(const std::string& text, const char* chars = kWhiteSpace);
std::string TrimRight(const std::string& text, const char* chars = kWhiteSpace);
std::string Trim(const std::string& text, const char* chars = kWhiteSpace);

// The standard atoi rule: leading white space and a sign accepted, stops at
// the first non-digit, no digits give 0.
int Atoi(const std::string& text);

// Cuts text to at most maxChars characters (fixed-buffer semantics).
std::string Truncate(const std::string& text, size_t maxChars);

// Every occurrence of what (not empty) replaced by with, left to right; the
// replacement itself is never searched again.
std::string ReplaceAll(std::string text, const std::string& what, const std::string& with);

} // namespace fw
