// How the main window moves itself on and towards its end: a WM_PROCEED posted to it.
#pragma once

#include <windows.h>

// Posts WM_PROCEED with a code (lParam 0).
void postProceed(HWND window, int code);
// Sets ClosingState and posts WM_PROCEED: the window is destroyed when it arrives.
void beginClosing(HWND window);
// The same for a program that could not start: it then ends with ExitStartFailed.
void beginClosingAfterFailedStart(HWND window);
