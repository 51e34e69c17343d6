// PLACEHOLDER until the calibration lands: what a calibrated computer does. Reads the
// stored correction and goes on; an uncalibrated computer goes on with a correction of 0.
#include "display/calibration.h"

#include "app/messages.h"
#include "display/display_globals.h"
#include "platform/registry.h"

#include <cstdlib>

int CalibrationProc(HWND, UINT message, WPARAM, LPARAM) {
    if (message != WM_PROCEED) {
        return HandlerNotHandled;
    }
    RegistryKey key = openProgramKeyForQuery("SOFTWARE\\ORBANA\\Vertical Parallax");
    if (key) {
        char text[256] = {};
        if (queryStringValue(key, "768", text, sizeof text)) {
            verticalParallax = std::atoi(text);
        }
    }
    lowerImageTop = verticalParallax + kLowerImageTopBase;
    return HandlerDone;
}
