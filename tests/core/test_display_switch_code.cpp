// The switching codes' limits, drawn onto a model screen of rows: settings far outside the
// usual ones, and the settings read from the registry texts. (The codes' rows, colours and
// holds with the usual settings are checked on a real screen in memory.)
#include <gtest/gtest.h>

#include "display/switch_code.h"

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kGrey = rgbColour(90, 90, 90);

// One colour per screen row: every step of a code covers whole rows.
using Rows = std::vector<std::uint32_t>;

struct Phase {
    Rows rows;
    std::uint32_t milliseconds;
};

struct Drawn {
    std::vector<Phase> phases; // the picture during each hold
    Rows after;
};

Drawn draw(const SwitchCode& code, Rows rows) {
    Drawn drawn;
    for (std::size_t i = 0; i < code.count; ++i) {
        const SwitchStep& step = code.steps[i];
        switch (step.kind) {
        case SwitchStep::Line:
            EXPECT_EQ(step.x, 0);
            EXPECT_EQ(step.width, 1024) << "a line covers pixels 0 to 1023";
            EXPECT_GE(step.y, 0);
            EXPECT_LT(step.y, 768);
            if (step.y >= 0 && step.y < 768) {
                rows[static_cast<std::size_t>(step.y)] = step.colour;
            }
            break;
        case SwitchStep::Fill:
            EXPECT_EQ(step.x, 0);
            EXPECT_EQ(step.width, 1024);
            EXPECT_GE(step.y, 0);
            EXPECT_GT(step.height, 0);
            EXPECT_LE(step.y + step.height, 768) << "fills stay inside the screen";
            for (int y = step.y; y < step.y + step.height && y < 768; ++y) {
                rows[static_cast<std::size_t>(y)] = step.colour;
            }
            break;
        case SwitchStep::Hold:
            drawn.phases.push_back({rows, step.milliseconds});
            break;
        }
    }
    drawn.after = rows;
    return drawn;
}

Rows comb(int pairs) {
    Rows rows(768, kSwitchBlack);
    for (int i = 0; i < pairs; ++i) {
        rows[static_cast<std::size_t>(4 * i)] = kSwitchWhite;
        rows[static_cast<std::size_t>(4 * i + 1)] = kSwitchWhite;
    }
    return rows;
}

const Rows kBlack(768, kSwitchBlack);

TEST(SwitchCode, HugeLinesToGoDrawsOnlyTheScreensPairsAndEndsBlack) {
    const SwitchCode code = onCode({2147483647, 40, 80}, kStereoScreen);
    EXPECT_LE(code.count, kMaxSwitchSteps);
    const Drawn drawn = draw(code, Rows(768, kGrey));
    ASSERT_EQ(drawn.phases.size(), 2u);
    EXPECT_EQ(drawn.phases[1].rows, comb(192));
    EXPECT_EQ(drawn.after, kBlack);
}

TEST(SwitchCode, FirstHoldShowsTheColouredRowsAtTheirExactRows) {
    // The on code colours rows 0 to 9 over what the screen shows; the off code rows 0 to 7
    // on black. One row more or less of either is a code the adapter does not take.
    struct Case {
        const char* code;
        SwitchCode built;
        std::uint32_t under;
        int yellowRows;
    };
    const Case cases[] = {
        {"on", onCode({64, 40, 80}, kStereoScreen), kGrey, 6},
        {"off", offCode({64, 40, 80}, kStereoScreen), kSwitchBlack, 4},
    };
    for (const Case& c : cases) {
        Rows expected(768, c.under);
        const std::uint32_t top[] = {kSwitchRed, kSwitchRed, kSwitchGreen, kSwitchGreen};
        std::copy(std::begin(top), std::end(top), expected.begin());
        std::fill_n(expected.begin() + 4, c.yellowRows, kSwitchYellow);
        const Drawn drawn = draw(c.built, Rows(768, kGrey));
        ASSERT_FALSE(drawn.phases.empty()) << c.code;
        EXPECT_EQ(drawn.phases[0].rows, expected) << c.code;
    }
}

TEST(SwitchCode, NegativeTimeToGoHoldsForTheDefaultTime) {
    for (const SwitchCode& code :
         {onCode({64, 40, -1}, kStereoScreen), offCode({64, 40, -2147483647 - 1}, kStereoScreen)}) {
        const Drawn drawn = draw(code, Rows(768, kGrey));
        ASSERT_EQ(drawn.phases.size(), 2u);
        EXPECT_EQ(drawn.phases[0].milliseconds, 40u);
        EXPECT_EQ(drawn.phases[1].milliseconds, 80u);
    }
}

TEST(SwitchCode, SettingsFromTheRegistryTexts) {
    using Text = std::optional<std::string_view>;
    struct Case {
        Text linesToGo;
        Text linesToNoGo;
        Text timeToGo;
        SwitchCodeSettings expected;
    };
    const Text missing = std::nullopt;
    const Case cases[] = {
        {missing, missing, missing, {64, 40, 80}},
        {"10", "20", "81", {10, 20, 81}},
        {"   48 rows", missing, missing, {48, 40, 80}},
        {"rows 48", "", "x", {0, 0, 0}},
        {"+12", "-3", "300ms", {12, -3, 300}},
        {missing, missing, "-1", {64, 40, 80}},
        {missing, missing, "-2147483648", {64, 40, 80}},
        {missing, missing, "0", {64, 40, 0}},
        {"99999999999", missing, missing, {2147483647, 40, 80}},
    };
    for (const Case& c : cases) {
        const SwitchCodeSettings s = switchCodeSettingsFrom(c.linesToGo, c.linesToNoGo, c.timeToGo);
        EXPECT_EQ(s.linesToGo, c.expected.linesToGo) << c.linesToGo.value_or("<missing>");
        EXPECT_EQ(s.linesToNoGo, c.expected.linesToNoGo) << c.linesToNoGo.value_or("<missing>");
        EXPECT_EQ(s.timeToGo, c.expected.timeToGo) << c.timeToGo.value_or("<missing>");
    }
}

} // namespace
