// The calibration's own small state machine: the stored correction, or the questions, the
// colour test that shows whether the adapter switches, and the alignment screen.
#include "display/calibration.h"

#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/proceed.h"
#include "display/alignment_screen.h"
#include "display/calibration_rules.h"
#include "display/display_globals.h"
#include "display/software_adapter.h"
#include "display/stereo_switch.h"
#include "imaging/bitmap_primitives.h"
#include "platform/platform.h"
#include "platform/registry.h"

namespace {

void goOn(HWND window, int nextStep) {
    calibrationRun.step = nextStep;
    postProceed(window, ProceedBegin);
}

// A message box with no owner over the cleared screen. While it is up the main window's
// messages still reach CalibrationProc, which passes them all on untouched.
int showMessage(const char* text, const char* caption, unsigned type) {
    calibrationRun.messageBoxUp = true;
    const int answer = platform().messageBox(text, caption, type);
    calibrationRun.messageBoxUp = false;
    return answer;
}

// A close request taken while a message box was up has already ended the calibration.
bool closedMeanwhile() {
    return presentationState != CalibrationState;
}

// The steps that only show a message and go on.
struct MessageStep {
    int step;
    const char* text;
    const char* caption;
    int next;
};

constexpr MessageStep kMessageSteps[] = {
    {CalibrationGlassesOff, kGlassesOffText, kGlassesOffCaption, CalibrationAnnounceTest},
    {CalibrationAnnounceTest, kAboutToTestText, kAboutToTestCaption, CalibrationColourTest},
    {CalibrationAnnounceAlignment, kAlignmentAnnouncementText, kAlignmentAnnouncementCaption,
     CalibrationAlignment},
    {CalibrationGlassesOn, kGlassesOnText, kGlassesOnCaption, CalibrationFinished},
};

int showMessageStep(HWND window) {
    for (const MessageStep& s : kMessageSteps) {
        if (s.step == calibrationRun.step) {
            ClearScreen(screenDC);
            showMessage(s.text, s.caption, MB_OK);
            if (!closedMeanwhile()) {
                goOn(window, s.next);
            }
            break;
        }
    }
    return HandlerNotHandled;
}

// A calibrated computer reads its correction and asks nothing.
int checkStoredCorrection(HWND window) {
    if (const RegistryKey key = openProgramKeyForQuery(kVerticalParallaxKey)) {
        char text[kStoredCorrectionBufferSize] = {};
        if (queryStringValue(key, kVerticalParallaxValue, text, sizeof text)) {
            verticalParallax = storedCorrection(text);
        }
        lowerImageTop = verticalParallax + kLowerImageTopBase;
        return HandlerDone;
    }
    // The test and the alignment are for the hardware adapter: a software method has
    // nothing to test and nothing to align, and stores nothing.
    if (softwareViewing()) {
        return HandlerDone;
    }
    ClearScreen(screenDC);
    const int answer =
        showMessage(kNoCalibrationText, kNoCalibrationCaption, MB_YESNO | MB_ICONEXCLAMATION);
    if (closedMeanwhile()) {
        return HandlerNotHandled;
    }
    if (answer == IDNO) {
        showMessage(kConnectHardwareText, kConnectHardwareCaption, MB_OK | MB_ICONSTOP);
        return closedMeanwhile() ? HandlerNotHandled : HandlerEndProgram;
    }
    goOn(window, CalibrationGlassesOff);
    return HandlerNotHandled;
}

void fillRows(int top, int bottom, COLORREF colour) {
    const RECT rows = {0, top, screenGeometry.width, bottom};
    const HBRUSH brush = CreateSolidBrush(colour);
    if (brush != nullptr) {
        FillRect(screenDC, &rows, brush);
        DeleteObject(brush);
    }
}

void endColourTest(HWND window) {
    KillTimer(window, ColourTestTimer);
    calibrationRun.colourTestRunning = false;
    StereoSwitch(StereoOff);
}

// With the adapter in 3D mode the red upper and green lower half look yellow together.
void startColourTest(HWND window) {
    StereoSwitch(StereoOn);
    const ScreenGeometry& screen = screenGeometry;
    fillRows(0, screen.bandTop, RGB(255, 0, 0));
    fillRows(screen.bandTop + screen.bandHeight, screen.height, RGB(0, 255, 0));
    calibrationRun.colourTestRunning = true;
    if (SetTimer(window, ColourTestTimer, kColourTestMilliseconds, nullptr) == 0) {
        endColourTest(window); // without its timer the test would never end
        goOn(window, CalibrationAskResult);
    }
}

int colourTestMessage(HWND window, UINT message) {
    if (message == WM_PROCEED && !calibrationRun.colourTestRunning) {
        startColourTest(window);
    } else if (message == WM_TIMER && calibrationRun.colourTestRunning) {
        endColourTest(window);
        goOn(window, CalibrationAskResult);
    }
    return HandlerNotHandled;
}

int askTestResult(HWND window) {
    ClearScreen(screenDC);
    const int answer = showMessage(kTestResultsText, kTestResultsCaption, MB_YESNO);
    if (!closedMeanwhile()) {
        goOn(window, answer == IDYES ? CalibrationAnnounceAlignment : CalibrationTroubleshooting);
    }
    return HandlerNotHandled;
}

int showTroubleshooting() {
    ClearScreen(screenDC);
    showMessage(kTroubleshootingText, kTroubleshootingCaption, MB_OK);
    return closedMeanwhile() ? HandlerNotHandled : HandlerEndProgram;
}

int alignmentMessage(HWND window, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_PROCEED:
        if (!calibrationRun.alignmentShown) {
            beginAlignment();
        }
        break;
    case WM_KEYDOWN:
        if (calibrationRun.alignmentShown) {
            moveRedLine(wParam);
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (calibrationRun.alignmentShown) {
            finishAlignment();
            goOn(window, CalibrationGlassesOn);
        }
        break;
    default:
        break;
    }
    return HandlerNotHandled;
}

} // namespace

int CalibrationProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (calibrationRun.messageBoxUp) {
        return HandlerNotHandled;
    }
    switch (calibrationRun.step) {
    case CalibrationColourTest:
        return colourTestMessage(window, message);
    case CalibrationAlignment:
        return alignmentMessage(window, message, wParam);
    default:
        break;
    }
    if (message != WM_PROCEED) {
        return HandlerNotHandled;
    }
    switch (calibrationRun.step) {
    case CalibrationCheck:
        return checkStoredCorrection(window);
    case CalibrationAskResult:
        return askTestResult(window);
    case CalibrationTroubleshooting:
        return showTroubleshooting();
    case CalibrationFinished:
        return HandlerDone;
    default:
        return showMessageStep(window);
    }
}

void abandonCalibration(HWND window) {
    if (calibrationRun.colourTestRunning) {
        endColourTest(window);
    }
    leaveAlignment();
}
