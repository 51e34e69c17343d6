// Putting window faces on the screen before drawing over them, and the kept screen put back
// after a message box.
//
// Three steps order a window's face before what is drawn over it:
// 1. An answer from the display. Showing, hiding and destroying windows go to the display
//    on the window system's own path, the drawing on another; a read from the display is
//    answered after the requests sent before it, so that the exposures they cause (the
//    areas that a window's appearance or removal leaves to the windows under it) are
//    waiting in this thread's queue afterwards.
// 2. The pending painting of the windows, now (RedrawWindow with RDW_UPDATENOW).
// 3. The faces handed to the screen. A look at the queue that finds nothing makes Wine
//    copy every window surface of the process to the screen, on the same path as the
//    drawing and so ahead of any later drawing, and then take the waiting exposures (which
//    mark surface areas to copy again): so it is done before the painting and after it.
//    On Windows, DwmFlush waits until the compositor has presented the surfaces (it fails
//    harmlessly where there is no compositor).
#include "platform/window_faces.h"

namespace {

// A message value that nothing posts: a look at the queue for it always finds nothing.
constexpr UINT kNeverPosted = WM_APP + 0x3FFF;

using DwmFlushFunction = HRESULT(WINAPI*)();

DwmFlushFunction dwmFlush() {
    static const DwmFlushFunction function = [] {
        const HMODULE library = LoadLibraryA("dwmapi.dll");
        return library != nullptr ? reinterpret_cast<DwmFlushFunction>(reinterpret_cast<void*>(
                                        GetProcAddress(library, "DwmFlush")))
                                  : nullptr;
    }();
    return function;
}

void handFacesToScreen() {
    GdiFlush();
    MSG none;
    PeekMessageA(&none, nullptr, kNeverPosted, kNeverPosted, PM_NOREMOVE | PM_NOYIELD);
}

void paintNow(HWND window) {
    if (IsWindowVisible(window)) {
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

BOOL CALLBACK paintThreadWindow(HWND window, LPARAM) {
    paintNow(window);
    return TRUE;
}

void presentFaces() {
    handFacesToScreen();
    if (const DwmFlushFunction flush = dwmFlush()) {
        flush();
    }
}

} // namespace

namespace {

void (*framePresenter)() = nullptr;

} // namespace

void setFramePresenter(void (*present)()) {
    framePresenter = present;
}

void finishDrawing() {
    if (framePresenter != nullptr) {
        framePresenter();
    }
    GdiFlush();
    const HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (display != nullptr) {
        GetPixel(display, 0, 0); // answered once the display has taken what was sent before
        DeleteDC(display);
    }
}

void showWindowFace(HWND window) {
    finishDrawing();
    handFacesToScreen(); // takes the exposures, which may ask for painting
    paintNow(window);
    presentFaces();
}

void showUncoveredFaces() {
    finishDrawing();
    handFacesToScreen();
    EnumThreadWindows(GetCurrentThreadId(), paintThreadWindow, 0);
    presentFaces();
}

namespace {

KeptScreen* innermostKept = nullptr;

} // namespace

KeptScreen::KeptScreen()
    : display_(CreateDCA("DISPLAY", nullptr, nullptr, nullptr)), memory_(nullptr), copy_(nullptr),
      original_(nullptr), width_(0), height_(0), hook_(nullptr), outer_(innermostKept), opened_{},
      openedCount_(0), uncovered_{}, standing_{}, standingCount_(0), programWindowClosed_(false) {
    innermostKept = this;
    EnumThreadWindows(GetCurrentThreadId(), noteStandingWindow, reinterpret_cast<LPARAM>(this));
    hook_ = SetWindowsHookExA(WH_CBT, noteCoveringWindow, nullptr, GetCurrentThreadId());
    if (display_ == nullptr) {
        return;
    }
    showUncoveredFaces(); // the screen as the user sees it, faces included
    width_ = GetDeviceCaps(display_, HORZRES);
    height_ = GetDeviceCaps(display_, VERTRES);
    memory_ = CreateCompatibleDC(display_);
    copy_ = CreateCompatibleBitmap(display_, width_, height_);
    if (memory_ == nullptr || copy_ == nullptr) {
        return;
    }
    original_ = SelectObject(memory_, copy_);
    if (!BitBlt(memory_, 0, 0, width_, height_, display_, 0, 0, SRCCOPY)) {
        SelectObject(memory_, original_);
        original_ = nullptr;
    }
}

KeptScreen::~KeptScreen() {
    if (hook_ != nullptr) {
        UnhookWindowsHookEx(hook_);
    }
    innermostKept = outer_;
    if (original_ != nullptr) {
        SelectObject(memory_, original_);
    }
    if (copy_ != nullptr) {
        DeleteObject(copy_);
    }
    if (memory_ != nullptr) {
        DeleteDC(memory_);
    }
    if (display_ != nullptr) {
        DeleteDC(display_);
    }
}

LRESULT CALLBACK KeptScreen::noteCoveringWindow(int code, WPARAM wParam, LPARAM lParam) {
    if (innermostKept != nullptr) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_CREATEWND &&
            (reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs->style & WS_CHILD) == 0) {
            innermostKept->noteOpened(window);
        } else if (code == HCBT_DESTROYWND) {
            innermostKept->noteClosed(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK KeptScreen::noteStandingWindow(HWND window, LPARAM kept) {
    auto* self = reinterpret_cast<KeptScreen*>(kept);
    if (IsWindowVisible(window) && self->standingCount_ < kNotedWindows) {
        self->standing_[self->standingCount_++] = window;
    }
    return TRUE;
}

void KeptScreen::noteOpened(HWND window) {
    if (openedCount_ < kNotedWindows) {
        opened_[openedCount_++] = window;
    }
}

void KeptScreen::noteClosed(HWND window) {
    // A window that stood on the screen when it was kept and is closed now (a close request
    // ended the program while a box was up): what the screen showed is not the program's to
    // put back any more.
    for (int i = 0; i < standingCount_; ++i) {
        programWindowClosed_ = programWindowClosed_ || standing_[i] == window;
    }
    for (int i = 0; i < openedCount_; ++i) {
        RECT area;
        // A closing window keeps its place even when it was hidden first (EndDialog).
        if (opened_[i] == window && GetWindowRect(window, &area)) {
            UnionRect(&uncovered_, &uncovered_, &area);
        }
    }
}

void KeptScreen::restore() {
    showUncoveredFaces();
    if (original_ == nullptr || programWindowClosed_) {
        return;
    }
    RECT area = uncovered_;
    if (IsRectEmpty(&area)) {
        SetRect(&area, 0, 0, width_, height_); // no window was seen: all of it
    }
    BitBlt(display_, area.left, area.top, area.right - area.left, area.bottom - area.top, memory_,
           area.left, area.top, SRCCOPY);
    GdiFlush();
}
