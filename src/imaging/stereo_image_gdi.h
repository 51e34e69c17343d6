// The stereo composition done with one GDI call per step, as the loader's steps read: a
// compatible 1024 x 768 bitmap filled black with PatBlt; each view made a device-dependent
// bitmap with CreateDIBitmap, selected into a memory DC and copied with BitBlt; the seven
// black-outs made with PatBlt. The loader itself composes in a pixel buffer and converts
// once (stereo_image.cpp); this path is the yardstick that the benchmark times against it
// and that the Win32 tests compare it with, pixel for pixel.
#pragma once

#include <windows.h>

#include "imaging/duo_format.h"

// The composite compatible with `dc`, or nullptr when a GDI object cannot be made.
HBITMAP composeStereoImageWithGdi(const DuoFile& file, int lowerImageTop, HDC dc);
