// The depth of what a slide draws against the depth of its picture: texts and line ends
// seen behind the surface they lie over (a depth conflict), and the stereo window: parts of
// the picture or elements that stand in front of the screen where a view's left or right
// edge cuts them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/erase_boxes.h"
#include "common/disparity_map.h"
#include "common/picture.h"

// A text may be measured up to this much behind its surface before it is reported: the
// measure's own accuracy on textured surfaces.
constexpr double kTextDepthTolerance = 1.0;
// A line's end may lie this much further behind: the end of a pointer is meant to touch
// the structure it points at, and the matched block (17 x 9 pixels) mixes the depth of the
// point with its surroundings', nearer where the point lies in a hollow.
constexpr double kLineEndDepthTolerance = 2.0;
// Parts of the picture nearer than this are in front of the screen.
constexpr double kWindowTolerance = 1.0;

// The picture's measured depth and the columns its views fill (the stereo window's frame).
struct PictureDepth {
    DisparityMap map;
    int frameLeft = 0;
    int frameRight = 1023;
};

PictureDepth measurePictureDepth(const Picture& screen);

// The surface under a box of the upper view: the disparity that a fifth of its measured
// places reach; none where too little of it can be measured.
std::optional<double> surfaceUnder(const DisparityMap& map, const ScreenRect& upper);
// The surface at a point: the median of the places within a block of it; none as above.
std::optional<double> surfaceAt(const DisparityMap& map, int x, int y);

using DepthReport = std::function<void(const std::string& text)>;

// The picture stands in front of the screen at the frame's left or right edge.
void checkPictureWindow(const PictureDepth& depth, const DepthReport& report);
// A text (`name` as shown) drawn with `disparity` over the box `upper`.
void checkTextDepth(const PictureDepth* depth, const std::string& name, const ScreenRect& upper,
                    const ScreenRect& lower, std::int32_t disparity, const DepthReport& report);
// A line's ends.
void checkLineDepth(const PictureDepth* depth, std::int32_t x1, std::int32_t y1, std::int32_t d1,
                    std::int32_t x2, std::int32_t y2, std::int32_t d2, const DepthReport& report);
