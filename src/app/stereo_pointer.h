// The stereo pointer: the "ZCursor" icon drawn into both views, the lower copy shifted by
// the depth that the Up and Down keys change.
#pragma once

#include <windows.h>

extern int pointerX;
extern int pointerY; // 0: no pointer on the screen
extern int pointerDepth;
extern int pointerVisible;
extern RECT pointerClip;

// WM_MOUSEMOVE in PresentingState.
void movePointer(LPARAM position);
// WM_KEYDOWN with VK_UP (+1) or VK_DOWN (-1) in PresentingState.
void changePointerDepth(int step);
