#include "display/display_check_rules.h"

#include "display/decimal_text.h"

NewestVersionStep newestVersionStep(bool keyWasCreated, std::string_view stored,
                                    std::string_view programVersion) {
    if (keyWasCreated) {
        return NewestVersionStep::WriteProgramVersion;
    }
    const double recorded = decimalTextValue(stored);
    const double running = decimalTextValue(programVersion);
    if (running < recorded) {
        return NewestVersionStep::WarnNewerRecorded;
    }
    if (running > recorded) {
        return NewestVersionStep::WriteProgramVersion;
    }
    return NewestVersionStep::Nothing;
}

int largeDialogsForBaseUnits(std::int32_t baseUnits) {
    const auto horizontal = static_cast<std::uint32_t>(baseUnits) & 0xFFFFu;
    if (horizontal == 8) {
        return 1;
    }
    if (horizontal == 10) {
        return 0;
    }
    return -1;
}

bool modeServesPass(unsigned width, unsigned height, unsigned bitsPerPixel, unsigned depth) {
    return width == kWantedWidth && height == kWantedHeight && bitsPerPixel == depth;
}

bool currentModeUsable(int horizontalPixels, int verticalPixels, int bitsPerPixel) {
    return horizontalPixels == static_cast<int>(kWantedWidth) &&
           verticalPixels == static_cast<int>(kWantedHeight) && bitsPerPixel > 15;
}

std::string restartQuestion(unsigned depth) {
    return "You must restart your computer to obtain thecorrect graphics mode (1024x768x" +
           std::to_string(depth) + ").\nDo you wish to do this now?";
}
