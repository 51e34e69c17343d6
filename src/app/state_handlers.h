// One handler per presentation state; each switches on the message and calls named
// operations. Messages a handler does not name go to DefWindowProcA.
#pragma once

#include <windows.h>

#include "ground/proceed.h" // the handlers' callers move the window on with it

LRESULT startStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT calibrationStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT locationStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT introductionStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT contentsStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT presentingStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT queryStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT closingStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT badStateMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
