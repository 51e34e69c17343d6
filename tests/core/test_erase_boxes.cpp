// The boxes that erase elements restore: their arithmetic in both views.
#include <gtest/gtest.h>

#include "app/continuation.h"
#include "app/erase_boxes.h"
#include "app/view_coordinates.h"

TEST(EraseBoxes, TextAndHeadingBoxesInBothViews) {
    const FontMeasure measure = {16, 3, 9};
    const EraseBox one = textBox(300, 150, 6, 1, measure);
    EXPECT_EQ(one.width, 13); // 1.5 widths, truncated
    const EraseBox two = textBox(300, 150, 6, 2, measure);
    EXPECT_EQ(two.width, 18);
    EXPECT_EQ(upperRect(two), (ScreenRect{291, 137, 18, 16}));
    EXPECT_EQ(lowerRect(two, 410), (ScreenRect{285, 547, 18, 16}));
    // An odd width centres by truncating division.
    const EraseBox odd = textBox(-5, 10, -4, 3, {10, 2, 5});
    EXPECT_EQ(upperRect(odd).left, -5 - 7);
    EXPECT_EQ(lowerRect(odd, 404).left, -12 + 4);
    const EraseBox title = headingBox(20, 9, {18, 4, 12});
    EXPECT_EQ(upperRect(title), (ScreenRect{512 - 54, 6, 108, 18}));
    EXPECT_EQ(lowerRect(title, 404), (ScreenRect{458, 410, 108, 18}));
}

TEST(EraseBoxes, LineBoxesCoverBothEndsInEachView) {
    const LineBox box = lineBox(100, 50, 4, 300, 80, 8);
    EXPECT_EQ(upperRect(box), (ScreenRect{100, 50, 202, 32}));
    EXPECT_EQ(lowerRect(box, 404), (ScreenRect{96, 454, 198, 32}));
    // Reversed ends give the same box.
    const LineBox reversed = lineBox(300, 80, 8, 100, 50, 4);
    EXPECT_EQ(upperRect(reversed), upperRect(box));
    EXPECT_EQ(lowerRect(reversed, 404), lowerRect(box, 404));
    // Absurd numbers saturate instead of overflowing.
    const LineBox huge = lineBox(INT32_MAX, 0, INT32_MIN, INT32_MIN, 0, INT32_MAX);
    EXPECT_EQ(huge.upperWidth, INT32_MAX);
    EXPECT_EQ(huge.lowerWidth, INT32_MAX);
}

TEST(Continuation, EachFlowWaitsWhereItShould) {
    // runThrough, tutorialMode, delayRunning, stepping
    EXPECT_TRUE(continuesAtOnce(1, 0, 0, 0));
    EXPECT_TRUE(continuesAtOnce(1, 1, 1, 0));
    EXPECT_TRUE(continuesAtOnce(0, 1, 0, 0));
    EXPECT_FALSE(continuesAtOnce(0, 1, 1, 1));
    EXPECT_TRUE(continuesAtOnce(0, 0, 1, 1));
    EXPECT_FALSE(continuesAtOnce(0, 0, 0, 0));
}

TEST(ViewCoordinates, TheLowerViewPointSaturatesAtTheEdgesOfThirtyTwoBits) {
    struct Case {
        std::int32_t x, y, disparity, lowerImageTop;
        ViewPoint lower;
    };
    const Case cases[] = {
        {300, 150, 6, 410, {294, 560}},
        {-5, -20, -4, 354, {-1, 334}},
        // "Text a,2147483647 5 -1": one column right of the largest column.
        {INT32_MAX, 5, -1, 404, {INT32_MAX, 409}},
        {INT32_MIN, INT32_MAX, INT32_MAX, 454, {INT32_MIN, INT32_MAX}},
        {0, INT32_MIN, INT32_MIN, -100000, {INT32_MAX, INT32_MIN}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lowerViewPoint(c.x, c.y, c.disparity, c.lowerImageTop), c.lower)
            << c.x << "," << c.y << " shifted " << c.disparity;
    }
    // The erase box of a text centred near the smallest column starts at that column.
    EXPECT_EQ(upperRect(textBox(INT32_MIN, 0, 0, 100, {10, 2, 5})).left, INT32_MIN);
}
