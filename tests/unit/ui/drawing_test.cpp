// The header banner (geometry per resolution and what it paints at 96 dpi),
// the transparent blit and the memory device context, checked on pixels of
// a DIB.
#include "ui/banner.h"
#include "ui/pl_mem_dc.h"
#include "ui/transparent_blit.h"

#include "dib_canvas.h"

#include <gtest/gtest.h>

#include <cstring>

using test_support::DibCanvas;

namespace {

bool SameRect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
    return r.left == left && r.top == top && r.right == right && r.bottom == bottom;
}

bool IsNearWhite(COLORREF c) { return GetRValue(c) > 240 && GetGValue(c) > 240 && GetBValue(c) > 240; }

} // namespace

TEST(BannerGeometryTest, LengthsScaleWithTheResolutionAndTheLogoFollowsIt) {
    ui::BannerGeometry at96 = ui::ComputeBannerGeometry(96);
    EXPECT_EQ(at96.height, 65);
    EXPECT_EQ(at96.whiteHeight, 60);
    EXPECT_EQ(at96.navyHeight, 5);
    EXPECT_EQ(at96.fontHeight, -16);
    EXPECT_EQ(at96.logoOrigin.x, 15);
    EXPECT_EQ(at96.logoOrigin.y, 6);
    EXPECT_STREQ(at96.logoName, "IDBLOGO31_PNG");
    EXPECT_TRUE(SameRect(ui::BannerTitleRect(96, 31), 35, 38, 389, 63));

    ui::BannerGeometry at144 = ui::ComputeBannerGeometry(144);
    EXPECT_EQ(at144.height, 98) << "65 * 1.5 = 97.5 rounds up";
    EXPECT_EQ(at144.fontHeight, -24);
    EXPECT_EQ(at144.logoOrigin.x, 23);
    EXPECT_EQ(at144.logoOrigin.y, 9);
    EXPECT_STREQ(at144.logoName, "IDBLOGO47_PNG");
    // The logo height is its own pixel size and is not scaled.
    EXPECT_TRUE(SameRect(ui::BannerTitleRect(144, 47), 53, 11 + 47, 53 + 531, 58 + 38));

    EXPECT_STREQ(ui::ComputeBannerGeometry(72).logoName, "IDBLOGO31_PNG");
    EXPECT_STREQ(ui::ComputeBannerGeometry(97).logoName, "IDBLOGO39_PNG");
    EXPECT_STREQ(ui::ComputeBannerGeometry(120).logoName, "IDBLOGO39_PNG");
    EXPECT_STREQ(ui::ComputeBannerGeometry(143).logoName, "IDBLOGO39_PNG");
    EXPECT_EQ(ui::ComputeBannerGeometry(120).height, 81);
}

TEST(BannerPaintTest, PaintsBackgroundLogoAndTitleAcrossTheWindowWidth) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 480, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const COLORREF grey = RGB(128, 128, 128);
    DibCanvas canvas(480, 100, grey);
    ASSERT_EQ(GetDeviceCaps(canvas.Dc(), LOGPIXELSY), 96);

    EXPECT_TRUE(PaintHeaderBanner(window, canvas.Dc(), "Orvo"));

    for (int x : {0, 240, 479}) {
        EXPECT_TRUE(IsNearWhite(canvas.At(x, 1))) << x;
        EXPECT_EQ(canvas.At(x, 62), RGB(0, 0, 128)) << "navy bottom rows at " << x;
        EXPECT_EQ(canvas.At(x, 70), grey) << "nothing below the banner at " << x;
    }
    COLORREF band = canvas.At(450, 48);
    EXPECT_GT(GetBValue(band), GetRValue(band) + 40) << "blue band behind the title";

    COLORREF logo = canvas.At(15 + 3, 6 + 15); // the teal square's left edge, beside the ring
    EXPECT_GT(GetGValue(logo), GetRValue(logo) + 60) << "teal logo at (15, 6)";
    EXPECT_EQ(canvas.At(14, 20), canvas.At(470, 20)) << "nothing left of the logo";

    int white = 0;
    for (int y = 38; y < 60; ++y)
        for (int x = 35; x < 100; ++x) white += IsNearWhite(canvas.At(x, y));
    EXPECT_GT(white, 20) << "white title glyphs below the logo";
    DestroyWindow(window);
}

TEST(TransparentBlitTest, DarkRedLetsTheDestinationShowThrough) {
    const COLORREF darkRed = RGB(128, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 255, 0);
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0), yellow = RGB(255, 255, 0);
    const COLORREF nearlyDarkRed = RGB(129, 0, 0);
    DibCanvas source(4, 2, darkRed);
    const COLORREF pattern[2][4] = {{darkRed, blue, darkRed, green}, {white, nearlyDarkRed, black, darkRed}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) source.Fill({x, y, x + 1, y + 1}, pattern[y][x]);
    // The blit selects the bitmap itself: hand it a copy that no context holds.
    HBITMAP bitmap = static_cast<HBITMAP>(CopyImage(GetCurrentObject(source.Dc(), OBJ_BITMAP), IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(bitmap, nullptr);

    DibCanvas target(30, 10, yellow);
    DrawTransparentBitmap(target.Dc(), bitmap);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            COLORREF expected = pattern[y][x] == darkRed ? yellow : pattern[y][x];
            EXPECT_EQ(target.At(15 + x, 4 + y), expected) << x << "," << y;
        }
    EXPECT_EQ(target.At(14, 4), yellow);
    EXPECT_EQ(target.At(19, 5), yellow);
    EXPECT_EQ(target.At(15, 6), yellow);
    DeleteObject(bitmap);
}

TEST(MemDCTest, DrawsOffScreenFromTheTargetsPixelsAndCopiesBackOnDestruction) {
    const COLORREF blue = RGB(0, 0, 255), red = RGB(255, 0, 0);
    DibCanvas target(100, 100, blue);
    target.Fill({22, 22, 24, 24}, RGB(0, 255, 0)); // existing content inside the rectangle
    RECT area = {20, 20, 60, 60};
    {
        CPLMemDC memory(target.Dc(), &area);
        ASSERT_TRUE(memory.IsMemory());
        EXPECT_EQ(GetPixel(memory, 22, 22), RGB(0, 255, 0)) << "starts from the target's pixels";
        RECT inner = {30, 30, 40, 40};
        HBRUSH brush = CreateSolidBrush(red);
        FillRect(memory, &inner, brush); // the target's own coordinates
        DeleteObject(brush);
        EXPECT_EQ(target.At(35, 35), blue) << "nothing reaches the target before the end";
    }
    EXPECT_EQ(target.At(35, 35), red);
    EXPECT_EQ(target.At(29, 29), blue);
    EXPECT_EQ(target.At(22, 22), RGB(0, 255, 0));
    EXPECT_EQ(target.At(70, 70), blue);
}

TEST(MemDCTest, WithoutARectangleCoversTheClipBox) {
    DibCanvas target(50, 40, RGB(0, 0, 0));
    {
        CPLMemDC memory(target.Dc());
        EXPECT_EQ(memory.GetRect().right, 50);
        EXPECT_EQ(memory.GetRect().bottom, 40);
        SetPixel(memory, 49, 39, RGB(255, 255, 255));
    }
    EXPECT_EQ(target.At(49, 39), RGB(255, 255, 255));
}
