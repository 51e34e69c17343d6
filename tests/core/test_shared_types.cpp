// The shared records keep the layout and values every reader and drawer relies on.
#include <gtest/gtest.h>

#include "ground/font_measure.h"
#include "ground/colours.h"
#include "ground/mode_flags.h"
#include "ground/slide_element.h"

TEST(SharedTypes, FontMeasureTruncatesTheWidthEstimateTowardZero) {
    EXPECT_EQ(fontMeasureFrom(18, 4, 7, 19).charWidth, 9);  // 7 + 12/6
    EXPECT_EQ(fontMeasureFrom(18, 4, 7, 12).charWidth, 7);  // 7 + 5/6
    EXPECT_EQ(fontMeasureFrom(18, 4, 10, 5).charWidth, 10); // 10 + (-5)/6 = 10
    EXPECT_EQ(fontMeasureFrom(18, 4, 10, 3).charWidth, 9);  // 10 + (-7)/6 = 9
}

TEST(SharedTypes, ModeFlagsOfEachChoice) {
    auto flags = [](ChosenMode mode) {
        const ModeFlags f = modeFlagsFor(mode);
        return std::vector<int>{f.tutorialMode,   f.narrationEnabled, f.annotationsEnabled,
                                f.queriesEnabled, f.quizMode,         f.indexMode};
    };
    EXPECT_EQ(flags(ChosenMode::Lecture), (std::vector<int>{0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(flags(ChosenMode::Tutorial), (std::vector<int>{1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(flags(ChosenMode::Quiz), (std::vector<int>{0, 0, 1, 0, 1, 0}));
    EXPECT_EQ(flags(ChosenMode::IndexEntry), (std::vector<int>{0, 0, 1, 0, 0, 1}));
}

TEST(SharedTypes, InitialColourTableHoldsTheNamedColoursThenBlack) {
    std::uint32_t table[kColourCount];
    for (auto& entry : table) {
        entry = 0xABCDEF;
    }
    fillInitialColourTable(table);
    EXPECT_EQ(table[0], 0xFFFFFFu);
    EXPECT_EQ(table[2], 0x0000FFu); // red in the low byte
    EXPECT_EQ(table[5], rgbColour(140, 140, 140));
    EXPECT_EQ(table[9], 0x00FFFFu); // yellow: red + green
    EXPECT_EQ(table[10], 0u);
    EXPECT_EQ(table[199], 0u);
}
