#include "ui/error_report_rtf.h"

#include "framework/strings.h"

#include <cstdlib>
#include <cstring>

namespace ui {

namespace {

void AppendEscaped(std::string& out, unsigned char c) {
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c >= 0x80) {
        out += fw::Format("\\'%02x", c);
    } else if (c == '\r' || c == '\n' || c == '\t') {
        out += ' ';
    } else {
        out += static_cast<char>(c);
    }
}

// A Unicode code point as RTF: \uN with "?" for readers without Unicode.
void AppendCodePoint(std::string& out, unsigned long code) {
    if (code < 0x80) {
        AppendEscaped(out, static_cast<unsigned char>(code));
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
        AppendEscaped(out, static_cast<unsigned char>(c));
        ++i;
    }
    return out;
}

std::string RtfPicture(int width, int height, const uint32_t* pixels, COLORREF background) {
    if (width <= 0 || height <= 0 || !pixels) return std::string();
    // Some RichEdit builds (Wine's) read a packed DIB's bits one pixel late.
    // A background column on the left and one spare background pixel after
    // the bits make the late and the exact reading show the same icon, with
    // a one-pixel margin on one side or the other.
    const int dibWidth = width + 1;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = dibWidth;
    header.biHeight = height; // bottom-up, as a packed DIB is read
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(dibWidth * height * 4);

    std::string bytes(reinterpret_cast<const char*>(&header), sizeof(header));
    const unsigned backgroundChannel[3] = {GetBValue(background), GetGValue(background), GetRValue(background)};
    auto put = [&](uint32_t premultiplied) {
        unsigned alpha = premultiplied >> 24;
        for (int channel = 0; channel < 3; ++channel) {
            unsigned colour = (premultiplied >> (8 * channel)) & 0xFF;
            unsigned flat = colour + (backgroundChannel[channel] * (255 - alpha) + 127) / 255;
            bytes += static_cast<char>(flat > 255 ? 255 : flat);
        }
        bytes += static_cast<char>(0xFF);
    };
    for (int y = height - 1; y >= 0; --y) {
        put(0); // transparent: the background
        for (int x = 0; x < width; ++x)
            put(pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]);
    }
    put(0);

    // Twips at 96 dpi: 15 per pixel.
    std::string picture = fw::Format("{\\pict\\dibitmap0\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d ", dibWidth, height,
                                     dibWidth * 15, height * 15);
    static const char hex[] = "0123456789abcdef";
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        picture += hex[b >> 4];
        picture += hex[b & 0xF];
        if (i % 64 == 63) picture += "\r\n";
    }
    picture += "}";
    return picture;
}

std::string BuildErrorReportRtf(const OrvoComponents& components, const std::string& picture,
                                const std::string& fontFace, unsigned codePage) {
    std::string face;
    for (char c : fontFace) AppendEscaped(face, static_cast<unsigned char>(c));
    std::string rtf = fw::Format("{\\rtf1\\ansi\\ansicpg%u\\deff0\\uc1{\\fonttbl{\\f0\\fswiss %s;}}"
                                 "{\\colortbl ;\\red51\\green51\\blue153;}\\pard\\f0\\fs16 ",
                                 codePage, face.c_str());
    bool first = true;
    for (const auto& component : components) {
        if (component->message.empty()) continue;
        if (!first) rtf += "\\par ";
        first = false;
        rtf += picture;
        if (!picture.empty()) rtf += " ";
        rtf += "{\\b\\cf1 " + HtmlFragmentToRtf(component->displayName) + "}\\par ";
        rtf += "{" + HtmlFragmentToRtf(component->message) + "}\\par ";
    }
    rtf += "}";
    return rtf;
}

} // namespace ui
