// Slide playback: the PresentingState handling of WM_PROCEED codes 1, 2 and 3.
#pragma once

#include <windows.h>

void beginIndexSlide(HWND window);    // code 1
void beginNextSlide(HWND window);     // code 2
void executeNextElement(HWND window); // code 3
