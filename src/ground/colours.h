// The colour table's named entries. Colours are Windows COLORREF values: red in the low
// byte, then green, then blue.
#pragma once

#include <cstdint>

constexpr int kColourCount = 200;
constexpr int kNamedColourCount = 10;

constexpr std::uint32_t rgbColour(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}

struct NamedColour {
    const char* name;
    std::uint32_t colour;
};

constexpr NamedColour kNamedColours[kNamedColourCount] = {
    {"White", rgbColour(255, 255, 255)},  {"Black", rgbColour(0, 0, 0)},
    {"Red", rgbColour(255, 0, 0)},        {"Green", rgbColour(0, 255, 0)},
    {"Blue", rgbColour(0, 0, 255)},       {"Grey", rgbColour(140, 140, 140)},
    {"DkGrey", rgbColour(100, 100, 100)}, {"LtGrey", rgbColour(180, 180, 180)},
    {"Purple", rgbColour(255, 0, 255)},   {"Yellow", rgbColour(255, 255, 0)},
};

// A colour table as the program starts with it: the named colours, then black.
void fillInitialColourTable(std::uint32_t (&table)[kColourCount]);
