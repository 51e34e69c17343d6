// The adapter test and the vertical alignment of the two views, or the stored correction.
#pragma once

#include <windows.h>

#include "display/calibration_run.h"

// Receives every message of the main window in CalibrationState: 0 end the program,
// 1 done, 2 not a final message (pass it to DefWindowProcA).
int CalibrationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A close request during the calibration: stops the colour test's timer, shows the cursor
// again, switches the adapter off and deletes the pens, writing nothing. The calibration
// runs again at the next start.
void abandonCalibration(HWND window);
