#include "app/state_handlers.h"

#include "app/last_mode.h"
#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "app/window_lifecycle.h"
#include "content/index_reader.h"
#include "dialogs/dialogs.h"
#include "display/calibration.h"
#include "install/locate_content.h"
#include "platform/platform.h"

#include "app/presentation_entry.h"

LRESULT startStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        return createMainWindowContents(window);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

namespace {

// CalibrationState and LocationState hand every message to their procedure.
LRESULT handlerStateMessage(int result, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (presentationState == ClosingState) {
        return 0; // a close request came while the procedure ran: the closing path is taken
    }
    if (result == HandlerEndProgram) {
        beginClosingAfterFailedStart(window);
        return 0;
    }
    if (result == HandlerDone) {
        presentationState += 1;
        postProceed(window, ProceedBegin);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void runIntroduction(HWND window) {
    readIndexList();
    readLastMode();
    const INT_PTR result = runIntroDialog(window);
    if (presentationState != IntroductionState) {
        return; // a close request came while the dialog ran
    }
    if (result == 1) {
        beginClosing(window);
        return;
    }
    postProceed(window, ProceedBegin);
    presentationState = ContentsState;
}

void runContents(HWND window) {
    const INT_PTR result = runContentsDialog(window);
    if (presentationState != ContentsState) {
        return; // a close request came while the dialog ran
    }
    if (result == ContentsQuit) {
        beginClosing(window);
        return;
    }
    enterPresentation(window);
}

} // namespace

LRESULT calibrationStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return handlerStateMessage(CalibrationProc(window, message, wParam, lParam), window, message,
                               wParam, lParam);
}

LRESULT locationStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return handlerStateMessage(LocateContent(window, message, wParam, lParam), window, message,
                               wParam, lParam);
}

LRESULT introductionStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PROCEED:
        runIntroduction(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT contentsStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PROCEED) {
        runContents(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT closingStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PROCEED:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        shutdownProgram();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT badStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    platform().messageBox("Bad State", "Error", MB_OK);
    return DefWindowProcA(window, message, wParam, lParam);
}
