// What the main window creates when it is created and releases when it is destroyed.
#pragma once

#include <windows.h>

// WM_CREATE in StartState: the display checks, then the screen, the adapter, the pointer
// buffers, mouse capture, screen saver off, fonts, measures, pens, icon, clip rectangle.
LRESULT createMainWindowContents(HWND window);
// WM_DESTROY in ClosingState: releases what exists, restores the screen saver and the
// display mode, stores the remembered mode and posts the quit message.
void shutdownProgram();
