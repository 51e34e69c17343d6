// The display that every picture, text and switching code is drawn on, and where the two
// views lie on it.
#pragma once

#include <windows.h>

#include "ground/screen_geometry.h"

// The device context of the whole display, created by the display checks.
extern HDC screenDC;
// 1 when the system dialog base unit is 8 pixels wide, 0 when it is 10.
extern int largeDialogs;
extern ScreenGeometry screenGeometry;
// The calibration's signed row correction and the first row of the lower view.
extern int verticalParallax;
extern int lowerImageTop;
