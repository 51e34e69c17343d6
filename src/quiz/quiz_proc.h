// The question a "Query" element asks.
#pragma once

#include <windows.h>

// Receives every message of the main window in QueryState: 0 repost WM_PROCEED and pass
// the message on, 100 the query is over, 10 and others pass the message on.
int QuizProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* queryName,
             HBITMAP picture, HDC dc, int slide);
