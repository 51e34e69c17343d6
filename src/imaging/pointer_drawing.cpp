// The stereo pointer's two copies: the screen under each is saved before the icon is drawn
// there, and put back when the pointer is erased.
#include "imaging/bitmap_primitives.h"

#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "ground/screen.h"

namespace {

constexpr int kPointerSize = 32;

bool pointerShown(int y) {
    return modeFlags.tutorialMode == 0 && y != 0;
}

bool saveScreen(HDC save, int x, int y) {
    return BitBlt(save, 0, 0, kPointerSize, kPointerSize, screenDC, x, y, SRCCOPY) != FALSE;
}

} // namespace

void DrawPointer(int x, int y, int depth) {
    if (!pointerShown(y)) {
        return;
    }
    const int lowerX = x + depth;
    const int lowerY = lowerImageTop + y;
    const bool upperSaved = saveScreen(programResources.pointerSaveUpper, x, y);
    const bool lowerSaved = saveScreen(programResources.pointerSaveLower, lowerX, lowerY);
    // An icon goes only over what was saved, so that erasing never leaves one behind.
    if (upperSaved) {
        DrawIcon(screenDC, x, y, programResources.pointerIcon);
    }
    if (lowerSaved) {
        DrawIcon(screenDC, lowerX, lowerY, programResources.pointerIcon);
    }
}

void ErasePointer(int x, int y, int depth) {
    if (!pointerShown(y)) {
        return;
    }
    BitBlt(screenDC, x, y, kPointerSize, kPointerSize, programResources.pointerSaveUpper, 0, 0,
           SRCCOPY);
    BitBlt(screenDC, x + depth, lowerImageTop + y, kPointerSize, kPointerSize,
           programResources.pointerSaveLower, 0, 0, SRCCOPY);
}
