// Bitmaps onto a device context, and clearing the screen.
#include "imaging/bitmap_primitives.h"

#include "ground/screen_geometry.h"
#include "imaging/gdi_owners.h"

namespace {

// The bitmap at its own size, its top-left pixel at (x, y) of the target; the size is
// converted to the target's logical units so that the copy is never stretched.
void drawBitmapWithCorner(HBITMAP bitmap, HDC dc, int x, int y) {
    if (bitmap == nullptr || dc == nullptr) {
        return;
    }
    MemoryDC source(dc);
    if (!source.select(bitmap)) {
        return;
    }
    SetMapMode(source.get(), GetMapMode(dc));
    BITMAP size = {};
    if (GetObjectA(bitmap, sizeof size, &size) == 0) {
        return;
    }
    POINT extent = {size.bmWidth, size.bmHeight};
    if (!DPtoLP(dc, &extent, 1)) {
        return;
    }
    BitBlt(dc, x, y, extent.x, extent.y, source.get(), 0, 0, SRCCOPY);
}

} // namespace

void DrawBitmap(HBITMAP bitmap, HDC dc) {
    drawBitmapWithCorner(bitmap, dc, 0, 0);
}

void DrawBitmapAt(HBITMAP bitmap, HDC dc, int x, int y) {
    drawBitmapWithCorner(bitmap, dc, x, y);
}

void ClearScreen(HDC dc) {
    PatBlt(dc, 0, 0, kScreenWidth, kScreenHeight, BLACKNESS);
}
