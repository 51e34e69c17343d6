// Where the calibration stands, and what it holds of the screen while it runs: shared by
// its steps (calibration.cpp) and its alignment screen.
#pragma once

#include <windows.h>

#include "ground/messages.h"

struct CalibrationRun {
    int step = CalibrationCheck;
    int offset = 0; // rows the red line lies below (+) or above (-) its place
    bool messageBoxUp = false;
    bool colourTestRunning = false; // the adapter is on and timer 1 runs
    bool alignmentShown = false;    // the adapter is on, the cursor hidden, the pens made
    HPEN redPen = nullptr;
    HPEN greenPen = nullptr;
};

inline CalibrationRun calibrationRun;
