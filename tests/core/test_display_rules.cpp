// The start-up checks' rules: decimal version texts, the version comparison and the display
// mode that will do.
#include <gtest/gtest.h>

#include "display/calibration_rules.h"
#include "display/decimal_text.h"
#include "display/display_check_rules.h"

#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(DecimalText, ReadsTheLongestDecimalNumberAtTheStart) {
    struct Case {
        std::string text;
        double value;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"5.0", 5.0},
        {"5.1", 5.1},
        {"4.2", 4.2},
        {"", 0.0},
        {"new", 0.0},
        {"v5.0", 0.0},
        {"  \t5.5", 5.5},
        {"+6", 6.0},
        {"-4.25e1x", -42.5},
        {"5.", 5.0},
        {".5", 0.5},
        {".", 0.0},
        {"-.", 0.0},
        {"5,1", 5.0}, // a decimal comma is not this text's point, whatever the locale
        {"5.1.2", 5.1},
        {"5e", 5.0},
        {"5e+", 5.0},
        {"5E2", 500.0},
        {"2e-1", 0.2},
        {"0x10", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"1e400", inf},
        {"-1e400", -inf},
        {"1e-400", 0.0},
        {"0e999999999999999999", 0.0},
        {"0.000000000000000000000000000000001e999999999999999", inf},
        {std::string(400, '9'), inf},
        {"0." + std::string(400, '0') + "1", 0.0},
        {std::string("5\0"
                     "9",
                     3),
         5.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decimalTextValue(c.text), c.value) << '"' << c.text << '"';
    }
}

// The registry path of the record is tested with the real registry; here, what only the
// comparison decides.
TEST(NewestVersion, NumbersNotTextsAreCompared) {
    using S = NewestVersionStep;
    EXPECT_EQ(newestVersionStep(true, "9.0", "5.0"), S::WriteProgramVersion); // a new key
    EXPECT_EQ(newestVersionStep(false, "5", "5.0"), S::Nothing);
    EXPECT_EQ(newestVersionStep(false, "10.0", "5.0"), S::WarnNewerRecorded); // "10.0" < "5.0"
    EXPECT_EQ(newestVersionStep(false, "-7", "5.0"), S::WriteProgramVersion);
    EXPECT_EQ(newestVersionStep(false, "1e400", "5.0"), S::WarnNewerRecorded);
}

TEST(DisplayModes, TheCurrentModeNeedsSixteenBitsAtLeast) {
    EXPECT_TRUE(currentModeUsable(1024, 768, 16));
    EXPECT_FALSE(currentModeUsable(1024, 768, 15));
    EXPECT_FALSE(currentModeUsable(1280, 1024, 32));
    EXPECT_FALSE(currentModeUsable(0, 0, 0)); // no display context at all
    EXPECT_EQ(restartQuestion(16), "You must restart your computer to obtain thecorrect graphics "
                                   "mode (1024x768x16).\nDo you wish to do this now?");
}

} // namespace

// The alignment moves the red line one row a key press up to 50 rows either way, and a
// stored correction is read back within the same 50 rows (written as plain numbers here,
// so that a slip in the limit cannot hide behind the constant).
TEST(AlignmentLimits, FiftyRowsEitherWayWhenMovedAndWhenRead) {
    const struct {
        int offset, step, moved;
    } presses[] = {{0, -1, -1}, {0, 1, 1},      {48, 1, 49},    {49, 1, 50},
                   {50, 1, 50}, {-49, -1, -50}, {-50, -1, -50}, {50, -1, 49}};
    for (const auto& p : presses) {
        EXPECT_EQ(movedAlignmentOffset(p.offset, p.step), p.moved) << p.offset << " " << p.step;
    }
    const struct {
        const char* text;
        int correction;
    } stored[] = {{"4", 4},     {"-50", -50},  {"50", 50}, {"51", 50},
                  {"-77", -50}, {"12abc", 12}, {"", 0},    {"x", 0}};
    for (const auto& s : stored) {
        EXPECT_EQ(storedCorrection(s.text), s.correction) << s.text;
    }
    EXPECT_EQ(redLineRow(0), 584);
    EXPECT_EQ(redLineRow(-50), 534);
}
