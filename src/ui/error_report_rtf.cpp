#include "ui/error_report_rtf.h"

#include "framework/strings.h"


namespace ui {

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
    for (char c : fontFace) AppendRtfEscaped(face, static_cast<unsigned char>(c));
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
