// Where a point drawn in the upper view is drawn in the lower view. Script numbers reach
// 2^31 - 1 and below -2^31 + 1 (the lenient number reader saturates), so the arithmetic
// runs in 64 bits and saturates back to 32; GDI clips what lies off the screen.
#pragma once

#include <algorithm>
#include <cstdint>

constexpr std::int32_t saturateToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

struct ViewPoint {
    std::int32_t x;
    std::int32_t y;
    bool operator==(const ViewPoint&) const = default;
};

// The lower view's point for (x, y) of the upper view: `disparity` columns to the left and
// lowerImageTop rows down.
constexpr ViewPoint lowerViewPoint(std::int32_t x, std::int32_t y, std::int32_t disparity,
                                   std::int32_t lowerImageTop) {
    return {saturateToInt32(std::int64_t{x} - disparity),
            saturateToInt32(std::int64_t{y} + lowerImageTop)};
}
