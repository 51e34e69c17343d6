#include <gtest/gtest.h>

#include "dialogs/chooser_grid.h"

TEST(ChooserGrid, HitAreasHaveTheirExactBounds) {
    struct Case {
        int x;
        int y;
        int slide;
    };
    const Case cases[] = {
        {40, 95, 1},   {139, 179, 1},  {39, 95, 0},    {40, 94, 0},   {140, 179, 0}, {180, 235, 9},
        {320, 235, 0}, {1020, 100, 0}, {1023, 100, 0}, {880, 100, 7}, {979, 179, 7}, {40, 180, 0},
        {40, 39, 0},   {40, -101, 0},  {-100, 100, 0}, {40, 234, 0},  {139, 319, 8},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chooserSlideAt(c.x, c.y, 9), c.slide) << c.x << "," << c.y;
    }
    EXPECT_EQ(chooserSlideAt(180, 235, 8), 0) << "beyond the last slide";
}

TEST(ChooserGrid, IconCornersInRowsOfSeven) {
    EXPECT_EQ(chooserIconCorner(1).x, 40);
    EXPECT_EQ(chooserIconCorner(1).y, 95);
    EXPECT_EQ(chooserIconCorner(7).x, 880);
    EXPECT_EQ(chooserIconCorner(8).x, 40);
    EXPECT_EQ(chooserIconCorner(8).y, 235);
    EXPECT_EQ(chooserIconCorner(9).x, 180);
}

TEST(ChooserGrid, ScriptLabelsLoseTheirExtensionAndAreCutAfterNineCharacters) {
    EXPECT_EQ(chooserScriptLabel("Introduction.scp"), "Introduct");
    EXPECT_EQ(chooserScriptLabel("heart.scp"), "heart");
    EXPECT_EQ(chooserScriptLabel("a.b.scp"), "a.b");
    EXPECT_EQ(chooserScriptLabel("noextension"), "noextensi");
}
