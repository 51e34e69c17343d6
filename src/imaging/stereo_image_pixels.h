// A pixel buffer made into a bitmap for the screen, and the bitmap read back: the one
// conversion between the core's pixels and GDI.
#pragma once

#include <windows.h>

#include "imaging/pixel_image.h"

// The header of a top-down 32-bit DIB: pixels 0x00RRGGBB, row 0 first.
BITMAPINFO topDownInfo(int width, int height);

// A bitmap compatible with `dc` holding the image; nullptr when it cannot be made.
HBITMAP bitmapFromPixels(HDC dc, const PixelImage& image);

// The bitmap's pixels as 0x00RRGGBB (the unused byte cleared); an empty image on failure.
PixelImage pixelsOfBitmap(HDC dc, HBITMAP bitmap);
