#include "ui/pl_image.h"

#include "ui/gdiplus_session.h"

#include <algorithm>
using std::max;
using std::min;
#include <gdiplus.h>

#include <cstring>

namespace {

namespace gp = Gdiplus::DllExports;

// A global-memory stream over a copy of the bytes; the stream frees the block.
IStream* StreamOver(const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        return nullptr;
    }
    memcpy(target, bytes, size);
    GlobalUnlock(block);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        GlobalFree(block);
        return nullptr;
    }
    return stream;
}

class GdiplusBitmap {
public:
    explicit GdiplusBitmap(IStream* stream) {
        if (gp::GdipCreateBitmapFromStream(stream, &bitmap_) != Gdiplus::Ok) bitmap_ = nullptr;
    }
    ~GdiplusBitmap() {
        if (bitmap_) gp::GdipDisposeImage(bitmap_);
    }
    GdiplusBitmap(const GdiplusBitmap&) = delete;
    GdiplusBitmap& operator=(const GdiplusBitmap&) = delete;
    Gdiplus::GpBitmap* Get() const { return bitmap_; }

private:
    Gdiplus::GpBitmap* bitmap_ = nullptr;
};

} // namespace

CPLImage::~CPLImage() { Destroy(); }

void CPLImage::Destroy() {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
    hasAlpha_ = false;
    premultiplied_ = false;
}

bool CPLImage::Load(HMODULE module, const char* name) {
    Destroy();
    HRSRC resource = FindResourceA(module, name, "PNG");
    if (!resource) return false;
    DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return false;
    return LoadFromMemory(bytes, size);
}

bool CPLImage::LoadFromMemory(const void* bytes, size_t size) {
    // New pixels have not been premultiplied, whatever the previous image was.
    Destroy();
    if (!bytes || size == 0 || !ui::EnsureGdiplus()) return false;
    IStream* stream = StreamOver(bytes, size);
    if (!stream) return false;
    GdiplusBitmap source(stream);
    stream->Release(); // GDI+ holds its own reference while it needs one
    if (!source.Get()) return false;

    UINT width = 0, height = 0;
    Gdiplus::PixelFormat format = 0;
    if (gp::GdipGetImageWidth(source.Get(), &width) != Gdiplus::Ok ||
        gp::GdipGetImageHeight(source.Get(), &height) != Gdiplus::Ok ||
        gp::GdipGetImagePixelFormat(source.Get(), &format) != Gdiplus::Ok || width == 0 || height == 0 ||
        width > 0x7FFF || height > 0x7FFF)
        return false;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib || !bits) {
        if (dib) DeleteObject(dib);
        return false;
    }

    // Straight (not premultiplied) ARGB, written straight into the DIB.
    Gdiplus::GpRect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    Gdiplus::BitmapData data = {};
    data.Width = width;
    data.Height = height;
    data.Stride = static_cast<INT>(width * 4);
    data.PixelFormat = PixelFormat32bppARGB;
    data.Scan0 = bits;
    if (gp::GdipBitmapLockBits(source.Get(), &all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                               PixelFormat32bppARGB, &data) != Gdiplus::Ok) {
        DeleteObject(dib);
        return false;
    }
    gp::GdipBitmapUnlockBits(source.Get(), &data);

    bitmap_ = dib;
    bits_ = static_cast<uint32_t*>(bits);
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    hasAlpha_ = (format & (PixelFormatAlpha | PixelFormatPAlpha)) != 0;
    Premultiply();
    return true;
}

void CPLImage::Premultiply() {
    if (!bits_ || premultiplied_) return;
    size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    for (size_t i = 0; i < count; ++i) {
        uint32_t pixel = bits_[i];
        uint32_t alpha = pixel >> 24;
        if (alpha == 255) continue;
        uint32_t result = pixel & 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8) {
            uint32_t colour = (pixel >> shift) & 0xFF;
            result |= ((colour * alpha + 127) / 255) << shift;
        }
        bits_[i] = result;
    }
    premultiplied_ = true;
}

uint32_t CPLImage::GetPixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    GdiFlush();
    return bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

bool CPLImage::AlphaBlend(HDC dc, int x, int y) const {
    if (!bitmap_) return false;
    HDC source = CreateCompatibleDC(dc);
    if (!source) return false;
    HGDIOBJ previous = SelectObject(source, bitmap_);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, static_cast<BYTE>(hasAlpha_ ? AC_SRC_ALPHA : 0)};
    // GdiAlphaBlend is gdi32's own export of AlphaBlend: no msimg32 needed.
    BOOL done = GdiAlphaBlend(dc, x, y, width_, height_, source, 0, 0, width_, height_, blend);
    SelectObject(source, previous);
    DeleteDC(source);
    return done != FALSE;
}
