// The adapter test and the vertical alignment of the two views, or the stored correction.
#pragma once

#include <windows.h>

#include "app/messages.h"

// Receives every message of the main window in CalibrationState: 0 end the program,
// 1 done, 2 not a final message (pass it to DefWindowProcA).
int CalibrationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Where the calibration stands, and what it holds of the screen while it runs.
struct CalibrationRun {
    int step = CalibrationCheck;
    int offset = 0; // rows the red line lies below (+) or above (-) its place
    bool messageBoxUp = false;
    bool colourTestRunning = false; // the adapter is on and timer 1 runs
    bool alignmentShown = false;    // the adapter is on, the cursor hidden, the pens made
    HPEN redPen = nullptr;
    HPEN greenPen = nullptr;
};

extern CalibrationRun calibrationRun;

// A close request during the calibration: stops the colour test's timer, shows the cursor
// again, switches the adapter off and deletes the pens, writing nothing. The calibration
// runs again at the next start.
void abandonCalibration(HWND window);
