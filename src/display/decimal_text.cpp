#include "display/decimal_text.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>

namespace {

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The part of `text` from `start` on that reads as an unsigned decimal number, with the
// facts needed when it lies outside the range of a double.
struct DecimalSpan {
    std::size_t end = 0;
    bool hasDigits = false;
    bool allZero = true;
    long long magnitude = 0; // decimal exponent of the first significant digit, saturated
};

constexpr long long kMagnitudeLimit = 1000000;

long long saturatedAdd(long long a, long long b) {
    const long long sum = a + b;
    return sum > kMagnitudeLimit    ? kMagnitudeLimit
           : sum < -kMagnitudeLimit ? -kMagnitudeLimit
                                    : sum;
}

DecimalSpan scanDecimal(std::string_view text, std::size_t start) {
    DecimalSpan span;
    std::size_t i = start;
    long long integerDigits = 0; // significant digits before the point
    long long fractionZeros = 0; // zeros after the point before the first significant digit
    while (i < text.size() && isDigit(text[i])) {
        span.hasDigits = true;
        if (text[i] != '0' || !span.allZero) {
            span.allZero = false;
            integerDigits = saturatedAdd(integerDigits, 1);
        }
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            span.hasDigits = true;
            if (span.allZero) {
                if (text[i] == '0') {
                    fractionZeros = saturatedAdd(fractionZeros, 1);
                } else {
                    span.allZero = false;
                }
            }
            ++i;
        }
    }
    if (!span.hasDigits) {
        return span;
    }
    span.end = i;
    span.magnitude = integerDigits > 0 ? integerDigits : -fractionZeros;
    // An exponent counts only with at least one digit: "5e" and "5e+" end before the "e".
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            long long exponent = 0;
            while (j < text.size() && isDigit(text[j])) {
                exponent = saturatedAdd(exponent * 10, text[j] - '0');
                ++j;
            }
            span.magnitude = saturatedAdd(span.magnitude, negative ? -exponent : exponent);
            span.end = j;
        }
    }
    return span;
}

} // namespace

double decimalTextValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isWhiteSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const DecimalSpan span = scanDecimal(text, i);
    if (!span.hasDigits) {
        return 0.0;
    }
    double value = 0.0;
    const std::from_chars_result result =
        std::from_chars(text.data() + i, text.data() + span.end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = !span.allZero && span.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}
