// PLACEHOLDER until slide playback lands: every series is over at once and the table of
// contents opens again.
#include "app/playback.h"

#include "app/messages.h"
#include "app/presentation_globals.h"
#include "app/state_handlers.h"
#include "display/stereo_switch.h"

namespace {

void endPresentation(HWND window) {
    postProceed(window, ProceedBegin);
    ShowCursor(TRUE);
    ClipCursor(nullptr);
    StereoSwitch(StereoOff);
    presentationState = ContentsState;
}

} // namespace

void beginIndexSlide(HWND window) {
    endPresentation(window);
}
void beginNextSlide(HWND window) {
    endPresentation(window);
}
void executeNextElement(HWND) {}
