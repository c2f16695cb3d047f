// A 32-bit top-down DIB selected into a memory context: a device context
// whose pixels a drawing test can read back exactly.
#pragma once

#include <windows.h>

#include <cstdint>

namespace test_support {

class DibCanvas {
public:
    DibCanvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<uint32_t*>(bits);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
        Fill({0, 0, width, height}, fill);
    }
    ~DibCanvas() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC Dc() const { return dc_; }
    void Fill(RECT rect, COLORREF colour) const {
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc_, &rect, brush);
        DeleteObject(brush);
    }
    // The pixel as a COLORREF (alpha dropped).
    COLORREF At(int x, int y) const {
        GdiFlush();
        uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int width_, height_;
    HBITMAP bitmap_ = nullptr;
    uint32_t* bits_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

} // namespace test_support
