// The lenient decimal number rule of the content files and the registry values: leading
// white space is skipped, an optional sign and the digits are taken, the first other
// character ends the number, and no digits at all give 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct LenientNumber {
    std::int32_t value; // saturated at the 32-bit limits
    std::size_t end;    // index just after the last character taken
    bool hasDigits;
};

LenientNumber readLenientNumber(std::string_view text, std::size_t start = 0);

inline std::int32_t lenientNumber(std::string_view text) {
    return readLenientNumber(text).value;
}
