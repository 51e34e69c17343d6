// The viewing methods' conversions of the stereo screen: every output pixel shows the view,
// row and column the mapping names; a partial conversion after a change equals a full one;
// the red-cyan mix of pure colours; the choice from the command line and the registry.
#include <gtest/gtest.h>

#include "display/viewing_choice.h"
#include "imaging/anaglyph_mix.h"
#include "imaging/stereo_viewing.h"

#include <vector>

namespace {

constexpr int kW = 1024, kH = 768, kViewRows = 364;
constexpr std::uint32_t kUpperTag = 1u << 21, kLowerTag = 2u << 21, kBandTag = 3u << 21;

std::uint32_t encoded(std::uint32_t tag, int viewRow, int column) {
    return tag | static_cast<std::uint32_t>(viewRow) << 10 | static_cast<std::uint32_t>(column);
}

// Every pixel tells its view, its row in the view and its column; band rows are marked too.
std::vector<std::uint32_t> syntheticScreen(int lowerImageTop) {
    std::vector<std::uint32_t> screen(kW * kH);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const bool upper = y < kViewRows;
            const bool lower = y >= lowerImageTop;
            screen[y * kW + x] = upper   ? encoded(kUpperTag, y, x)
                                 : lower ? encoded(kLowerTag, y - lowerImageTop, x)
                                         : encoded(kBandTag, y, x);
        }
    }
    return screen;
}

// What the eye's view shows at view row `viewRow`, column `column`: black below the screen.
std::uint32_t viewPixel(bool upperView, int viewRow, int column, int lowerImageTop) {
    if (upperView) {
        return encoded(kUpperTag, viewRow, column);
    }
    return lowerImageTop + viewRow < kH ? encoded(kLowerTag, viewRow, column) : 0;
}

std::uint32_t expectedPixel(const ViewingConversion& v, int r, int c) {
    const bool leftUpper = !v.swapEyes;
    const int lit = v.lowerImageTop;
    switch (v.method) {
    case ViewingMethod::Adapter:
        return r < kViewRows ? encoded(kUpperTag, r, c)
               : r >= lit    ? encoded(kLowerTag, r - lit, c)
                             : encoded(kBandTag, r, c);
    case ViewingMethod::Mono:
        return viewPixel(leftUpper, r * 364 / 768, c, lit);
    case ViewingMethod::TopBottom:
        return r < 384 ? viewPixel(leftUpper, r * 364 / 384, c, lit)
                       : viewPixel(!leftUpper, (r - 384) * 364 / 384, c, lit);
    case ViewingMethod::SideBySide:
        return c < 512 ? viewPixel(leftUpper, r * 364 / 768, 2 * c, lit)
                       : viewPixel(!leftUpper, r * 364 / 768, 2 * (c - 512), lit);
    case ViewingMethod::Anaglyph:
        return anaglyphMix(viewPixel(leftUpper, r * 364 / 768, c, lit),
                           viewPixel(!leftUpper, r * 364 / 768, c, lit));
    }
    return 0;
}

TEST(StereoViewing, EveryOutputPixelShowsTheViewRowAndColumnOfTheMapping) {
    const ViewingConversion cases[] = {
        {ViewingMethod::Adapter, 404, false},   {ViewingMethod::Mono, 397, true},
        {ViewingMethod::TopBottom, 454, false}, {ViewingMethod::SideBySide, 404, true},
        {ViewingMethod::Anaglyph, 454, false},  {ViewingMethod::Anaglyph, 380, true},
    };
    for (const ViewingConversion& v : cases) {
        SCOPED_TRACE(static_cast<int>(v.method) * 10000 + v.lowerImageTop +
                     (v.swapEyes ? 1000 : 0));
        std::vector<std::uint32_t> screen = syntheticScreen(v.lowerImageTop);
        std::vector<std::uint32_t> out(kW * kH, 0xDEAD);
        convertStereoRows(v, std::span<const std::uint32_t, kW * kH>(screen.data(), kW * kH),
                          std::span<std::uint32_t, kW * kH>(out.data(), kW * kH), 0, kH);
        int wrong = 0;
        for (int r = 0; r < kH && wrong < 5; ++r) {
            for (int c = 0; c < kW && wrong < 5; ++c) {
                const std::uint32_t want = expectedPixel(v, r, c);
                if (out[r * kW + c] != want) {
                    ADD_FAILURE() << "row " << r << " column " << c << ": " << std::hex
                                  << out[r * kW + c] << " instead of " << want;
                    ++wrong;
                }
            }
        }
        // A change to a few screen rows (the pointer in the lower view, a line in the upper),
        // converted only on the output rows that show them, gives the full conversion.
        for (const auto& [top, bottom] :
             {std::pair{v.lowerImageTop + 100, v.lowerImageTop + 132}, std::pair{363, 364}}) {
            for (int y = top; y < bottom && y < kH; ++y) {
                for (int x = 0; x < kW; ++x) {
                    screen[y * kW + x] = 0x00FF8040u ^ static_cast<std::uint32_t>(x);
                }
            }
            std::vector<std::uint32_t> full(kW * kH);
            const std::span<const std::uint32_t, kW * kH> in(screen.data(), kW * kH);
            convertStereoRows(v, in, std::span<std::uint32_t, kW * kH>(full.data(), kW * kH), 0,
                              kH);
            const OutputRows rows = outputRowsShowing(v, top, bottom);
            convertStereoRows(v, in, std::span<std::uint32_t, kW * kH>(out.data(), kW * kH),
                              rows.first, rows.end);
            EXPECT_TRUE(out == full) << "rows " << top << " to " << bottom;
        }
    }
}

