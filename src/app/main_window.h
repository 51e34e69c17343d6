// The program's one window: a borderless full-screen popup that receives the mouse, the
// keyboard, timers, the end-of-sound notification and WM_PROCEED.
#pragma once

#include <windows.h>

constexpr const char* kMainWindowClass = "CorpusView";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the window class (result ignored by the program).
ATOM registerMainWindowClass(HINSTANCE instance);
// Creates the window; WM_CREATE runs the creation steps inside this call.
HWND createMainWindow(HINSTANCE instance);
// What WinMain does: keep the instance, register, create, run the message loop; returns
// the wParam of WM_QUIT. A second start while a copy runs brings that copy to the front
// and returns ExitNormal at once.
int runCorpusView(HINSTANCE instance);
