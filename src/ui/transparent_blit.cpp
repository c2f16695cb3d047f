#include "ui/transparent_blit.h"

#include <initializer_list>

namespace {

// A memory context with its own bitmap; both go when it does.
class ScratchDC {
public:
    ScratchDC(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)), bitmap_(bitmap) {
        if (dc_ && bitmap_) previous_ = SelectObject(dc_, bitmap_);
    }
    ~ScratchDC() {
        if (dc_) {
            if (previous_) SelectObject(dc_, previous_);
            DeleteDC(dc_);
        }
        if (bitmap_) DeleteObject(bitmap_);
    }
    ScratchDC(const ScratchDC&) = delete;
    ScratchDC& operator=(const ScratchDC&) = delete;
    HDC Get() const { return dc_; }
    bool Valid() const { return dc_ && bitmap_ && previous_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_ = nullptr;
};

} // namespace

void DrawTransparentBitmap(HDC dc, HBITMAP bitmap, int x, int y, COLORREF transparent) {
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info)) return;
    const int w = info.bmWidth, h = info.bmHeight;

    HDC source = CreateCompatibleDC(dc);
    if (!source) return;
    HGDIOBJ previousSource = SelectObject(source, bitmap);
    {
        // mask: 1 where the bitmap is the transparent colour, 0 elsewhere.
        ScratchDC mask(dc, CreateBitmap(w, h, 1, 1, nullptr));
        ScratchDC inverse(dc, CreateBitmap(w, h, 1, 1, nullptr));
        ScratchDC result(dc, CreateCompatibleBitmap(dc, w, h));
        ScratchDC object(dc, CreateCompatibleBitmap(dc, w, h));
        if (mask.Valid() && inverse.Valid() && result.Valid() && object.Valid()) {
            COLORREF oldBack = SetBkColor(source, transparent);
            BitBlt(mask.Get(), 0, 0, w, h, source, 0, 0, SRCCOPY);
            SetBkColor(source, oldBack);
            BitBlt(inverse.Get(), 0, 0, w, h, mask.Get(), 0, 0, NOTSRCCOPY);

            // Monochrome to colour maps 0 to the text colour and 1 to the
            // background colour of the destination context.
            for (HDC target : {result.Get(), object.Get()}) {
                SetTextColor(target, RGB(0, 0, 0));
                SetBkColor(target, RGB(255, 255, 255));
            }
            // The destination where the bitmap is transparent, black elsewhere.
            BitBlt(result.Get(), 0, 0, w, h, dc, x, y, SRCCOPY);
            BitBlt(result.Get(), 0, 0, w, h, mask.Get(), 0, 0, SRCAND);
            // The bitmap where it is opaque, black elsewhere.
            BitBlt(object.Get(), 0, 0, w, h, source, 0, 0, SRCCOPY);
            BitBlt(object.Get(), 0, 0, w, h, inverse.Get(), 0, 0, SRCAND);
            BitBlt(result.Get(), 0, 0, w, h, object.Get(), 0, 0, SRCPAINT);
            BitBlt(dc, x, y, w, h, result.Get(), 0, 0, SRCCOPY);
        }
    }
    SelectObject(source, previousSource);
    DeleteDC(source);
}
