// The numbers playback uses to compute the box a drawn text covers.
#pragma once

#include <cstdint>

struct FontMeasure {
    std::int32_t height;    // the font's cell height
    std::int32_t descent;   // below the baseline
    std::int32_t charWidth; // a typical character's width
};

// From a font's text metrics: charWidth = average + (maximum - average) / 6, truncating.
constexpr FontMeasure fontMeasureFrom(std::int32_t height, std::int32_t descent,
                                      std::int32_t averageWidth, std::int32_t maximumWidth) {
    return {height, descent, averageWidth + (maximumWidth - averageWidth) / 6};
}
