// PresentingState and QueryState: the messages of a running presentation.
#include "ground/messages.h"
#include "sound/narration.h"
#include "app/playback.h"
#include "app/presentation_entry.h"
#include "ground/presentation_globals.h"
#include "app/state_handlers.h"
#include "app/stereo_pointer.h"
#include "ground/content_globals.h"
#include "display/display_globals.h"
#include "imaging/bitmap_primitives.h"
#include "quiz/quiz_proc.h"

namespace {

bool lectureFlow() {
    return modeFlags.tutorialMode == 0;
}

void proceedInPresentation(HWND window, WPARAM code) {
    switch (code) {
    case ProceedBegin:
        beginIndexSlide(window);
        break;
    case ProceedNextSlide:
        beginNextSlide(window);
        break;
    case ProceedNextElement:
        executeNextElement(window);
        break;
    default:
        break;
    }
}

void keyDown(HWND window, WPARAM key) {
    if (key == VK_UP) {
        changePointerDepth(+1);
    } else if (key == VK_DOWN) {
        changePointerDepth(-1);
    } else {
        PostMessageA(window, WM_MBUTTONDOWN, 1, 0); // any other key opens the slide chooser
    }
}

void leftButtonDown(HWND window) {
    if (lectureFlow()) {
        stepping = 1;
        slideUntouched = 0;
        postProceed(window, ProceedNextElement);
    } else {
        pauseOrResume(window);
    }
}

void leftDoubleClick(HWND window) {
    if (lectureFlow()) {
        slideUntouched = 0;
        stepping = 0;
        runThrough = 1;
        postProceed(window, ProceedNextElement);
    } else {
        stopSlide(window);
        postProceed(window, ProceedNextSlide);
    }
}

void rightButtonDown(HWND window) {
    // In index viewing the right button acts as the left; otherwise it opens the chooser.
    PostMessageA(window, modeFlags.indexMode != 0 ? WM_LBUTTONDOWN : WM_MBUTTONDOWN, 1, 0);
}

void delayTimerFired(HWND window) {
    KillTimer(window, DelayTimer);
    delayRunning = 0;
    postProceed(window, ProceedNextElement);
}

void narrationEnded(LPARAM device) {
    if (narrationPlaying == 0 || !isCurrentNarration(device)) {
        return; // the late notice of a narration closed earlier
    }
    StopNarration();
    narrationPlaying = 0;
}

} // namespace

LRESULT presentingStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PROCEED:
        proceedInPresentation(window, wParam);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        movePointer(lParam);
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_KEYDOWN:
        keyDown(window, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        leftButtonDown(window);
        return 0;
    case WM_LBUTTONDBLCLK:
        leftDoubleClick(window);
        return 0;
    case WM_RBUTTONDOWN:
        rightButtonDown(window);
        return 0;
    case WM_RBUTTONDBLCLK:
        restartOrGoBack(window);
        return 0;
    case WM_MBUTTONDOWN:
        openSlideChooser(window);
        return 0;
    case WM_TIMER:
        if (wParam == DelayTimer) {
            delayTimerFired(window);
        }
        return 0;
    case MM_MCINOTIFY:
        narrationEnded(lParam);
        return 0;
    case WM_POWERBROADCAST:
        return BROADCAST_QUERY_DENY; // every request to suspend is refused
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT queryStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int result = QuizProc(window, message, wParam, lParam, slideElements[elementIndex].text,
                                slideImage, screenDC, currentSlide);
    if (presentationState != QueryState) {
        return 0; // a close request came while the question's message box was open
    }
    if (result == QuizRepost) {
        PostMessageA(window, WM_PROCEED, ProceedBegin, 0);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (result == QuizOver) {
        presentationState = PresentingState;
        DrawPointer(pointerX, pointerY, pointerDepth);
        if (!lectureFlow() && delayRunning == 0) {
            postProceed(window, ProceedNextElement);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
