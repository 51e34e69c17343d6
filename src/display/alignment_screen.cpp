#include "display/alignment_screen.h"

#include "display/calibration_run.h"
#include "display/calibration_rules.h"
#include "display/display_globals.h"
#include "display/stereo_switch.h"
#include "display/switch_code.h"
#include "imaging/bitmap_primitives.h"
#include "platform/registry.h"

#include <string>

namespace {

void drawAlignmentLine(HPEN pen, int row) {
    if (pen == nullptr) {
        return; // drawn with whatever pen the screen holds, it would mislead the user
    }
    const HGDIOBJ previous = SelectObject(screenDC, pen);
    MoveToEx(screenDC, kAlignmentLineLeft, row, nullptr);
    LineTo(screenDC, kAlignmentLineRight, row);
    SelectObject(screenDC, previous);
}

void drawCentredText(const char* text, int baseline) {
    TextOutA(screenDC, kAlignmentTextCentre, baseline, text, lstrlenA(text));
}

// Both texts and the green line lie in the upper view, the red line in the lower one; the
// text is written in the font the screen holds (the label font).
void drawAlignmentScreen() {
    SetTextColor(screenDC, RGB(255, 255, 255));
    drawCentredText(kAlignmentText, kAlignmentTextBaseline);
    drawCentredText(kAlignmentHint, kAlignmentHintBaseline);
    drawAlignmentLine(calibrationRun.greenPen, kGreenLineRow);
    drawAlignmentLine(calibrationRun.redPen, redLineRow(calibrationRun.offset));
    GdiFlush();
}

// Each value in its own create-or-open and close; a failed write is not reported.
void storeValue(const char* keyName, const char* name, const char* text) {
    const RegistryKey key = createProgramKey(keyName);
    if (key) {
        writeStringValue(key, name, text);
    }
}

} // namespace

void beginAlignment() {
    CalibrationRun& run = calibrationRun;
    ClearScreen(screenDC);
    ShowCursor(FALSE);
    run.alignmentShown = true;
    StereoSwitch(StereoOn);
    SetBkMode(screenDC, TRANSPARENT);
    SetTextAlign(screenDC, TA_CENTER | TA_BASELINE);
    run.redPen = CreatePen(PS_SOLID, kAlignmentPenWidth, RGB(255, 0, 0));
    run.greenPen = CreatePen(PS_SOLID, kAlignmentPenWidth, RGB(0, 255, 0));
    run.offset = 0;
    drawAlignmentScreen();
}

void moveRedLine(WPARAM key) {
    int step = 0;
    if (key == VK_UP) {
        step = -1;
    } else if (key == VK_DOWN) {
        step = 1;
    } else {
        return;
    }
    calibrationRun.offset = movedAlignmentOffset(calibrationRun.offset, step);
    ClearScreen(screenDC);
    drawAlignmentScreen();
}

void leaveAlignment() {
    CalibrationRun& run = calibrationRun;
    if (!run.alignmentShown) {
        return;
    }
    ShowCursor(TRUE);
    StereoSwitch(StereoOff);
    DeleteObject(run.redPen);
    DeleteObject(run.greenPen);
    run.redPen = run.greenPen = nullptr;
    run.alignmentShown = false;
}

void finishAlignment() {
    leaveAlignment();
    const int offset = calibrationRun.offset;
    verticalParallax = offset;
    lowerImageTop = offset + kLowerImageTopBase;
    storeValue(kVerticalParallaxKey, kVerticalParallaxValue, std::to_string(offset).c_str());
    storeValue(kErrorCodesKey, kLinesToGoValue, kCalibratedLinesToGo);
    storeValue(kErrorCodesKey, kLinesToNoGoValue, kCalibratedLinesToNoGo);
    storeValue(kErrorCodesKey, kTimeToGoValue, kCalibratedTimeToGo);
}
