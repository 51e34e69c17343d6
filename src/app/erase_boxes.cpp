#include "app/erase_boxes.h"

#include <algorithm>
#include <cstdlib>

// Arithmetic in 64 bits, saturated back to 32, so that absurd script numbers cannot
// overflow (the boxes are only ever clipped to the screen by GDI).
#include "app/view_coordinates.h"

EraseBox headingBox(std::int32_t baselineY, std::int32_t length, const FontMeasure& measure) {
    return {512, saturateToInt32(std::int64_t{baselineY} + measure.descent),
            saturateToInt32(std::int64_t{length} * measure.charWidth), measure.height, 0};
}

EraseBox textBox(std::int32_t x, std::int32_t y, std::int32_t disparity, std::int32_t length,
                 const FontMeasure& measure) {
    const std::int64_t width = length == 1 ? std::int64_t{measure.charWidth} * 3 / 2
                                           : std::int64_t{length} * measure.charWidth;
    return {x, saturateToInt32(std::int64_t{y} + measure.descent), saturateToInt32(width),
            measure.height, disparity};
}

LineBox lineBox(std::int32_t x, std::int32_t y, std::int32_t disparity, std::int32_t x2,
                std::int32_t y2, std::int32_t disparity2) {
    const std::int64_t lowerStart = std::int64_t{x} - disparity;
    const std::int64_t lowerEnd = std::int64_t{x2} - disparity2;
    return {std::min(x, x2),
            saturateToInt32(std::llabs(std::int64_t{x} - x2) + 2),
            saturateToInt32(std::min(lowerStart, lowerEnd)),
            saturateToInt32(std::llabs(lowerStart - lowerEnd) + 2),
            std::min(y, y2),
            saturateToInt32(std::llabs(std::int64_t{y} - y2) + 2)};
}

ScreenRect upperRect(const EraseBox& box) {
    return {saturateToInt32(std::int64_t{box.centreX} - box.width / 2),
            saturateToInt32(std::int64_t{box.bottom} - box.height), box.width, box.height};
}

ScreenRect lowerRect(const EraseBox& box, std::int32_t lowerImageTop) {
    const ScreenRect upper = upperRect(box);
    return {saturateToInt32(std::int64_t{upper.left} - box.disparity),
            saturateToInt32(std::int64_t{upper.top} + lowerImageTop), upper.width, upper.height};
}

ScreenRect upperRect(const LineBox& box) {
    return {box.upperLeft, box.top, box.upperWidth, box.height};
}

ScreenRect lowerRect(const LineBox& box, std::int32_t lowerImageTop) {
    return {box.lowerLeft, saturateToInt32(std::int64_t{box.top} + lowerImageTop), box.lowerWidth,
            box.height};
}
