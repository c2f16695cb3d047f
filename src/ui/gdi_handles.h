// Owners for the drawing handles the owner-drawn controls create (fonts,
// brushes, icons), so every path releases them.
#pragma once

#include <windows.h>

#include "framework/handles.h"

namespace ui {

template <typename H>
struct GdiObjectTraits {
    static H Invalid() { return nullptr; }
    static bool Valid(H h) { return h != nullptr; }
    static void Close(H h) { DeleteObject(h); }
};
using Font = fw::UniqueHandle<HFONT, GdiObjectTraits<HFONT>>;
using Brush = fw::UniqueHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;

struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static bool Valid(HICON h) { return h != nullptr; }
    static void Close(HICON h) { DestroyIcon(h); }
};
using Icon = fw::UniqueHandle<HICON, IconTraits>;

// Selects an object into a context for one scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace ui
