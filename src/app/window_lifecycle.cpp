#include "app/window_lifecycle.h"

#include "app/last_mode.h"
#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "ground/proceed.h"
#include "app/stereo_pointer.h"
#include "ground/content_globals.h"
#include "display/display_checks.h"
#include "display/display_globals.h"
#include "display/software_adapter.h"
#include "display/stereo_switch.h"
#include "imaging/bitmap_primitives.h"
#include "platform/platform.h"

LRESULT createMainWindowContents(HWND window) {
    setViewingWindow(window);
    if (CheckDisplayEnvironment(courseRoot) == 0) {
        beginClosingAfterFailedStart(window);
        return 0;
    }
    ClearScreen(screenDC);
    screenGeometry = kStereoScreen;
    StereoSwitch(StereoLoadSettings);
    StereoSwitch(StereoOff);
    createPointerBuffers();
    SetCapture(window);
    platform().setScreenSaverActive(FALSE);
    createFontTable();
    measureSlideFonts();
    createPenTable();
    loadPointerIcon(programInstance);
    SetRect(&pointerClip, 0, 1, 1023, 350);
    modeFlags.indexMode = 0;
    postProceed(window, ProceedBegin);
    presentationState = CalibrationState;
    return 0;
}

void shutdownProgram() {
    deletePointerBuffers();
    releaseStereoFrame(); // screenDC is the display again
    if (screenDC != nullptr) {
        DeleteDC(screenDC);
        screenDC = nullptr;
    }
    deleteFontTable();
    deletePenTable();
    releasePointerIcon();
    releaseSlideImage();
    platform().setScreenSaverActive(TRUE);
    writeLastMode();
    platform().changeDisplaySettings(nullptr, 0);
    ClipCursor(nullptr); // whatever way out was taken, the mouse leaves free
    ReleaseCapture();
    PostQuitMessage(programExitCode);
}
