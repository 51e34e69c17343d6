#include "quiz/quiz_screen_snapshot.h"

#include "display/screen_geometry.h"

namespace {

// Long enough for the window system to repaint, from the windows under it, the area a
// closed message box uncovered (Wine copies window surfaces to the screen at most every
// 50 ms); the repaint would otherwise wipe what is put back.
constexpr DWORD kRepaintMilliseconds = 80;

void letUncoveredAreaRepaint(HDC screen) {
    GdiFlush();
    GetPixel(screen, 0, 0); // returns once the display has taken the box's removal
    const DWORD start = GetTickCount();
    MSG pending;
    while (GetTickCount() - start < kRepaintMilliseconds) {
        // Looking at the queue lets the window system's events be handled; input stays.
        PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

} // namespace

QuizScreenSnapshot::QuizScreenSnapshot(HDC screen) : screen_(screen) {
    saved_ = createSaveBuffer(buffer_, screen, kScreenWidth, kScreenHeight) &&
             saveScreenArea(buffer_, screen, {0, 0});
}

QuizScreenSnapshot::~QuizScreenSnapshot() {
    releaseSaveBuffer(buffer_);
}

void QuizScreenSnapshot::putBack() {
    if (!saved_) {
        return;
    }
    letUncoveredAreaRepaint(screen_);
    restoreScreenArea(buffer_, screen_, {0, 0});
}
