// One handler per presentation state; each switches on the message and calls named
// operations. Messages a handler does not name go to DefWindowProcA.
#pragma once

#include <windows.h>

LRESULT startStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT calibrationStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT locationStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT introductionStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT contentsStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT presentingStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT queryStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT closingStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT badStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Sets ClosingState and posts WM_PROCEED: the window is destroyed when it arrives.
void beginClosing(HWND window);
// The same for a program that could not start: it then ends with ExitStartFailed.
void beginClosingAfterFailedStart(HWND window);
// Posts WM_PROCEED with a code (lParam 0).
void postProceed(HWND window, int code);
