// A close request from the system (Alt+F4 gives WM_CLOSE) in any state.
#pragma once

#include <windows.h>

// Leaves a running presentation or calibration and takes the closing path, so that the shutdown
// runs.
LRESULT handleCloseRequest(HWND window);
