#include "app/stereo_pointer.h"

#include "ground/content_globals.h"
#include "imaging/bitmap_primitives.h"

int pointerX = 0;
int pointerY = 0;
int pointerDepth = 0;
int pointerVisible = 0;
RECT pointerClip = {0, 1, 1023, 350};

void movePointer(LPARAM position) {
    if (pointerVisible == 0) {
        return;
    }
    if (pointerY != 0) {
        ErasePointer(pointerX, pointerY, pointerDepth);
    }
    pointerX = static_cast<int>(LOWORD(position));
    pointerY = static_cast<int>(HIWORD(position));
    DrawPointer(pointerX, pointerY, pointerDepth);
}

void changePointerDepth(int step) {
    pointerVisible = modeFlags.tutorialMode == 0 ? 1 : 0;
    ErasePointer(pointerX, pointerY, pointerDepth);
    pointerDepth += step;
    DrawPointer(pointerX, pointerY, pointerDepth);
}
