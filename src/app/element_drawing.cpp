#include "app/element_drawing.h"

#include "app/erase_memory.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "app/stereo_pointer.h"
#include "app/view_coordinates.h"
#include "ground/content_globals.h"
#include "display/display_globals.h"
#include "imaging/bitmap_primitives.h"
#include "imaging/stereo_image.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr UINT kCentredOnBaseline = TA_BASELINE | TA_CENTER;

// Takes the pointer off the screen for the lifetime of one drawing, so that the pointer
// never hides what is drawn and its saved pixels always hold the current slide.
class PointerLifted {
  public:
    PointerLifted() { ErasePointer(pointerX, pointerY, pointerDepth); }
    ~PointerLifted() { DrawPointer(pointerX, pointerY, pointerDepth); }
    PointerLifted(const PointerLifted&) = delete;
    PointerLifted& operator=(const PointerLifted&) = delete;
};

int textLength(const SlideElement& element) {
    return static_cast<int>(strnlen(element.text, kElementTextSize));
}

// Draws the element's text at (x, y) in the upper view and at the same point of the lower
// view, moved left by the disparity.
void drawInBothViews(const SlideElement& element, int x, int y, int disparity) {
    const int length = textLength(element);
    const ViewPoint lower = lowerViewPoint(x, y, disparity, lowerImageTop);
    SetTextAlign(screenDC, kCentredOnBaseline);
    TextOutA(screenDC, x, y, element.text, length);
    TextOutA(screenDC, lower.x, lower.y, element.text, length);
}

void drawHeading(const SlideElement& element, HFONT font, int baselineY, const FontMeasure& measure,
                 EraseBox& box) {
    PointerLifted lifted;
    SelectObject(screenDC, font);
    drawInBothViews(element, 512, baselineY, 0);
    box = headingBox(baselineY, textLength(element), measure);
}

} // namespace

void drawStereoPicture(const SlideElement& element) {
    PointerLifted lifted; // a pointer left on the screen would save the old picture
    HCURSOR kept = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    ShowCursor(TRUE);
    ClearScreen(screenDC);
    SetTextAlign(screenDC, kCentredOnBaseline);
    TextOutA(screenDC, 512, 180, "Please Wait", 11);
    TextOutA(screenDC, 512, lowerImageTop + 180, "Please Wait", 11);
    // A second picture on the same slide replaces the first, which is released.
    releaseSlideImage();
    slideImage = LoadStereoImage(slideDirectory + element.text + ".duo", screenDC);
    DrawBitmap(slideImage, screenDC);
    SetCursor(kept);
    ShowCursor(FALSE);
}

void drawText(const SlideElement& element) {
    PointerLifted lifted;
    SelectObject(screenDC, programResources.textFont);
    drawInBothViews(element, element.x, element.y, element.value);
    if (element.kind == EText && isEraseSlot(element.x2)) {
        textSlots[element.x2] =
            textBox(element.x, element.y, element.value, textLength(element), textMeasure);
    }
}

void drawTitle(const SlideElement& element) {
    drawHeading(element, programResources.titleFont, 20, titleMeasure, titleBox);
}

void drawCaption(const SlideElement& element) {
    drawHeading(element, programResources.labelFont, 37, captionMeasure, captionBox);
}

void selectColour(const SlideElement& element) {
    if (element.value < 0 || element.value >= kColourCount) {
        return; // no such colour index: the colours stay as they are
    }
    SetTextColor(screenDC, colourTable[element.value]);
    SelectObject(screenDC, programResources.penTable[element.value]);
}

void drawLine(const SlideElement& element) {
    PointerLifted lifted;
    MoveToEx(screenDC, element.x, element.y, nullptr);
    LineTo(screenDC, element.x2, element.y2);
    const ViewPoint start = lowerViewPoint(element.x, element.y, element.value, lowerImageTop);
    const ViewPoint end = lowerViewPoint(element.x2, element.y2, element.value2, lowerImageTop);
    MoveToEx(screenDC, start.x, start.y, nullptr);
    LineTo(screenDC, end.x, end.y);
    if (element.kind == ELine && isEraseSlot(element.extra)) {
        lineSlots[element.extra] =
            lineBox(element.x, element.y, element.value, element.x2, element.y2, element.value2);
    }
}

void eraseText(const SlideElement& element) {
    PointerLifted lifted;
    if (isEraseSlot(element.value)) {
        restoreFromSlideImage(textSlots[element.value]);
    }
}

void eraseTitle() {
    PointerLifted lifted;
    restoreFromSlideImage(titleBox);
}

void eraseCaption() {
    PointerLifted lifted;
    restoreFromSlideImage(captionBox);
}

void eraseLine(const SlideElement& element) {
    PointerLifted lifted;
    if (isEraseSlot(element.value)) {
        restoreFromSlideImage(lineSlots[element.value]);
    }
}

void replaceTextFont(const SlideElement& element) {
    HFONT replacement = createTextFont(element.value);
    if (replacement == nullptr) {
        return; // keep the font in use rather than draw with none
    }
    SelectObject(screenDC, replacement); // the old font leaves the DC before it goes
    if (programResources.textFont != nullptr) {
        DeleteObject(programResources.textFont);
    }
    programResources.textFont = replacement;
    textMeasure = measureSelectedFont(screenDC);
}
