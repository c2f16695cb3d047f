#include "ui/pl_mem_dc.h"

namespace {

bool IsPrinting(HDC dc) { return GetDeviceCaps(dc, TECHNOLOGY) == DT_RASPRINTER; }

} // namespace

CPLMemDC::CPLMemDC(HDC target, const RECT* rect) : target_(target), dc_(target) {
    if (rect)
        rect_ = *rect;
    else
        GetClipBox(target, &rect_);
    if (!target || IsPrinting(target)) return;

    // The bitmap is sized in device units; the memory context then maps the
    // same logical coordinates onto it as the target does, shifted to the
    // rectangle's top left.
    RECT device = rect_;
    LPtoDP(target, reinterpret_cast<POINT*>(&device), 2);
    int width = device.right - device.left, height = device.bottom - device.top;
    if (width < 0) width = -width;
    if (height < 0) height = -height;
    if (width == 0 || height == 0) return;
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = memory ? CreateCompatibleBitmap(target, width, height) : nullptr;
    if (!bitmap) {
        if (memory) DeleteDC(memory);
        return;
    }
    dc_ = memory;
    bitmap_ = bitmap;
    memory_ = true;
    previousBitmap_ = SelectObject(dc_, bitmap_);
    SetMapMode(dc_, GetMapMode(target));
    SIZE extent;
    GetWindowExtEx(target, &extent);
    SetWindowExtEx(dc_, extent.cx, extent.cy, nullptr);
    GetViewportExtEx(target, &extent);
    SetViewportExtEx(dc_, extent.cx, extent.cy, nullptr);
    SetWindowOrgEx(dc_, rect_.left, rect_.top, nullptr);

    BitBlt(dc_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top, target_, rect_.left,
           rect_.top, SRCCOPY);
    previousFont_ = SelectObject(dc_, GetCurrentObject(target_, OBJ_FONT));
}

CPLMemDC::~CPLMemDC() {
    if (!memory_) return;
    if (previousFont_) SelectObject(dc_, previousFont_);
    BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top, dc_, rect_.left,
           rect_.top, SRCCOPY);
    SelectObject(dc_, previousBitmap_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}
