// A PNG image from the program's resources, decoded by GDI+ into a 32-bit
// top-down DIB section whose pixels are premultiplied by their alpha, ready
// for per-pixel alpha blending.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

class CPLImage {
public:
    CPLImage() = default;
    ~CPLImage();
    CPLImage(const CPLImage&) = delete;
    CPLImage& operator=(const CPLImage&) = delete;

    // The resource of type "PNG" with this name (or MAKEINTRESOURCE number).
    // False when it is missing, empty or cannot be decoded; the image is
    // empty then.
    bool Load(HMODULE module, const char* name);
    // The same for PNG (or any GDI+-readable) bytes in memory.
    bool LoadFromMemory(const void* bytes, size_t size);
    void Destroy();

    // Multiplies each colour by its alpha unless that was done for the
    // current pixels already. Every load does it once.
    void Premultiply();

    bool IsNull() const { return bitmap_ == nullptr; }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    int GetBPP() const { return bitmap_ ? 32 : 0; }
    // Whether the decoded image carried an alpha channel.
    bool HasAlpha() const { return hasAlpha_; }
    bool IsPremultiplied() const { return premultiplied_; }
    // Top-down rows of GetWidth() pixels, 0xAARRGGBB each; null when empty.
    const uint32_t* GetBits() const { return bits_; }
    // 0xAARRGGBB of the pixel (as stored: premultiplied after a load); 0
    // outside the image.
    uint32_t GetPixel(int x, int y) const;

    // Source-over blend at (x, y) in the image's own size, with per-pixel
    // alpha when the image has it.
    bool AlphaBlend(HDC dc, int x, int y) const;

private:
    HBITMAP bitmap_ = nullptr;
    uint32_t* bits_ = nullptr; // top-down rows of BGRA
    int width_ = 0;
    int height_ = 0;
    bool hasAlpha_ = false;
    bool premultiplied_ = false;
};
