#include "content/hex_colour_pens.h"

#include <windows.h>

#include <algorithm>

#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "ground/screen.h"

namespace {

// Old pens that screenDC still held when they were replaced: a pen selected into a device
// context must not be deleted.
std::vector<HPEN> retiredPens;

bool heldByScreen(HPEN pen) {
    return screenDC != nullptr && GetCurrentObject(screenDC, OBJ_PEN) == pen;
}

void deleteReleasedPens() {
    std::erase_if(retiredPens, [](HPEN pen) {
        if (heldByScreen(pen)) {
            return false;
        }
        DeleteObject(pen);
        return true;
    });
}

void retire(HPEN pen) {
    if (pen == nullptr) {
        return;
    }
    if (heldByScreen(pen)) {
        retiredPens.push_back(pen);
    } else {
        DeleteObject(pen);
    }
}

} // namespace

void replaceHexColourPens(const std::vector<int>& entries) {
    deleteReleasedPens();
    for (const int entry : entries) {
        if (entry < 0 || entry >= kColourCount) {
            continue;
        }
        const HPEN fresh = CreatePen(PS_SOLID, 1, colourTable[entry]);
        if (fresh == nullptr) {
            continue;
        }
        retire(programResources.penTable[entry]);
        programResources.penTable[entry] = fresh;
    }
}
