// The argument of a "Color" line: one of the ten colour names, or a hexadecimal colour
// RRGGBB that takes a colour-table entry of its own, from 199 downward within one reading.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ground/colours.h"

// The most hexadecimal colours one reading gives entries to, so that they stay clear of
// the named entries 0 to 9.
constexpr int kMaxHexColours = kColourCount - kNamedColourCount;

// The index of the colour name that the whole argument spells, exactly; none otherwise (a
// trailing space makes it a hexadecimal colour).
std::optional<int> namedColourIndex(std::string_view argument);

// The colour of a hexadecimal argument: its first six characters as three pairs, red, green
// and blue. A pair reads its leading hexadecimal digits (either case); a pair that starts
// with another character, or is missing, reads as 0.
std::uint32_t hexColour(std::string_view argument);

// Hands out the entries of one reading's hexadecimal colours: 199 for the first, 198 for
// the second, ..., 10 for the 190th; none after that.
class HexColourEntries {
  public:
    std::optional<int> take();
    int taken() const { return taken_; }

  private:
    int taken_ = 0;
};
