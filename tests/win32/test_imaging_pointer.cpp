// The stereo pointer: both copies drawn where they belong, the screen under them saved and
// put back exactly, and nothing at all in Tutorial mode or at y 0.
#include "support/program_harness.h"
#include "test_imaging_support.h"

#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "display/display_globals.h"
#include "imaging/bitmap_primitives.h"

namespace {

// The crosshair of "ZCursor": white where this is true, the screen unchanged elsewhere.
bool crosshairWhite(int column, int row) {
    const bool verticalBar = (column == 15 || column == 16) && row >= 6 && row <= 25;
    const bool verticalEnds =
        column >= 14 && column <= 17 && ((row >= 6 && row <= 9) || (row >= 22 && row <= 25));
    const bool horizontalBar = row == 16 && column >= 1 && column <= 30;
    const bool horizontalEnds =
        row >= 15 && row <= 17 && ((column >= 1 && column <= 6) || (column >= 25 && column <= 30));
    return verticalBar || verticalEnds || horizontalBar || horizontalEnds;
}

class PointerTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        screenDC = screen.dc();
        createPointerBuffers();
        loadPointerIcon(GetModuleHandleA(nullptr));
        ASSERT_NE(programResources.pointerIcon, nullptr);
        screen.fill(busyPattern);
    }
    void TearDown() override {
        deletePointerBuffers();
        releasePointerIcon();
        ProgramTest::TearDown();
    }

    // The screen equals `before` but for pointer icons with their top-left corners at `at`.
    testing::AssertionResult showsPointersAt(const PixelImage& before,
                                             std::vector<POINT> at) const {
        const PixelImage now = screen.snapshot();
        for (int y = 0; y < 768; ++y) {
            for (int x = 0; x < 1024; ++x) {
                bool white = false;
                for (const POINT& corner : at) {
                    const int column = x - corner.x, row = y - corner.y;
                    white = white || (column >= 0 && column < 32 && row >= 0 && row < 32 &&
                                      crosshairWhite(column, row));
                }
                const std::uint32_t expected = white ? 0xFFFFFFu : before.at(x, y);
                if (now.at(x, y) != expected) {
                    return testing::AssertionFailure()
                           << "pixel (" << x << ", " << y << ") is " << std::hex << now.at(x, y)
                           << ", expected " << expected;
                }
            }
        }
        return testing::AssertionSuccess();
    }

    TestScreen screen;
};

} // namespace

TEST_F(PointerTest, DrawsBothCopiesShiftedByDepthAndErasesThemExactly) {
    struct Case {
        int x, y, depth, lowerTop;
        POINT upper, lower;
    };
    const Case cases[] = {
        {100, 200, 6, 404, {100, 200}, {106, 604}},
        {0, 1, 0, 404, {0, 1}, {0, 405}},
        {500, 349, -12, 354, {500, 349}, {488, 703}},
        {990, 30, 20, 454, {990, 30}, {1010, 484}}, // the lower copy runs off the right edge
    };
    for (const Case& c : cases) {
        lowerImageTop = c.lowerTop;
        const PixelImage before = screen.snapshot();
        DrawPointer(c.x, c.y, c.depth);
        EXPECT_TRUE(showsPointersAt(before, {c.upper, c.lower})) << c.x << "," << c.y;
        ErasePointer(c.x, c.y, c.depth);
        EXPECT_TRUE(showsPointersAt(before, {})) << c.x << "," << c.y;
    }
}

TEST_F(PointerTest, KeepsTextDrawnBetweenMovesWhenErasedBeforeAndDrawnAfter) {
    // Playback erases the pointer before it draws and draws it again afterwards, so that the
    // saved pixels always hold the slide: moving on then leaves the text intact.
    const PixelImage clean = screen.snapshot();
    DrawPointer(300, 100, 4);
    ErasePointer(300, 100, 4);
    PatBlt(screen.dc(), 310, 110, 8, 8, WHITENESS); // drawn where the pointer was
    const PixelImage withText = screen.snapshot();
    EXPECT_FALSE(withText.pixels == clean.pixels);
    DrawPointer(300, 100, 4);
    ErasePointer(300, 100, 4);
    DrawPointer(320, 120, 4); // the pointer moves on
    ErasePointer(320, 120, 4);
    EXPECT_TRUE(showsPointersAt(withText, {}));
}

TEST_F(PointerTest, DrawsAndRestoresNothingInTutorialModeOrAtRowZero) {
    const PixelImage before = screen.snapshot();
    modeFlags.tutorialMode = 1;
    DrawPointer(100, 200, 6);
    EXPECT_TRUE(showsPointersAt(before, {}));
    modeFlags.tutorialMode = 0;
    DrawPointer(100, 0, 6);
    EXPECT_TRUE(showsPointersAt(before, {}));

    // A drawn pointer stays when it is erased in Tutorial mode or at y 0.
    DrawPointer(100, 5, 6);
    ErasePointer(100, 0, 6);
    EXPECT_TRUE(showsPointersAt(before, {{100, 5}, {106, 409}}));
    modeFlags.tutorialMode = 1;
    ErasePointer(100, 5, 6);
    EXPECT_TRUE(showsPointersAt(before, {{100, 5}, {106, 409}}));
    modeFlags.tutorialMode = 0;
    ErasePointer(100, 5, 6);
    EXPECT_TRUE(showsPointersAt(before, {}));
}
