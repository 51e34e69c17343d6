// Puts the display into 1024 x 768 at 60 Hz with 32, 24 or 16 bits per pixel and creates
// screenDC, or finds the display already usable as it is.
#pragma once

// 1 with screenDC created; 0 when the mode cannot be set (the user has been told) or the
// computer must restart first. Shows its own messages.
int setDisplayMode();
