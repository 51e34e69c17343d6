// The 3D adapter in software. While 3D is on in a software viewing method, screenDC is a
// 1024 x 768 frame in memory with the display's drawing state; what the program draws there
// is converted for the viewer's glasses or TV and put on the main window through the
// window's own DC, before the program next waits and whenever the window is uncovered.
// While 3D is off, screenDC is the display, as with the hardware adapter.
#pragma once

#include <windows.h>

#include "display/viewing_choice.h"

// The viewing method of this run: chosen before the main window is made.
extern ViewingChoice viewingChoice;

// True when a software method stands in for the adapter (no switching codes, no
// calibration).
bool softwareViewing();

// The window that shows the converted frame: the main window, given when it is created.
void setViewingWindow(HWND window);

// StereoSwitch on and off in a software method. On: screenDC becomes the frame, black, with
// the display's font, pen, brush, colours and modes. Off: screenDC is the display again
// with the frame's drawing state, and both the display and the window's face are black (as
// the adapter's off code leaves the screen). When the frame cannot be made, the program
// draws on the display as with the adapter.
void switchSoftwareAdapter(bool on);

// True while screenDC is the frame.
bool softwareStereoOn();

// Puts what was drawn in the frame since it was last shown on the window.
void presentStereoFrame();

// The same once the thread has no message waiting (called after each message the main
// window handles): what a group of messages drew reaches the screen once, before the wait.
// While messages wait, FramePresentTimer is set, so that the frame is shown even when what
// waited never reaches the window (a mouse move the system drops).
void presentStereoFrameWhenIdle();
// The main window's WM_TIMER: true, with the frame shown, when it is FramePresentTimer.
bool presentOnFrameTimer(HWND window, WPARAM timer);

// WM_PAINT of the main window while the frame is shown: paints the whole converted frame.
// False while 3D is off or in the adapter method (the message is not handled here).
bool paintStereoFrame(HWND window);

// Gives screenDC back to the display and deletes the frame (at shutdown).
void releaseStereoFrame();
