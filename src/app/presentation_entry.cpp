#include "app/presentation_entry.h"

#include "ground/messages.h"
#include "sound/narration.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "ground/proceed.h"
#include "app/stereo_pointer.h"
#include "ground/content_globals.h"
#include "dialogs/dialogs.h"
#include "display/display_globals.h"
#include "display/stereo_switch.h"
#include "platform/platform.h"

#include <cstdint>

namespace {

void confinePointerIfLecture() {
    pointerVisible = modeFlags.tutorialMode == 0 ? 1 : 0;
}

} // namespace

void enterPresentation(HWND window) {
    currentSlide = 0;
    delayRunning = 0;
    narrationPlaying = 0;
    stepping = 0;
    paused = 0;
    runThrough = 0;
    StereoSwitch(StereoOn);
    ShowCursor(FALSE);
    confinePointerIfLecture();
    if (pointerVisible == 1) {
        ClipCursor(&pointerClip);
    }
    setPresentationDrawing();
    noImageYet = 1;
    postProceed(window, modeFlags.indexMode != 0 ? ProceedBegin : ProceedNextSlide);
    presentationState = PresentingState;
}

void setPresentationDrawing() {
    SetBkMode(screenDC, TRANSPARENT);
    SetTextColor(screenDC, colourTable[0]);
    SelectObject(screenDC, programResources.penTable[0]);
}

void stopSlide(HWND window) {
    if (narrationPlaying != 0) {
        StopNarration();
    }
    if (delayRunning != 0) {
        KillTimer(window, DelayTimer);
    }
    delayRunning = 0;
    narrationPlaying = 0;
}

void leavePresentationForClose(HWND window) {
    stopSlide(window);
    pointerVisible = 0;
    StereoSwitch(StereoOff);
    ClipCursor(nullptr);
    ShowCursor(TRUE);
    releaseSlideImage();
}

DWORD remainingDelayMilliseconds() {
    // A Delay whose time ran out before its timer message was handled has none left;
    // restarting the timer with the negative difference as unsigned would hold for weeks.
    const auto left =
        static_cast<std::int32_t>(delayStart + delayLength - platform().milliseconds());
    return left > 0 ? static_cast<DWORD>(left) : 0;
}

void pauseOrResume(HWND window) {
    if (paused == 0) {
        if (delayRunning != 0) {
            KillTimer(window, DelayTimer);
            delayRemaining = remainingDelayMilliseconds();
        }
        if (narrationPlaying != 0) {
            PauseNarration();
        }
        paused = 1;
        return;
    }
    if (delayRunning != 0) {
        if (delayRemaining == 0) {
            // A Delay that began while paused still has its timer running: it must not
            // fire later and move on a slide that never asked for it.
            KillTimer(window, DelayTimer);
            delayRunning = 0;
            postProceed(window, ProceedNextElement);
        } else {
            SetTimer(window, DelayTimer, delayRemaining, nullptr);
            delayStart = platform().milliseconds();
            delayLength = delayRemaining;
        }
    }
    if (narrationPlaying != 0) {
        ResumeNarration();
    }
    paused = 0;
}

void restartOrGoBack(HWND window) {
    stopSlide(window);
    const bool backOne = modeFlags.tutorialMode == 0 && slideUntouched != 0;
    currentSlide -= backOne ? 2 : 1;
    // Slide 1 has no slide before it: going back from it starts it again.
    if (currentSlide < 0) {
        currentSlide = 0;
    }
    postProceed(window, ProceedNextSlide);
}

void openSlideChooser(HWND window) {
    if (narrationPlaying != 0) {
        PauseNarration();
    }
    if (delayRunning != 0) {
        KillTimer(window, DelayTimer);
        delayRemaining = remainingDelayMilliseconds();
    }
    pointerVisible = 0;
    ClipCursor(nullptr);
    StereoSwitch(StereoOff);

    const INT_PTR result = runSlideChooser(window);
    if (presentationState != PresentingState) {
        return; // a close request came while the chooser ran: the shutdown has run
    }

    MSG pending;
    PeekMessageA(&pending, window, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE);
    PeekMessageA(&pending, window, WM_LBUTTONDBLCLK, WM_LBUTTONDBLCLK, PM_REMOVE);
    confinePointerIfLecture();
    ClipCursor(&pointerClip);
    paused = 0;

    if (result == ChooserToContents) {
        presentationState = ContentsState;
        stopSlide(window);
        ClipCursor(nullptr);
        postProceed(window, ProceedBegin);
        releaseSlideImage();
        return;
    }
    StereoSwitch(StereoOn);
    if (narrationPlaying != 0) {
        StopNarration();
    }
    currentSlide = static_cast<int>(result) - (ChooserSlideBase + 1);
    if (delayRunning != 0) {
        KillTimer(window, DelayTimer);
    }
    delayRunning = 0;
    narrationPlaying = 0;
    postProceed(window, ProceedNextSlide);
}
