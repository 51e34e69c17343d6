#include "common/stereo_styles.h"
#include "ground/screen_geometry.h"

#include "imaging/anaglyph_mix.h"

#include <cstdint>

namespace {

constexpr int kViewWidth = kScreenWidth; // a view is as wide as the screen

Rgb viewPixel(const Picture& screen, int x, int y, int top) {
    return screen.contains(x, top + y) ? screen.at(x, top + y) : Rgb{};
}

// The program's own red-cyan mix, so that a preview shows what the program shows.
Rgb dubois(Rgb left, Rgb right) {
    const auto word = [](Rgb c) {
        return std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue;
    };
    const std::uint32_t mixed = anaglyphMix(word(left), word(right));
    return {std::uint8_t(mixed >> 16), std::uint8_t(mixed >> 8), std::uint8_t(mixed)};
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
