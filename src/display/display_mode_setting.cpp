#include "display/display_mode_setting.h"

#include "display/display_check_rules.h"
#include "display/display_globals.h"
#include "platform/platform.h"

#include <windows.h>

#include <string>

namespace {

enum class ModeChange { Set, Restart, NotSet };

HDC createDisplayContext() {
    return CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
}

// Tries every enumerated 1024 x 768 mode of one colour depth, in the order of enumeration.
ModeChange tryPass(unsigned depth) {
    for (DWORD number = 0;; ++number) {
        DEVMODEA mode = {};
        mode.dmSize = sizeof mode;
        if (!platform().enumDisplaySettings(number, &mode)) {
            return ModeChange::NotSet;
        }
        if (!modeServesPass(mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel, depth)) {
            continue;
        }
        mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
        mode.dmDisplayFrequency = kWantedFrequency;
        // No flags: a change for this run, not stored as the user's setting.
        const LONG result = platform().changeDisplaySettings(&mode, 0);
        if (result == DISP_CHANGE_SUCCESSFUL) {
            return ModeChange::Set;
        }
        if (result == DISP_CHANGE_RESTART) {
            const std::string question = restartQuestion(depth);
            if (platform().messageBox(question.c_str(), kRestartCaption, MB_YESNO) == IDYES) {
                platform().exitWindows(EWX_REBOOT, 0);
            }
            return ModeChange::Restart;
        }
    }
}

// No mode could be set: the display may already run at 1024 x 768 with 16 bits or more.
int useCurrentModeIfUsable() {
    screenDC = createDisplayContext();
    if (screenDC != nullptr &&
        currentModeUsable(GetDeviceCaps(screenDC, HORZRES), GetDeviceCaps(screenDC, VERTRES),
                          GetDeviceCaps(screenDC, BITSPIXEL))) {
        for (int beep = 0; beep < kUsableModeBeeps; ++beep) {
            platform().beep(MB_ICONEXCLAMATION);
        }
        return 1;
    }
    if (screenDC != nullptr) {
        DeleteDC(screenDC);
        screenDC = nullptr;
    }
    platform().messageBox(kNoGraphicsModeText, kNoGraphicsModeCaption, MB_OK);
    return 0;
}

} // namespace

int setDisplayMode() {
    for (const unsigned depth : kColourDepthPasses) {
        switch (tryPass(depth)) {
        case ModeChange::Set:
            screenDC = createDisplayContext();
            // A display that cannot be drawn on is no usable mode either.
            return screenDC != nullptr ? 1 : useCurrentModeIfUsable();
        case ModeChange::Restart:
            return 0;
        case ModeChange::NotSet:
            break;
        }
    }
    return useCurrentModeIfUsable();
}
