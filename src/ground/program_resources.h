// The GDI objects that live as long as the main window: the font table, the pen of every
// colour index and the stereo pointer's icon and save buffers.
#pragma once

#include <windows.h>

#include "ground/font_measure.h"
#include "ground/colours.h"

struct ProgramResources {
    HFONT versionFont;
    HFONT buttonFont;
    HFONT listFont;
    HFONT textFont;
    HFONT titleFont;
    HFONT labelFont;
    HFONT abstractFont;
    HPEN penTable[kColourCount];
    HICON pointerIcon;
    HDC pointerSaveUpper;
    HDC pointerSaveLower;
    HBITMAP pointerBitmapUpper;
    HBITMAP pointerBitmapLower;
    // What the save buffers held before their bitmaps went in, put back before deletion.
    HGDIOBJ pointerOriginalUpper;
    HGDIOBJ pointerOriginalLower;
};

extern ProgramResources programResources;
extern FontMeasure textMeasure;
extern FontMeasure titleMeasure;
extern FontMeasure captionMeasure;

// Creates the two pointer save buffers: a memory DC compatible with screenDC holding a
// 32 x 32 bitmap compatible with screenDC, upper first.
void createPointerBuffers();
// Creates the seven fonts of the font table in table order.
void createFontTable();
// Measures textFont, titleFont and labelFont on screenDC; labelFont stays selected.
void measureSlideFonts();
// Fills a FontMeasure from the font selected in the device context.
FontMeasure measureSelectedFont(HDC dc);
// Creates "Arial" of the given height, width height x 0.9 and weight 500 (a "Fontsize").
HFONT createTextFont(int height);
// One solid pen of width 1 for each colour index.
void createPenTable();
void loadPointerIcon(HINSTANCE instance);

// Releases everything above in shutdown order; members never created are skipped and
// every member is cleared afterwards.
void deletePointerBuffers();
void deleteFontTable();
void deletePenTable();
void releasePointerIcon();
