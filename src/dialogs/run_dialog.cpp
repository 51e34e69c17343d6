#include "app/presentation_globals.h"
#include "dialogs/dialogs.h"
#include "display/display_globals.h"
#include "platform/platform.h"

namespace {

// Long enough for the window system to have repainted, from the windows under it, the
// area a closed dialog uncovered (Wine copies its window surfaces to the screen at most
// every 50 ms).
constexpr DWORD kSettleMilliseconds = 80;

// Lets the repaint of the area a closed dialog uncovered happen now, before anything is
// drawn onto the screen there, so that the repaint cannot wipe it. Input that arrives
// meanwhile stays in the queue.
void settleUncoveredArea(HWND owner) {
    if (screenDC != nullptr) {
        GdiFlush();
        GetPixel(screenDC, 0, 0); // waits until the display has taken the dialog's removal
    }
    const DWORD start = GetTickCount();
    MSG pending;
    while (GetTickCount() - start < kSettleMilliseconds) {
        PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE);
        if (owner != nullptr) {
            UpdateWindow(owner);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

} // namespace

INT_PTR runTemplateDialog(const char* largeTemplate, const char* smallTemplate, HWND owner,
                          DLGPROC procedure) {
    const INT_PTR result = platform().dialogBox(
        programInstance, largeDialogs == 1 ? largeTemplate : smallTemplate, owner, procedure, 0);
    settleUncoveredArea(owner);
    return result;
}
