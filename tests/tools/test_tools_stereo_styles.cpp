// duo compose --style: a point of known disparity lands where each way of viewing puts it,
// the lower view taken from lowerImageTop.
#include <gtest/gtest.h>

#include "common/picture_files.h"
#include "duo/duo_commands.h"
#include "tools_test_support.h"

namespace {

constexpr int kX = 300, kY = 100, kDisparity = 12, kParallax = 3;

TEST(StereoStyles, APointOfKnownDisparityLandsWhereEachStyleShowsIt) {
    // A white square in the upper view at (kX, kY) and in the lower view kDisparity to the left.
    Picture upper(1024, 364), lower(1024, 364);
    upper.fillRect(kX, kY, 6, 6, {255, 255, 255});
    lower.fillRect(kX - kDisparity, kY, 6, 6, {255, 255, 255});
    TempDir dir;
    std::string error;
    writePictureFile(dir / "u.ppm", upper, error);
    writePictureFile(dir / "l.ppm", lower, error);
    ASSERT_EQ(runTool(runDuo, {"pack", dir / "u.ppm", dir / "l.ppm", dir / "s.duo"}).code, 0);
    const Rgb white{255, 255, 255};
    const Rgb red{255, 0, 0};    // Dubois' mixing of white seen by the left eye only
    const Rgb cyan{0, 255, 255}; // and by the right eye only
    struct Probe {
        int x, y;
        Rgb colour;
    };
    struct Case {
        const char* style;
        int width, height;
        std::vector<Probe> probes;
    } cases[] = {
        {"over-under",
         1024,
         768,
         {{kX, kY, white}, {kX - kDisparity, 404 + kParallax + kY, white}}},
        {"anaglyph",
         1024,
         728,
         {{kX + 4, 2 * kY + 1, red}, {kX - kDisparity + 2, 2 * kY, cyan}, {kX - 1, 2 * kY, {}}}},
        {"parallel",
         2048,
         728,
         {{kX, 2 * kY + 1, white},
          {1024 + kX - kDisparity, 2 * kY, white},
          {1024 + kX, 2 * kY, {}}}},
        {"cross",
         2048,
         728,
         {{1024 + kX, 2 * kY + 1, white}, {kX - kDisparity, 2 * kY, white}, {kX, 2 * kY, {}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        const ToolRun compose = runTool(runDuo, {"compose", "--parallax", std::to_string(kParallax),
                                                 "--style", c.style, dir / "s.duo", dir / "o.ppm"});
        ASSERT_EQ(compose.code, 0) << compose.err;
        const auto shown = readPictureFile(dir / "o.ppm", error);
        ASSERT_TRUE(shown.has_value()) << error;
        EXPECT_EQ(shown->width, c.width);
        EXPECT_EQ(shown->height, c.height);
        for (const Probe& p : c.probes) {
            const Rgb got = shown->at(p.x, p.y);
            EXPECT_EQ(got, p.colour) << p.x << "," << p.y << ": " << int(got.red) << ","
                                     << int(got.green) << "," << int(got.blue);
        }
    }
    EXPECT_EQ(runTool(runDuo, {"compose", "--style", "wiggle", dir / "s.duo", dir / "o.ppm"}).code,
              2);
}

} // namespace
