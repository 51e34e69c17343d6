#include <gtest/gtest.h>

#include "content/lenient_number.h"

TEST(LenientNumber, ReadsSignAndDigitsAfterWhiteSpace) {
    struct Case {
        const char* text;
        int value;
        bool digits;
    };
    const Case cases[] = {
        {"42", 42, true},
        {"  \t-17x", -17, true},
        {"+5 6", 5, true},
        {"", 0, false},
        {"abc", 0, false},
        {"-", 0, false},
        {"   ", 0, false},
        {"007", 7, true},
        {"12.9", 12, true},
        {"99999999999999", 2147483647, true},
        {"-2147483648", -2147483647 - 1, true},
        {"-99999999999999", -2147483647 - 1, true},
    };
    for (const Case& c : cases) {
        const LenientNumber n = readLenientNumber(c.text);
        EXPECT_EQ(n.value, c.value) << c.text;
        EXPECT_EQ(n.hasDigits, c.digits) << c.text;
    }
}

TEST(LenientNumber, EndsJustAfterTheLastDigitTaken) {
    const std::string_view line = "120 340 6";
    LenientNumber n = readLenientNumber(line, 0);
    EXPECT_EQ(n.end, 3u);
    n = readLenientNumber(line, n.end);
    EXPECT_EQ(n.value, 340);
    EXPECT_EQ(readLenientNumber(line, n.end).value, 6);
    EXPECT_EQ(readLenientNumber(line, line.size()).hasDigits, false);
}
