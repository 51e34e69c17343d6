// Finds the installed copy or a CD with the content, and offers the installation.
#pragma once

#include <windows.h>

// Receives every message of the main window in LocationState: 0 no content (the user has
// been told), 1 content found, 2 not WM_PROCEED.
int LocateContent(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
