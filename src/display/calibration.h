// The adapter test and the vertical alignment of the two views, or the stored correction.
#pragma once

#include <windows.h>

// Receives every message of the main window in CalibrationState: 0 end the program,
// 1 done, 2 not a final message (pass it to DefWindowProcA).
int CalibrationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
