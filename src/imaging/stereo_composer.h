// The 1024 x 768 stereo screen image of a DUO file, composed in a pixel buffer in the
// loader's order: the composite starts black; the lower view is copied, then the upper
// view, each 1024 columns wide from the view's column 0; then seven rectangles are blacked
// out (the top bands of both views, their bottom bands, the left and right bands, and the
// separator band between the views).
//
// The copies and black-outs keep GDI's rules, so that the result is the picture the GDI
// calls BitBlt and PatBlt make of the same steps on Windows:
// - everything is clipped to the screen, and a copy to the part of its view that exists
//   (what lies outside the view leaves the screen as it was);
// - a black-out with a negative width or height covers the columns or rows just before its
//   x or y: from x + width to x - 1. With a vertical parallax below -40 the separator band's
//   height is negative and the rows from lowerImageTop to 363 are blacked out. (Wine's
//   PatBlt covers x + width + 1 to x instead, one row further down.)
// - a copy of zero or fewer rows copies nothing (a view moved wholly past the other view's
//   area stays off the screen).
#pragma once

#include <array>
#include <cstdint>

#include "ground/screen_geometry.h"
#include "imaging/duo_format.h"
#include "imaging/pixel_image.h"

constexpr int kCompositeWidth = 1024;
constexpr int kCompositeHeight = 768;
constexpr int kViewRows = 364; // rows of each view on the screen; the upper view's band top
constexpr int kBandRows = 40;  // the separator band's height, also the views' thresholds
constexpr int kLowerViewTop = kLowerImageTopBase; // lowerImageTop when the vertical parallax is 0

// One view copy: `rows` rows of 1024 columns from the view's row `sourceY`, column 0, to
// (destX, destY) of the composite.
struct ViewCopy {
    std::int32_t destX;
    std::int32_t destY;
    std::int32_t sourceY;
    std::int32_t rows;
    bool operator==(const ViewCopy&) const = default;
};

// One black-out: the rectangle (x, y, width, height) as PatBlt takes it.
struct BlackOut {
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;
    bool operator==(const BlackOut&) const = default;
};

struct StereoSteps {
    ViewCopy lower;
    ViewCopy upper;
    std::array<BlackOut, 7> blackOuts; // in the order they are done
};

// The copies and black-outs for a placement and the first row of the lower view. The sums
// wrap at 32 bits as the int arguments of the GDI calls would.
StereoSteps stereoSteps(const DuoPlacement& placement, int lowerImageTop);

// Copies as BitBlt with SRCCOPY does: clipped to the screen and to the view.
void copyViewRows(PixelImage& screen, const DuoView& view, const ViewCopy& copy);
// Fills black as PatBlt with BLACKNESS does on Windows, negative extents included.
void blackOut(PixelImage& screen, const BlackOut& rectangle);

// The whole composition: a 1024 x 768 image.
PixelImage composeStereoImage(const DuoFile& file, int lowerImageTop);
// The same into `screen`, which is made 1024 x 768 and black first; a caller that composes
// many pictures keeps one buffer.
void composeStereoImage(const DuoFile& file, int lowerImageTop, PixelImage& screen);