TEST(StereoViewing, RedCyanMixOfPureColours) {
    struct Case {
        std::uint32_t left, right, mixed;
    } cases[] = {
        {0x000000, 0x000000, 0x000000}, {0xFFFFFF, 0x000000, 0xFF0000},
        {0x000000, 0xFFFFFF, 0x00FFFF}, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
        {0xFF0000, 0x000000, 0x6F0000}, // 0.437 x 255 = 111.4
        {0x00FF00, 0x000000, 0x720000}, // 0.449 x 255 = 114.5 rounds down: 114.495
        {0x0000FF, 0x000000, 0x2A0000}, // 0.164 x 255 = 41.8
        {0x000000, 0xFF0000, 0x006000}, // green 0.377 x 255 = 96.1
        {0x000000, 0x00FF00, 0x00C200}, // green 0.761 x 255 = 194.1
        {0x000000, 0x0000FF, 0x0002FF}, // green 0.009 x 255 = 2.3, blue clamped
        {0x00FF00, 0x00FF00, 0x6AB200}, // red (0.449 - 0.032) x 255, green (0.761 - 0.062) x 255
    };
    for (const Case& c : cases) {
        EXPECT_EQ(anaglyphMix(c.left, c.right), c.mixed)
            << std::hex << c.left << " with " << c.right;
    }
}

TEST(ViewingChoice, CommandLineAndStoredValue) {
    using K = ViewingArguments::Kind;
    struct Case {
        const char* commandLine;
        K kind;
        ViewingChoice choice;
        const char* stored; // the registry value the choice is kept as
    } cases[] = {
        {"", K::NotGiven, {}, "adapter"},
        {"/VIEW Anaglyph", K::Chosen, {ViewingMethod::Anaglyph, false}, "anaglyph"},
        {"/swap /view side-by-side",
         K::Chosen,
         {ViewingMethod::SideBySide, true},
         "side-by-side swap"},
        {"/view top-bottom /SWAP", K::Chosen, {ViewingMethod::TopBottom, true}, "top-bottom swap"},
        {"/view adapter /swap", K::Chosen, {}, "adapter"},
        {"/view mono", K::Chosen, {ViewingMethod::Mono, false}, "mono"},
        {"/view wiggle", K::UnknownName, {}, nullptr},
        {"/view", K::UnknownName, {}, nullptr},
        {"/view wiggle /view mono", K::UnknownName, {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        const ViewingArguments got = viewingArguments(c.commandLine);
        EXPECT_EQ(got.kind, c.kind);
        if (c.stored != nullptr) {
            EXPECT_EQ(got.choice, c.choice);
            EXPECT_EQ(viewingValueText(got.choice), c.stored);
            EXPECT_EQ(viewingChoiceFromValue(c.stored), c.choice);
        }
    }
    // A stored value the program does not know counts as the adapter.
    for (const char* value : {"", "wiggle", "anaglyph twice", "mono swap more"}) {
        EXPECT_EQ(viewingChoiceFromValue(value), ViewingChoice{}) << value;
    }
    EXPECT_EQ(viewingChoiceFromValue("ANAGLYPH Swap"),
              (ViewingChoice{ViewingMethod::Anaglyph, true}));
}

} // namespace
