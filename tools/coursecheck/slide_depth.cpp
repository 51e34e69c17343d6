#include "coursecheck/slide_depth.h"
#include "ground/screen_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>
#include <vector>

#include "common/screen_depth.h"
#include "imaging/stereo_composer.h"

namespace {

constexpr int kViewWidth = kScreenWidth; // a view is as wide as the screen
// How far in from the frame's edge the picture is looked at for the stereo window.
constexpr int kEdgeZone = 40;
// Places that must agree before a part of the picture counts.
constexpr std::size_t kFewestPlaces = 3;

std::string decimal(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    return buffer;
}

// The measured disparities of the places whose centre lies in the rectangle.
std::vector<double> measuredIn(const DisparityMap& map, int left, int top, int width, int height,
                               std::size_t& places) {
    std::vector<double> found;
    places = 0;
    for (int j = 0; j < map.rows; ++j) {
        const int y = map.yOf(j);
        if (y < top || y >= top + height) {
            continue;
        }
        for (int i = 0; i < map.columns; ++i) {
            const int x = map.xOf(i);
            if (x < left || x >= left + width) {
                continue;
            }
            ++places;
            if (map.cell(i, j).status == DepthStatus::Measured) {
                found.push_back(map.cell(i, j).disparity);
            }
        }
    }
    return found;
}

bool viewHasContent(const Picture& screen, int x) {
    for (int y = 0; y < kViewHeight; ++y) {
        if (screen.at(x, y) != Rgb{} || screen.at(x, y + kLowerViewTop) != Rgb{}) {
            return true;
        }
    }
    return false;
}

std::string behindText(const std::string& what, std::int32_t disparity, double surface) {
    return what + " with disparity " + std::to_string(disparity) +
           " is seen behind the picture's surface there (disparity " + decimal(surface) +
           "): a depth conflict; " + std::to_string(disparityInFront(surface)) +
           " or more puts it in front";
}

} // namespace

PictureDepth measurePictureDepth(const Picture& screen) {
    PictureDepth d;
    d.map = measureDisparityMap(*measureScreenViews(screen));
    // Places whose centre is black in the upper view (a band, the margin of a shifted view)
    // show no picture there: a block reaching over the band's edge into the picture would
    // give a title on the band the picture's depth.
    for (int j = 0; j < d.map.rows; ++j) {
        for (int i = 0; i < d.map.columns; ++i) {
            if (screen.at(d.map.xOf(i), d.map.yOf(j)) == Rgb{}) {
                d.map.samples[static_cast<std::size_t>(j) * d.map.columns + i].status =
                    DepthStatus::Flat;
            }
        }
    }
    while (d.frameLeft < kViewWidth - 1 && !viewHasContent(screen, d.frameLeft)) {
        ++d.frameLeft;
    }
    while (d.frameRight > d.frameLeft && !viewHasContent(screen, d.frameRight)) {
        --d.frameRight;
    }
    return d;
}

std::optional<double> surfaceUnder(const DisparityMap& map, const ScreenRect& upper) {
    std::size_t places = 0;
    std::vector<double> found =
        measuredIn(map, upper.left, upper.top, upper.width, upper.height, places);
    if (found.size() < kFewestPlaces) {
        return std::nullopt;
    }
    const auto fifth = found.end() - 1 - static_cast<std::ptrdiff_t>(found.size() / 5);
    std::nth_element(found.begin(), fifth, found.end());
    return *fifth;
}

std::optional<double> surfaceAt(const DisparityMap& map, int x, int y) {
    const MatchWindow& w = map.window;
    std::size_t places = 0;
    std::vector<double> found = measuredIn(map, x - w.halfWidth, y - w.halfHeight,
                                           2 * w.halfWidth + 1, 2 * w.halfHeight + 1, places);
    if (found.size() < kFewestPlaces) {
        return std::nullopt;
    }
    const auto middle = found.begin() + static_cast<std::ptrdiff_t>(found.size() / 2);
    std::nth_element(found.begin(), middle, found.end());
    return *middle;
}

void checkPictureWindow(const PictureDepth& depth, const DepthReport& report) {
    const struct {
        const char* name;
        int left;
    } edges[] = {{"left", depth.frameLeft}, {"right", depth.frameRight + 1 - kEdgeZone}};
    for (const auto& edge : edges) {
        std::size_t places = 0;
        const std::vector<double> found =
            measuredIn(depth.map, edge.left, 0, kEdgeZone, kViewHeight, places);
        std::vector<double> inFront;
        for (double d : found) {
            if (d > kWindowTolerance) {
                inFront.push_back(d);
            }
        }
        if (inFront.size() >= kFewestPlaces) {
            report(std::string("the picture stands in front of the screen at the ") + edge.name +
                   " edge of its views (disparity up to " +
                   decimal(*std::max_element(inFront.begin(), inFront.end())) +
                   "): the stereo window cuts it; move its nearest part to the screen "
                   "(duo pack --align does)");
        }
    }
}

void checkTextDepth(const PictureDepth* depth, const std::string& name, const ScreenRect& upper,
                    const ScreenRect& lower, std::int32_t disparity, const DepthReport& report) {
    if (disparity > 0) {
        const bool cut = upper.left < 0 || lower.left < 0 ||
                         upper.left + upper.width > kViewWidth ||
                         lower.left + lower.width > kViewWidth;
        if (cut) {
            report("\"" + name + "\" stands in front of the screen (disparity " +
                   std::to_string(disparity) +
                   ") and a view's edge cuts it: the stereo window hides what should stand out "
                   "of it");
        }
    }
    if (depth == nullptr) {
        return;
    }
    if (const auto surface = surfaceUnder(depth->map, upper);
        surface && disparity < *surface - kTextDepthTolerance) {
        report(behindText("\"" + name + "\"", disparity, *surface));
    }
}

void checkLineDepth(const PictureDepth* depth, std::int32_t x1, std::int32_t y1, std::int32_t d1,
                    std::int32_t x2, std::int32_t y2, std::int32_t d2, const DepthReport& report) {
    for (const auto& [x, y, d] : {std::tuple{x1, y1, d1}, std::tuple{x2, y2, d2}}) {
        const std::int64_t lowerX = std::int64_t{x} - d;
        if (d > 0 && (x <= 0 || x >= kViewWidth - 1 || lowerX <= 0 || lowerX >= kViewWidth - 1)) {
            report("the line's end at (" + std::to_string(x) + ", " + std::to_string(y) +
                   ") stands in front of the screen (disparity " + std::to_string(d) +
                   ") at a view's edge: the stereo window cuts it");
        }
        if (depth == nullptr) {
            continue;
        }
        if (const auto surface = surfaceAt(depth->map, x, y);
            surface && d < *surface - kLineEndDepthTolerance) {
            report(behindText("the line's end at (" + std::to_string(x) + ", " + std::to_string(y) +
                                  ")",
                              d, *surface));
        }
    }
}
