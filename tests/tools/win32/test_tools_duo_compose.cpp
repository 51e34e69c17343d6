// duo compose gives the picture the program's loader makes of the same file: the screen
// image of LoadStereoImage, read back from its bitmap, equals the tool's pixel for pixel,
// for files packed by duo pack at each bit depth with offsets, bands and parallaxes.
#include <gtest/gtest.h>

#include "common/duo_packing.h"
#include "common/picture_files.h"
#include "display/display_globals.h"
#include "duo/duo_screen.h"
#include "imaging/stereo_image.h"
#include "support/program_harness.h"
#include "test_imaging_support.h"

namespace {

Picture toolView(unsigned salt) {
    Picture p(1024, 364);
    for (int y = 0; y < 364; ++y) {
        for (int x = 0; x < 1024; ++x) {
            const std::uint32_t c = busyPattern(static_cast<int>(x + salt), y);
            p.set(x, y,
                  {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                   static_cast<std::uint8_t>(c)});
        }
    }
    return p;
}

class DuoComposeTool : public ProgramTest {
  protected:
    TemporaryDirectory directory;
    TestScreen screen;
};

TEST_F(DuoComposeTool, AgreesWithTheProgramsLoader) {
    struct Case {
        int bits;
        DuoPlacement placement;
        int parallax;
    } cases[] = {
        {24, {}, 0},
        {32, {6, 4, 2, 4, 10, 8, 12, 14}, 9},
        {16, {-5, -45, 3, 45, 0, 3, 0, 0}, -20},
    };
    const Picture upper = toolView(1);
    const Picture lower = toolView(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        const std::string path =
            writeBytes(directory.path(), "pair.duo", packDuo(upper, lower, c.bits, c.placement));
        lowerImageTop = 404 + c.parallax;
        HBITMAP bitmap = LoadStereoImage(path, screen.dc());
        ASSERT_NE(bitmap, nullptr);
        const PixelImage program = readBitmap(screen.dc(), bitmap);
        DeleteObject(bitmap);
        std::string error;
        const std::optional<Picture> tool = composeDuoScreen(path, c.parallax, error);
        ASSERT_TRUE(tool) << error;
        ASSERT_EQ(program.width, tool->width);
        ASSERT_EQ(program.height, tool->height);
        int differences = 0;
        for (int y = 0; y < 768; ++y) {
            for (int x = 0; x < 1024; ++x) {
                const Rgb t = tool->at(x, y);
                const std::uint32_t p = program.at(x, y);
                if (p != ((std::uint32_t{t.red} << 16) | (t.green << 8) | t.blue)) {
                    ++differences;
                }
            }
        }
        EXPECT_EQ(differences, 0);
    }
}

} // namespace
