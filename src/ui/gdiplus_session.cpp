#include "ui/gdiplus_session.h"

#include <windows.h>

// The platform's GDI+ headers use unqualified min and max.
#include <algorithm>
using std::max;
using std::min;
#include <gdiplus.h>

#include <mutex>

namespace ui {

bool EnsureGdiplus() {
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        started = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    });
    return started;
}

} // namespace ui
