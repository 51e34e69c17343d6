// Entering and leaving a presentation, and the user's controls that stop, pause, resume
// and skip playback.
#pragma once

#include <windows.h>

// Steps 1 to 7 of entering a presentation from the table of contents.
void enterPresentation(HWND window);
// How a presentation begins to draw on screenDC: transparent text in colour 0, pen 0.
void setPresentationDrawing();
// Ends the presentation for a close request: narration closed, timer 1 killed, the
// adapter switched off, the mouse freed, the cursor shown, the picture released.
void leavePresentationForClose(HWND window);
// Closes a playing narration and cancels a running Delay.
void stopSlide(HWND window);
// A left click in Tutorial flow.
void pauseOrResume(HWND window);
// The slide chooser sequence (WM_MBUTTONDOWN in PresentingState).
void openSlideChooser(HWND window);
// The right double click: back one slide or restart the current one.
void restartOrGoBack(HWND window);
// Milliseconds left of the running Delay, never below 0.
DWORD remainingDelayMilliseconds();
