#include "common/screen_depth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "ground/screen_geometry.h"

namespace {

constexpr int kViewWidth = kScreenWidth;

struct Range {
    float farthest = 0;
    float nearest = 0;
    int measured = 0;
};

// The span of the measured disparities that the colours stretch over: from the 2nd to the
// 98th hundredth, so that a few stray matches do not wash out the rest.
Range measuredRange(const DisparityMap& map) {
    std::vector<float> found;
    for (const DepthSample& s : map.samples) {
        if (s.status == DepthStatus::Measured) {
            found.push_back(s.disparity);
        }
    }
    Range r;
    r.measured = static_cast<int>(found.size());
    if (found.empty()) {
        return r;
    }
    std::sort(found.begin(), found.end());
    r.farthest = found[found.size() / 50];
    r.nearest = found[found.size() - 1 - found.size() / 50];
    return r;
}

std::uint8_t channel(double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

// Blue (0) through green (0.5) to red (1).
Rgb rampColour(double t) {
    return {channel(2 * t - 1), channel(1 - std::abs(2 * t - 1)), channel(1 - 2 * t)};
}

Rgb sampleColour(const DepthSample& s, const Range& r) {
    switch (s.status) {
    case DepthStatus::Measured: {
        const double span = r.nearest - r.farthest;
        if (span > 0 && r.farthest < 0 && r.nearest > 0 && std::abs(s.disparity) < 0.5f) {
            return {255, 255, 255};
        }
        return rampColour(span > 0 ? std::clamp((s.disparity - r.farthest) / span, 0.0, 1.0) : 0.5);
    }
    case DepthStatus::Flat:
        return {48, 48, 48};
    case DepthStatus::AtLimit:
        return {255, 0, 255};
    default:
        return {0, 0, 0};
    }
}

std::string oneDecimal(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    return buffer;
}

} // namespace

std::unique_ptr<DisparityMeasure> measureScreenViews(const Picture& screen, int lowerViewTop) {
    return std::make_unique<DisparityMeasure>(
        greyRegion(screen, 0, 0, kViewWidth, kViewHeight),
        greyRegion(screen, 0, lowerViewTop, kViewWidth, kViewHeight), kDuoViewWindow);
}

Picture disparityPicture(const DisparityMap& map, int width, int height) {
    Picture p(width, height);
    const Range r = measuredRange(map);
    for (int j = 0; j < map.rows; ++j) {
        for (int i = 0; i < map.columns; ++i) {
            p.fillRect(i * map.window.stepX, j * map.window.stepY, map.window.stepX,
                       map.window.stepY, sampleColour(map.cell(i, j), r));
        }
    }
    return p;
}

std::string disparityRangeText(const DisparityMap& map) {
    const Range r = measuredRange(map);
    if (r.measured == 0) {
        return "no place textured enough to measure";
    }
    return "disparities from " + oneDecimal(r.farthest) + " (farthest) to " +
           oneDecimal(r.nearest) + " (nearest) over " + std::to_string(r.measured) + " of " +
           std::to_string(map.samples.size()) + " places";
}
