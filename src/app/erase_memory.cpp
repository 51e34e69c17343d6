#include "app/erase_memory.h"

#include "ground/presentation_globals.h"
#include "display/display_globals.h"

#include <windows.h>

#include <initializer_list>

EraseBox titleBox = {0, 0, 0, 0, 0};
EraseBox captionBox = {0, 0, 0, 0, 0};
EraseBox textSlots[kEraseSlots] = {};
LineBox lineSlots[kEraseSlots] = {};

namespace {

void restoreRects(const ScreenRect& upper, const ScreenRect& lower) {
    if (slideImage == nullptr) {
        return;
    }
    HDC pictureDC = CreateCompatibleDC(screenDC);
    if (pictureDC == nullptr) {
        return;
    }
    HGDIOBJ original = SelectObject(pictureDC, slideImage);
    for (const ScreenRect& r : {upper, lower}) {
        BitBlt(screenDC, r.left, r.top, r.width, r.height, pictureDC, r.left, r.top, SRCCOPY);
    }
    SelectObject(pictureDC, original);
    DeleteDC(pictureDC);
}

} // namespace

void restoreFromSlideImage(const EraseBox& box) {
    restoreRects(upperRect(box), lowerRect(box, lowerImageTop));
}

void restoreFromSlideImage(const LineBox& box) {
    restoreRects(upperRect(box), lowerRect(box, lowerImageTop));
}
