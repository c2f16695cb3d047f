// Flicker-free painting: drawing goes to an off-screen copy of a rectangle
// of the target (starting from the target's current pixels), and the copy
// goes back to the target when the object is destroyed. A printer context is
// drawn on directly.
#pragma once

#include <windows.h>

class CPLMemDC {
public:
    // rect in the target's logical units; null: the target's clip box.
    explicit CPLMemDC(HDC target, const RECT* rect = nullptr);
    ~CPLMemDC();
    CPLMemDC(const CPLMemDC&) = delete;
    CPLMemDC& operator=(const CPLMemDC&) = delete;

    // Where to draw, in the target's logical coordinates.
    operator HDC() const { return dc_; }
    // False when drawing goes straight to the target (printing, or no memory
    // context could be made).
    bool IsMemory() const { return memory_; }
    const RECT& GetRect() const { return rect_; }

private:
    HDC target_;
    HDC dc_ = nullptr;
    RECT rect_ = {};
    bool memory_ = false;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    HGDIOBJ previousFont_ = nullptr; // the memory context's own, while the target's is selected
};
