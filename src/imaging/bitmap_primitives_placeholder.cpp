// PLACEHOLDER until the picture primitives land: clearing works, pictures are absent.
#include "imaging/bitmap_primitives.h"
#include "imaging/stereo_image.h"

HBITMAP LoadBitmapFile(const std::string&, HDC) {
    return nullptr;
}
void DrawBitmap(HBITMAP, HDC) {}
void DrawBitmapAt(HBITMAP, HDC, int, int) {}
void DrawBitmapFile(const std::string&, HDC) {}
void ClearScreen(HDC dc) {
    PatBlt(dc, 0, 0, 1024, 768, BLACKNESS);
}
void DrawPointer(int, int, int) {}
void ErasePointer(int, int, int) {}
HBITMAP LoadStereoImage(const std::string&, HDC) {
    return nullptr;
}
