// Draws a bitmap without alpha so that its dark red (RGB 128, 0, 0) pixels
// let the destination show through: the low-colour way of drawing a logo.
#pragma once

#include <windows.h>

constexpr COLORREF kTransparentColour = RGB(128, 0, 0);

void DrawTransparentBitmap(HDC dc, HBITMAP bitmap, int x = 15, int y = 4,
                           COLORREF transparent = kTransparentColour);
