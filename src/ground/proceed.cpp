#include "ground/proceed.h"

#include "ground/messages.h"
#include "ground/presentation_globals.h"

void postProceed(HWND window, int code) {
    PostMessageA(window, WM_PROCEED, static_cast<WPARAM>(code), 0);
}

void beginClosing(HWND window) {
    presentationState = ClosingState;
    postProceed(window, ProceedBegin);
}

void beginClosingAfterFailedStart(HWND window) {
    programExitCode = ExitStartFailed;
    beginClosing(window);
}
