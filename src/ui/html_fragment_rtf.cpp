#include "ui/html_fragment_rtf.h"

#include "framework/strings.h"

#include <cstdlib>

namespace ui {

void AppendRtfEscaped(std::string& out, unsigned char c) {
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c == '\r' || c == '\n' || c == '\t') {
        out += ' ';
    } else if (c >= 0x80 || c < 0x20 || c == 0x7F) {
        // A raw control byte is no RTF: a NUL would end the document early.
        out += fw::Format("\\'%02x", c);
    } else {
        out += static_cast<char>(c);
    }
}

namespace {

// A Unicode code point as RTF: \uN with "?" for readers without Unicode.
void AppendCodePoint(std::string& out, unsigned long code) {
    if (code < 0x80) {
        AppendRtfEscaped(out, static_cast<unsigned char>(code));
    } else if (code <= 0xFFFF) {
        out += fw::Format("\\u%d?", static_cast<int>(static_cast<short>(code)));
    } else {
        out += '?';
    }
}

// Decodes the entity starting at html[at] ('&'); returns how many bytes it
// used, 0 when it is not one we know (the '&' is then plain text).
size_t AppendEntity(std::string& out, const std::string& html, size_t at) {
    size_t semicolon = html.find(';', at);
    if (semicolon == std::string::npos || semicolon - at > 10) return 0;
    std::string name = html.substr(at + 1, semicolon - at - 1);
    size_t used = semicolon - at + 1;
    static const struct {
        const char* name;
        const char* rtf;
    } named[] = {{"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", "\\~"}};
    for (const auto& entity : named) {
        if (name == entity.name) {
            out += entity.rtf;
            return used;
        }
    }
    if (name.size() >= 2 && name[0] == '#') {
        bool hex = name[1] == 'x' || name[1] == 'X';
        const char* digits = name.c_str() + (hex ? 2 : 1);
        char* end = nullptr;
        unsigned long code = strtoul(digits, &end, hex ? 16 : 10);
        if (end && *end == '\0' && end != digits) {
            AppendCodePoint(out, code);
            return used;
        }
    }
    return 0;
}

// The lower-case name of a tag's inner text ("/b" for "</B>", "br" for "br /").
std::string TagName(const std::string& inner) {
    std::string tag = fw::ToLower(fw::Trim(inner));
    bool closing = !tag.empty() && tag[0] == '/';
    if (closing) tag = fw::TrimLeft(tag.substr(1));
    size_t end = tag.find_first_of(" \t\r\n/");
    if (end != std::string::npos) tag = tag.substr(0, end);
    return closing ? "/" + tag : tag;
}

void AppendTag(std::string& out, const std::string& name) {
    if (name == "br")
        out += "\\par ";
    else if (name == "b")
        out += "\\b ";
    else if (name == "/b")
        out += "\\b0 ";
}

} // namespace

std::string HtmlFragmentToRtf(const std::string& html) {
    std::string out;
    for (size_t i = 0; i < html.size();) {
        char c = html[i];
        if (c == '<') {
            size_t close = html.find('>', i + 1);
            if (close != std::string::npos) {
                AppendTag(out, TagName(html.substr(i + 1, close - i - 1)));
                i = close + 1;
                continue;
            }
        } else if (c == '&') {
            size_t used = AppendEntity(out, html, i);
            if (used) {
                i += used;
                continue;
            }
        }
        AppendRtfEscaped(out, static_cast<unsigned char>(c));
        ++i;
    }
    return out;
}

} // namespace ui
