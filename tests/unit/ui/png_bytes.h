// Encodes small RGBA images as PNG files in memory (stored, uncompressed
// deflate), so image tests can state exact pixel values.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace test_support {

struct Rgba {
    uint8_t r, g, b, a;
};

inline uint32_t Crc32(const std::string& data) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : data) {
        crc ^= c;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void PutBE32(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

inline void PutChunk(std::string& out, const char* kind, const std::string& data) {
    PutBE32(out, static_cast<uint32_t>(data.size()));
    std::string body = std::string(kind, 4) + data;
    out += body;
    PutBE32(out, Crc32(body));
}

// pixels: width * height entries, row by row from the top.
inline std::string EncodePng(int width, int height, const std::vector<Rgba>& pixels) {
    std::string raw;
    for (int y = 0; y < height; ++y) {
        raw += '\0'; // no filter
        for (int x = 0; x < width; ++x) {
            const Rgba& p = pixels[static_cast<size_t>(y * width + x)];
            raw += static_cast<char>(p.r);
            raw += static_cast<char>(p.g);
            raw += static_cast<char>(p.b);
            raw += static_cast<char>(p.a);
        }
    }
    // zlib stream of one stored block (raw is well below 64 KiB here).
    std::string z = "\x78\x01";
    z += '\x01';
    uint16_t length = static_cast<uint16_t>(raw.size());
    z += static_cast<char>(length & 0xFF);
    z += static_cast<char>(length >> 8);
    z += static_cast<char>(~length & 0xFF);
    z += static_cast<char>((~length >> 8) & 0xFF);
    z += raw;
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBE32(z, (b << 16) | a);

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    PutBE32(header, static_cast<uint32_t>(width));
    PutBE32(header, static_cast<uint32_t>(height));
    header += std::string("\x08\x06\x00\x00\x00", 5); // 8-bit RGBA
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", z);
    PutChunk(png, "IEND", "");
    return png;
}

} // namespace test_support
