// Drawing over windows. The program draws its pictures and texts on the display's device
// context, over its own windows. A window's own face (what it painted) reaches the screen
// some time after it was painted, and again whenever something uncovers the window: Wine
// copies each window's surface to the screen when its thread next finds its queue empty or
// takes an exposure, and the compositor of current Windows presents window surfaces on its
// own schedule. Whatever was drawn over a window before its face arrived is then covered.
// These calls put the faces on the screen first, so that what is drawn after them stays,
// and give an uncovered area back what the screen showed before it was covered.
#pragma once

#include <windows.h>

// Returns once what was drawn on the display is on the screen: the drawing calls are
// handed over in batches (Wine's X11 driver keeps them queued until the program reads
// from the display or handles its messages), and a read from the display is answered
// only after everything sent before it.
void finishDrawing();

// A presenter that puts what was drawn in memory on its window (the software adapter's).
// finishDrawing runs it first, so that the picture is on the window before anything is
// drawn over it and before a message box waits for the user.
void setFramePresenter(void (*present)());

// Puts the face of `window` (with its controls) and every face that this thread's windows
// owe the screen on the screen now. Call it before drawing over a window that has just
// been shown or uncovered; what is drawn afterwards is not covered by their painting.
void showWindowFace(HWND window);

// The same for all of this thread's windows: after a window that covered others is gone.
void showUncoveredFaces();

// The whole screen as it stood, kept while a window (a message box) covers part of it, and
// put back where that window stood once it is gone and the windows it uncovered have shown
// their faces. Drawing elsewhere meanwhile (the stereo pointer following the mouse) stays.
class KeptScreen {
  public:
    KeptScreen();
    ~KeptScreen();
    KeptScreen(const KeptScreen&) = delete;
    KeptScreen& operator=(const KeptScreen&) = delete;

    // Shows the uncovered faces, then draws the kept screen over the area of the top-level
    // windows that were opened and closed meanwhile (over the whole screen when none was
    // seen). Nothing is drawn when the screen could not be kept, nor once a top-level window
    // of this thread that stood before it was kept has closed (the program has ended).
    void restore();

  private:
    static constexpr int kNotedWindows = 4;

    // Notes the top-level windows this thread opens while the screen is kept, and the area
    // each covered when it closes.
    static LRESULT CALLBACK noteCoveringWindow(int code, WPARAM wParam, LPARAM lParam);
    // Notes this thread's windows on the screen when it is kept.
    static BOOL CALLBACK noteStandingWindow(HWND window, LPARAM kept);
    void noteOpened(HWND window);
    void noteClosed(HWND window);

    HDC display_;
    HDC memory_;
    HBITMAP copy_;
    HGDIOBJ original_;
    int width_;
    int height_;
    HHOOK hook_;
    KeptScreen* outer_; // a screen kept already when this one was (none in practice)
    HWND opened_[kNotedWindows];
    int openedCount_;
    RECT uncovered_;
    HWND standing_[kNotedWindows];
    int standingCount_;
    bool programWindowClosed_;
};
