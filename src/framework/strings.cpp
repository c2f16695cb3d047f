#include "framework/strings.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace fw {

const char* const kWhiteSpace = " \t\r\n\v\f";

std::string FormatV(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed <= 0) return std::string();
    std::vector<char> buffer(static_cast<size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), static_cast<size_t>(needed));
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string result = FormatV(format, args);
    va_end(args);
    return result;
}

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    return EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

std::string TrimLeft(const std::string& text, const char* chars) {
    size_t first = text.find_first_not_of(chars);
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string TrimRight(const std::string& text, const char* chars) {
    size_t last = text.find_last_not_of(chars);
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::string Trim(const std::string& text, const char* chars) { return TrimLeft(TrimRight(text, chars), chars); }

int Atoi(const std::string& text) { return std::atoi(text.c_str()); }

std::string Truncate(const std::string& text, size_t maxChars) {
    return text.size() > maxChars ? text.substr(0, maxChars) : text;
}

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
    if (what.empty()) return text;
    for (size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += with.size())
        text.replace(at, what.size(), with);
    return text;
}

} // namespace fw
