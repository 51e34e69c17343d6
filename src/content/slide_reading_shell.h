// Shows what a slide reading did: its beeps, its replaced pens and its message box.
#pragma once

#include "content/slide_reading.h"

// The exclamation beeps first, then the pens of the hexadecimal colours, then the message
// box (no owner window, OK button).
void presentSlideReading(const SlideReading& reading);
