// The branded header the launcher's dialogs paint at their top after the
// default background erase: a stretched background strip (or a plain
// white-and-navy band), the maker's logo for the display's resolution and a
// white title below it.
#pragma once

#include <windows.h>

// Always returns true: the background counts as erased.
bool PaintHeaderBanner(HWND window, HDC dc, const char* title);
// A dialog's background erase: the client area in the brush (the dialog
// colour when null), then the banner. Returns true.
bool EraseWithHeaderBanner(HWND window, HDC dc, const char* title, HBRUSH background = nullptr);

namespace ui {

// Every length of the banner for a vertical resolution; given for 96 dpi
// and scaled by dpi / 96 (MulDiv) at others.
struct BannerGeometry {
    int height;          // the whole banner
    int whiteHeight;     // fallback band without the background bitmap
    int navyHeight;      // the navy line below it
    int fontHeight;      // title font height (negative: character height)
    POINT logoOrigin;    // the logo is drawn in its own pixel size
    const char* logoName; // "IDBLOGO31_PNG", "IDBLOGO39_PNG" or "IDBLOGO47_PNG"
};

BannerGeometry ComputeBannerGeometry(int dpi);
// The title's rectangle: below the logo, whose height is in its own pixels.
RECT BannerTitleRect(int dpi, int logoHeight);

// The logo height used when no logo image could be loaded.
constexpr int kDefaultLogoHeight = 31;

} // namespace ui
