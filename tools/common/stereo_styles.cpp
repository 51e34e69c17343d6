#include "common/stereo_styles.h"
#include "ground/screen_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kViewWidth = kScreenWidth; // a view is as wide as the screen

constexpr float kDuboisLeft[3][3] = {
    {0.437f, 0.449f, 0.164f}, {-0.062f, -0.062f, -0.024f}, {-0.048f, -0.050f, -0.017f}};
constexpr float kDuboisRight[3][3] = {
    {-0.011f, -0.032f, -0.007f}, {0.377f, 0.761f, 0.009f}, {-0.026f, -0.093f, 1.234f}};

Rgb viewPixel(const Picture& screen, int x, int y, int top) {
    return screen.contains(x, top + y) ? screen.at(x, top + y) : Rgb{};
}

std::uint8_t clampedChannel(float v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

Rgb dubois(Rgb left, Rgb right) {
    const float l[3] = {float(left.red), float(left.green), float(left.blue)};
    const float r[3] = {float(right.red), float(right.green), float(right.blue)};
    float out[3];
    for (int c = 0; c < 3; ++c) {
        out[c] = 0;
        for (int k = 0; k < 3; ++k) {
            out[c] += kDuboisLeft[c][k] * l[k] + kDuboisRight[c][k] * r[k];
        }
    }
    return {clampedChannel(out[0]), clampedChannel(out[1]), clampedChannel(out[2])};
}

} // namespace

std::optional<StereoStyle> stereoStyleNamed(const std::string& name) {
    for (StereoStyle s : {StereoStyle::OverUnder, StereoStyle::Anaglyph, StereoStyle::Parallel,
                          StereoStyle::Cross}) {
        if (name == stereoStyleName(s)) {
            return s;
        }
    }
    return std::nullopt;
}

const char* stereoStyleName(StereoStyle style) {
    switch (style) {
    case StereoStyle::Anaglyph:
        return "anaglyph";
    case StereoStyle::Parallel:
        return "parallel";
    case StereoStyle::Cross:
        return "cross";
    case StereoStyle::OverUnder:
        break;
    }
    return "over-under";
}

Picture styledScreen(const Picture& screen, int lowerImageTop, StereoStyle style) {
    if (style == StereoStyle::OverUnder) {
        return screen;
    }
    const bool pair = style != StereoStyle::Anaglyph;
    Picture out(pair ? 2 * kViewWidth : kViewWidth, 2 * kViewHeight);
    // Parallel viewing puts the left eye's view on the left; cross viewing on the right.
    const int leftAt = style == StereoStyle::Cross ? kViewWidth : 0;
    const int rightAt = style == StereoStyle::Parallel ? kViewWidth : 0;
    for (int y = 0; y < kViewHeight; ++y) {
        for (int x = 0; x < kViewWidth; ++x) {
            const Rgb left = viewPixel(screen, x, y, 0);
            const Rgb right = viewPixel(screen, x, y, lowerImageTop);
            for (int repeat = 0; repeat < 2; ++repeat) {
                if (pair) {
                    out.set(leftAt + x, 2 * y + repeat, left);
                    out.set(rightAt + x, 2 * y + repeat, right);
                } else {
                    out.set(x, 2 * y + repeat, dubois(left, right));
                }
            }
        }
    }
    return out;
}
