// The rules of the start-up checks that are not calls: the version record, the system
// font, the display mode wanted and the texts the checks show.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// What the check does with the "Newest Version" value of the product key.
enum class NewestVersionStep {
    WriteProgramVersion, // the key is new, or this program is newer than the one recorded
    WarnNewerRecorded,   // a newer program has run here; the value stays
    Nothing,             // the same version is recorded
};

constexpr const char* kNewestVersionValue = "Newest Version";
constexpr std::size_t kNewestVersionBufferSize = 50;

// Both versions are decimal texts compared as floating-point numbers; a stored text that
// holds no number reads as 0.
NewestVersionStep newestVersionStep(bool keyWasCreated, std::string_view stored,
                                    std::string_view programVersion);

// The dialog templates the system font calls for: 1 large (horizontal base unit 8), 0 small
// (10), -1 for any other font, which the program refuses. Only the low 16 bits of the
// dialog base units are the horizontal unit.
int largeDialogsForBaseUnits(std::int32_t baseUnits);

constexpr unsigned kWantedWidth = 1024;
constexpr unsigned kWantedHeight = 768;
constexpr unsigned kWantedFrequency = 60;
// The colour depths tried, one pass each, in this order.
constexpr std::array<unsigned, 3> kColourDepthPasses = {32, 24, 16};

// A display mode serves a pass when its size is 1024 x 768 and its depth the pass's; its
// own refresh rate does not matter (the change asks for 60 Hz).
bool modeServesPass(unsigned width, unsigned height, unsigned bitsPerPixel, unsigned depth);

// The display already runs in a mode the program can use when no change succeeded.
bool currentModeUsable(int horizontalPixels, int verticalPixels, int bitsPerPixel);

// The question asked when a mode change of the pass for `depth` needs a restart.
std::string restartQuestion(unsigned depth);

constexpr const char* kRestartCaption = "Restart Computer!";
constexpr const char* kObsoleteVersionText =
    "A newer version of this program has been run on this machine.\n"
    "You should locate this version of the program for full benefits.";
constexpr const char* kObsoleteVersionCaption = "Obsolete Version Warning!";
constexpr const char* kAbnormalFontText =
    "You must set your system font back to a standard (Large or Small)\n"
    "size to continue.  This can be done with the Display control.";
constexpr const char* kAbnormalFontCaption = "Abnormal System Font Selected!";
constexpr const char* kNoGraphicsModeText =
    "Your graphics card does not appear to support at least 1024x768 pixels resolution with "
    "16 bit color at 60Hz.\n"
    "If you believe that your card should support this mode (as any 2MB or better video\n"
    "card can), then you should consult your manual to set your card to such a mode.";
constexpr const char* kNoGraphicsModeCaption = "No graphics mode available!";
// How often the exclamation sound is given when the display is usable as it is.
constexpr int kUsableModeBeeps = 3;
