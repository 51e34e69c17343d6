#include "ground/program_resources.h"

#include "ground/content_globals.h"
#include "ground/screen.h"

ProgramResources programResources = {};
FontMeasure textMeasure = {0, 0, 0};
FontMeasure titleMeasure = {0, 0, 0};
FontMeasure captionMeasure = {0, 0, 0};

namespace {

constexpr int kPointerSize = 32;

HFONT createFont(int height, int width, int weight, DWORD pitchAndFamily, const char* face) {
    return CreateFontA(height, width, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                       face);
}

void createSaveBuffer(HDC& dc, HBITMAP& bitmap, HGDIOBJ& original) {
    dc = CreateCompatibleDC(screenDC);
    bitmap = CreateCompatibleBitmap(screenDC, kPointerSize, kPointerSize);
    original = dc != nullptr && bitmap != nullptr ? SelectObject(dc, bitmap) : nullptr;
}

void deleteSaveBuffer(HDC& dc, HGDIOBJ& original) {
    if (dc != nullptr) {
        if (original != nullptr) {
            SelectObject(dc, original);
        }
        DeleteDC(dc);
    }
    dc = nullptr;
    original = nullptr;
}

void deleteObject(HBITMAP& bitmap) {
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    bitmap = nullptr;
}

void deleteFont(HFONT& font) {
    if (font != nullptr) {
        DeleteObject(font);
    }
    font = nullptr;
}

} // namespace

void createPointerBuffers() {
    ProgramResources& r = programResources;
    createSaveBuffer(r.pointerSaveUpper, r.pointerBitmapUpper, r.pointerOriginalUpper);
    createSaveBuffer(r.pointerSaveLower, r.pointerBitmapLower, r.pointerOriginalLower);
}

void createFontTable() {
    ProgramResources& r = programResources;
    r.versionFont = createFont(24, 0, 0, 0, "Times");
    r.buttonFont = createFont(40, 0, 0, 0, "Arial");
    r.listFont = createFont(30, 0, 0, 0, "Arial");
    r.textFont = createFont(10, 9, 500, 0, "Arial");
    r.titleFont = createFont(18, 15, 500, 0, "Arial");
    r.labelFont = createFont(15, 13, 500, 0, "Arial");
    r.abstractFont = createFont(32, 0, 700, FIXED_PITCH, "Courier New");
}

FontMeasure measureSelectedFont(HDC dc) {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    return fontMeasureFrom(metrics.tmHeight, metrics.tmDescent, metrics.tmAveCharWidth,
                           metrics.tmMaxCharWidth);
}

void measureSlideFonts() {
    ProgramResources& r = programResources;
    SelectObject(screenDC, r.textFont);
    textMeasure = measureSelectedFont(screenDC);
    SelectObject(screenDC, r.titleFont);
    titleMeasure = measureSelectedFont(screenDC);
    SelectObject(screenDC, r.labelFont);
    captionMeasure = measureSelectedFont(screenDC);
}

HFONT createTextFont(int height) {
    return createFont(height, static_cast<int>(height * 0.9), 500, 0, "Arial");
}

void createPenTable() {
    for (int i = 0; i < kColourCount; ++i) {
        programResources.penTable[i] = CreatePen(PS_SOLID, 1, colourTable[i]);
    }
}

void loadPointerIcon(HINSTANCE instance) {
    // Loaded as a private copy (not shared), so that the shutdown may destroy it.
    programResources.pointerIcon =
        static_cast<HICON>(LoadImageA(instance, "ZCursor", IMAGE_ICON, 32, 32, 0));
}

void deletePointerBuffers() {
    ProgramResources& r = programResources;
    deleteSaveBuffer(r.pointerSaveUpper, r.pointerOriginalUpper);
    deleteSaveBuffer(r.pointerSaveLower, r.pointerOriginalLower);
}

void deleteFontTable() {
    ProgramResources& r = programResources;
    deleteFont(r.versionFont);
    deleteFont(r.buttonFont);
    deleteFont(r.listFont);
    deleteFont(r.textFont);
    deleteFont(r.titleFont);
    deleteFont(r.labelFont);
    deleteFont(r.abstractFont);
}

void deletePenTable() {
    for (HPEN& pen : programResources.penTable) {
        if (pen != nullptr) {
            DeleteObject(pen);
        }
        pen = nullptr;
    }
}

void releasePointerIcon() {
    ProgramResources& r = programResources;
    if (r.pointerIcon != nullptr) {
        DestroyIcon(r.pointerIcon);
    }
    r.pointerIcon = nullptr;
    deleteObject(r.pointerBitmapUpper);
    deleteObject(r.pointerBitmapLower);
}
