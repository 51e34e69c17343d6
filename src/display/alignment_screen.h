// The calibration's alignment screen: the user moves a red line in the lower view onto a
// green one in the upper view, and the offset found becomes the stored correction.
#pragma once

#include <windows.h>

// Clears the screen, hides the cursor, switches the adapter on and shows the lines at
// offset 0.
void beginAlignment();
// Up and Down move the red line by one row within the limits; other keys do nothing.
void moveRedLine(WPARAM key);
// Shows the cursor, switches the adapter off, deletes the pens, and puts the offset into
// use for this run and into the registry for the next ones.
void finishAlignment();
// Shows the cursor, switches the adapter off and deletes the pens, storing nothing.
void leaveAlignment();
