// The boxes that playback remembers for what it drew, so that an erase element can put
// the slide picture back over them, in both views.
#pragma once

#include <cstdint>

#include "ground/font_measure.h"

// A drawn text: the columns centreX - width / 2 for `width` columns and the rows
// bottom - height for `height` rows of the upper view; the lower view's box is moved left
// by the disparity and down by lowerImageTop.
struct EraseBox {
    std::int32_t centreX;
    std::int32_t bottom;
    std::int32_t width;
    std::int32_t height;
    std::int32_t disparity;
};

// A drawn line: columns upperLeft.. of the upper view and lowerLeft.. of the lower view,
// both over the rows top..top + height - 1 (plus lowerImageTop for the lower view).
struct LineBox {
    std::int32_t upperLeft;
    std::int32_t upperWidth;
    std::int32_t lowerLeft;
    std::int32_t lowerWidth;
    std::int32_t top;
    std::int32_t height;
};

struct ScreenRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
    bool operator==(const ScreenRect&) const = default;
};

// The box of a title or caption of `length` characters (no disparity).
EraseBox headingBox(std::int32_t baselineY, std::int32_t length, const FontMeasure& measure);
// The box of an "EText": a one-character text is 1.5 character widths wide.
EraseBox textBox(std::int32_t x, std::int32_t y, std::int32_t disparity, std::int32_t length,
                 const FontMeasure& measure);
// The box of an "ELine" from (x, y) to (x2, y2) with the disparities of its two ends.
LineBox lineBox(std::int32_t x, std::int32_t y, std::int32_t disparity, std::int32_t x2,
                std::int32_t y2, std::int32_t disparity2);

ScreenRect upperRect(const EraseBox& box);
ScreenRect lowerRect(const EraseBox& box, std::int32_t lowerImageTop);
ScreenRect upperRect(const LineBox& box);
ScreenRect lowerRect(const LineBox& box, std::int32_t lowerImageTop);
