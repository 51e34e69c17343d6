// The stereo screen: two views of 364 rows one above the other with a separator band.
#pragma once

#include <cstdint>

struct ScreenGeometry {
    std::int32_t height;
    std::int32_t width;
    std::int32_t bandTop;
    std::int32_t bandHeight;
};

constexpr ScreenGeometry kStereoScreen = {768, 1024, 364, 40};
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kViewHeight = 364;
// The lower view starts this many rows down when the vertical parallax is 0: below the
// upper view and the band between them (row 404). Every row derived from it uses it.
constexpr int kLowerImageTopBase = kStereoScreen.bandTop + kStereoScreen.bandHeight;
static_assert(kLowerImageTopBase == 404);
