// The drawing primitives every part shares: BMP files into bitmaps, bitmaps onto the
// screen, 8-bit pictures straight to the screen, clearing, and the stereo pointer.
#pragma once

#include <windows.h>

#include <string>

// A BMP file without colour table (16, 24 or 32 bits) as a bitmap compatible with `dc`;
// nullptr when it cannot be read. The caller deletes the bitmap.
HBITMAP LoadBitmapFile(const std::string& path, HDC dc);
// Draws the bitmap at its own size with its top-left corner at (0, 0).
void DrawBitmap(HBITMAP bitmap, HDC dc);
// Draws the bitmap at its own size with its top-left corner at (x, y).
void DrawBitmapAt(HBITMAP bitmap, HDC dc, int x, int y);
// Draws an 8-bit BMP file straight onto `dc` at (0, 0).
void DrawBitmapFile(const std::string& path, HDC dc);
// Fills the 1024 x 768 screen black.
void ClearScreen(HDC dc);
// Saves the screen under both pointer copies and draws the pointer; nothing in Tutorial
// mode or when y is 0.
void DrawPointer(int x, int y, int depth);
// Puts back what DrawPointer saved; nothing in Tutorial mode or when y is 0.
void ErasePointer(int x, int y, int depth);
