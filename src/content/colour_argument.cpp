#include "content/colour_argument.h"

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

unsigned hexPair(std::string_view argument, std::size_t first) {
    const int high = first < argument.size() ? hexDigit(argument[first]) : -1;
    if (high < 0) {
        return 0;
    }
    const int low = first + 1 < argument.size() ? hexDigit(argument[first + 1]) : -1;
    return low < 0 ? static_cast<unsigned>(high) : static_cast<unsigned>(high * 16 + low);
}

} // namespace

std::optional<int> namedColourIndex(std::string_view argument) {
    for (int i = 0; i < kNamedColourCount; ++i) {
        if (argument == kNamedColours[i].name) {
            return i;
        }
    }
    return std::nullopt;
}

std::uint32_t hexColour(std::string_view argument) {
    return rgbColour(hexPair(argument, 0), hexPair(argument, 2), hexPair(argument, 4));
}

std::optional<int> HexColourEntries::take() {
    if (taken_ >= kMaxHexColours) {
        return std::nullopt;
    }
    ++taken_;
    return kColourCount - taken_;
}
