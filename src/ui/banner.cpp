#include "ui/banner.h"

#include "ui/pl_image.h"
#include "ui/transparent_blit.h"

namespace ui {

namespace {

int Scale(int length, int dpi) { return dpi == 96 ? length : MulDiv(length, dpi, 96); }

const char* LogoFor(int dpi) {
    if (dpi <= 96) return "IDBLOGO31_PNG";
    if (dpi < 144) return "IDBLOGO39_PNG";
    return "IDBLOGO47_PNG";
}

} // namespace

BannerGeometry ComputeBannerGeometry(int dpi) {
    BannerGeometry g;
    g.height = Scale(65, dpi);
    g.whiteHeight = Scale(60, dpi);
    g.navyHeight = Scale(5, dpi);
    g.fontHeight = Scale(-16, dpi);
    g.logoOrigin = {Scale(15, dpi), Scale(6, dpi)};
    g.logoName = LogoFor(dpi);
    return g;
}

RECT BannerTitleRect(int dpi, int logoHeight) {
    RECT r;
    r.left = Scale(35, dpi);
    r.top = Scale(7, dpi) + logoHeight;
    r.right = r.left + Scale(354, dpi);
    r.bottom = r.top + Scale(25, dpi);
    return r;
}

} // namespace ui

namespace {

HMODULE ProgramModule() { return GetModuleHandleA(nullptr); }

void PaintBackground(HDC dc, int width, const ui::BannerGeometry& g) {
    HBITMAP strip = static_cast<HBITMAP>(LoadImageA(ProgramModule(), "IDBTOP", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (strip) {
        BITMAP info = {};
        GetObjectA(strip, sizeof(info), &info);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, strip);
        int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, width, g.height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
        SelectObject(source, previous);
        DeleteDC(source);
        DeleteObject(strip);
        return;
    }
    RECT white = {0, 0, width, g.whiteHeight};
    HBRUSH whiteBrush = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(dc, &white, whiteBrush);
    DeleteObject(whiteBrush);
    RECT navy = {0, g.whiteHeight, width, g.whiteHeight + g.navyHeight};
    HBRUSH navyBrush = CreateSolidBrush(0x00800000);
    FillRect(dc, &navy, navyBrush);
    DeleteObject(navyBrush);
}

// Returns the logo's height, or the default when no image was drawn from PNG.
int PaintLogo(HDC dc, const ui::BannerGeometry& g) {
    if (GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) > 8) {
        CPLImage logo;
        if (logo.Load(ProgramModule(), g.logoName) && logo.GetWidth() > 0 && logo.GetHeight() > 0) {
            logo.AlphaBlend(dc, g.logoOrigin.x, g.logoOrigin.y);
            return logo.GetHeight();
        }
        return ui::kDefaultLogoHeight;
    }
    // Low-colour displays: a bitmap of the same name, if the program has one.
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(ProgramModule(), g.logoName, IMAGE_BITMAP, 0, 0, 0));
    if (bitmap) {
        DrawTransparentBitmap(dc, bitmap);
        DeleteObject(bitmap);
    }
    return ui::kDefaultLogoHeight;
}

void PaintTitle(HDC dc, const char* title, const ui::BannerGeometry& g, RECT rect) {
    if (!title || !*title) return;
    HFONT font = CreateFontA(g.fontHeight, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    HGDIOBJ previousFont = SelectObject(dc, font);
    COLORREF previousColour = SetTextColor(dc, 0x00FFFFFF);
    int previousMode = SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, title, -1, &rect, 0);
    SetBkMode(dc, previousMode);
    SetTextColor(dc, previousColour);
    SelectObject(dc, previousFont);
    DeleteObject(font);
}

} // namespace

bool PaintHeaderBanner(HWND window, HDC dc, const char* title) {
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    if (dpi <= 0) dpi = 96;
    ui::BannerGeometry g = ui::ComputeBannerGeometry(dpi);
    RECT client = {};
    GetClientRect(window, &client);
    PaintBackground(dc, client.right - client.left, g);
    int logoHeight = PaintLogo(dc, g);
    PaintTitle(dc, title, g, ui::BannerTitleRect(dpi, logoHeight));
    return true;
}

bool EraseWithHeaderBanner(HWND window, HDC dc, const char* title, HBRUSH background) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, background ? background : GetSysColorBrush(COLOR_3DFACE));
    return PaintHeaderBanner(window, dc, title);
}
