// The 3D adapter's switching codes as data: the settings that tune them and the drawing
// steps of the on and the off code (lines, fills and holds), which the shell draws on the
// screen and waits out.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ground/colours.h"
#include "ground/screen_geometry.h"

// HKEY_LOCAL_MACHINE\SOFTWARE\ORBANA\Error Codes: read at start-up, written by the
// calibration.
constexpr const char* kErrorCodesKey = "SOFTWARE\\ORBANA\\Error Codes";
constexpr const char* kLinesToGoValue = "LinesToGo";
constexpr const char* kLinesToNoGoValue = "LinesToNoGo";
constexpr const char* kTimeToGoValue = "TimeToGo";
// Each value is read into a buffer of this many bytes; a longer one fails to read.
constexpr std::size_t kSwitchValueBufferSize = 50;

struct SwitchCodeSettings {
    std::int32_t linesToGo;   // rows of the on code's comb: linesToGo / 4 white line pairs
    std::int32_t linesToNoGo; // rows of the off code's white band
    std::int32_t timeToGo;    // ms of each code's second hold; the first is half of it
};

constexpr SwitchCodeSettings kDefaultSwitchCodeSettings = {64, 40, 80};

// The settings from the three registry texts; a value that could not be read (nullopt)
// takes its default, a text without a leading number reads as 0. A "TimeToGo" below 0
// would hold the program for weeks: it takes the default.
SwitchCodeSettings switchCodeSettingsFrom(std::optional<std::string_view> linesToGo,
                                          std::optional<std::string_view> linesToNoGo,
                                          std::optional<std::string_view> timeToGo);

constexpr std::uint32_t kSwitchRed = rgbColour(255, 0, 0);
constexpr std::uint32_t kSwitchGreen = rgbColour(0, 255, 0);
constexpr std::uint32_t kSwitchYellow = rgbColour(255, 255, 0);
constexpr std::uint32_t kSwitchWhite = rgbColour(255, 255, 255);
constexpr std::uint32_t kSwitchBlack = rgbColour(0, 0, 0);

struct SwitchStep {
    enum Kind : std::uint8_t {
        Line, // a 1-pixel line on row `y` from x = 0 to x = `width` (not included)
        Fill, // the rectangle (`x`, `y`, `width`, `height`), inside the screen, filled
        Hold, // the picture stays `milliseconds` ms
    };
    Kind kind;
    std::uint32_t colour;
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;
    std::uint32_t milliseconds;

    bool operator==(const SwitchStep&) const = default;
};

// Enough for either code on a screen of up to 800 rows: 10 coloured lines, a line pair for
// every fourth row, three fills and two holds.
constexpr std::size_t kMaxSwitchSteps = 420;

struct SwitchCode {
    std::array<SwitchStep, kMaxSwitchSteps> steps;
    std::size_t count;
};

// Red rows 0-1, green 2-3, yellow 4-9 over what the screen shows, held timeToGo / 2; then a
// black screen with white line pairs on rows 4i and 4i+1 for i below linesToGo / 4, held
// timeToGo; then rows 0 to linesToGo - 1 black. Pairs below the screen are not drawn.
SwitchCode onCode(const SwitchCodeSettings& settings, const ScreenGeometry& screen);

// A black screen with red rows 0-1, green 2-3, yellow 4-7, held timeToGo / 2; then a white
// band of linesToNoGo rows from bandTop and a white line on bandTop, held timeToGo; then
// a black screen.
SwitchCode offCode(const SwitchCodeSettings& settings, const ScreenGeometry& screen);
