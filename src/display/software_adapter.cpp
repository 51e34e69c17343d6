#include "display/software_adapter.h"

#include "display/display_globals.h"
#include "ground/messages.h"
#include "imaging/stereo_image_pixels.h"
#include "platform/window_faces.h"

#include <span>

ViewingChoice viewingChoice;

namespace {

// A 1024 x 768 top-down 32-bit DIB section selected into a memory DC, read as words.
class PixelFrame {
  public:
    bool create() {
        if (dc_ != nullptr) {
            return true;
        }
        const BITMAPINFO info = topDownInfo(kScreenWidth, kScreenHeight);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc_ = CreateCompatibleDC(nullptr);
        if (bitmap_ == nullptr || dc_ == nullptr || bits == nullptr) {
            release();
            return false;
        }
        original_ = SelectObject(dc_, bitmap_);
        if (original_ == nullptr || original_ == HGDI_ERROR) {
            original_ = nullptr;
            release();
            return false;
        }
        pixels_ = static_cast<std::uint32_t*>(bits);
        return true;
    }
    void release() {
        if (dc_ != nullptr) {
            if (original_ != nullptr) {
                SelectObject(dc_, original_);
            }
            DeleteDC(dc_);
        }
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
        dc_ = nullptr;
        bitmap_ = nullptr;
        original_ = nullptr;
        pixels_ = nullptr;
    }
    HDC dc() const { return dc_; }
    std::span<std::uint32_t, kStereoScreenPixels> pixels() const {
        return std::span<std::uint32_t, kStereoScreenPixels>(pixels_, kStereoScreenPixels);
    }

  private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
};

struct SoftwareAdapter {
    HWND window = nullptr;
    HDC display = nullptr; // screenDC while 3D is off
    PixelFrame frame;      // what the program draws while 3D is on
    PixelFrame output;     // the frame converted for the viewer
    bool on = false;
    bool wholeFrameDue = false;   // the whole frame is to be shown (just switched on)
    bool presentTimerSet = false; // FramePresentTimer runs: the frame is shown when it fires
};

SoftwareAdapter adapter;

// The drawing state that the program sets on screenDC and expects to keep.
void copyDrawingState(HDC from, HDC to) {
    SelectObject(to, GetCurrentObject(from, OBJ_FONT));
    SelectObject(to, GetCurrentObject(from, OBJ_PEN));
    SelectObject(to, GetCurrentObject(from, OBJ_BRUSH));
    SetTextColor(to, GetTextColor(from));
    SetBkColor(to, GetBkColor(from));
    SetBkMode(to, GetBkMode(from));
    SetTextAlign(to, GetTextAlign(from));
    SetROP2(to, GetROP2(from));
    POINT position;
    if (GetCurrentPositionEx(from, &position)) {
        MoveToEx(to, position.x, position.y, nullptr);
    }
}

// The frame lets go of the program's font, pen and brush, which are deleted elsewhere.
void dropDrawingState(HDC dc) {
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
}

void fillBlack(HDC dc) {
    const RECT all = {0, 0, kScreenWidth, kScreenHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

ViewingConversion conversion() {
    return {viewingChoice.method, lowerImageTop, viewingChoice.swapEyes};
}

// Converts the output rows that show frame rows `top` to `bottom` and puts them on the
// window.
void showFrameRows(HDC windowDC, int top, int bottom) {
    const ViewingConversion how = conversion();
    const OutputRows rows = outputRowsShowing(how, top, bottom);
    if (rows.first == rows.end) {
        return;
    }
    GdiFlush(); // the frame's pixels are read directly
    convertStereoRows(how, adapter.frame.pixels(), adapter.output.pixels(), rows.first, rows.end);
    BitBlt(windowDC, 0, rows.first, kScreenWidth, rows.end - rows.first, adapter.output.dc(), 0,
           rows.first, SRCCOPY);
}

// The frame rows drawn on since the last look (the DC's accumulated bounds), emptied.
bool takeDrawnRows(int& top, int& bottom) {
    RECT drawn;
    const UINT state = GetBoundsRect(adapter.frame.dc(), &drawn, DCB_RESET);
    SetBoundsRect(adapter.frame.dc(), nullptr, DCB_ENABLE);
    if (adapter.wholeFrameDue) {
        adapter.wholeFrameDue = false;
        top = 0;
        bottom = kScreenHeight;
        return true;
    }
    if ((state & DCB_SET) == 0 || IsRectEmpty(&drawn)) {
        return false;
    }
    top = drawn.top;
    bottom = drawn.bottom;
    return true;
}

void switchOn() {
    if (!adapter.on) {
        if (!adapter.frame.create() || !adapter.output.create()) {
            adapter.frame.release();
            adapter.output.release();
            return; // drawn on the display, as with the adapter
        }
        copyDrawingState(screenDC, adapter.frame.dc());
        adapter.display = screenDC;
        screenDC = adapter.frame.dc();
        adapter.on = true;
    }
    fillBlack(adapter.frame.dc());
    SetBoundsRect(adapter.frame.dc(), nullptr, DCB_ENABLE | DCB_RESET);
    adapter.wholeFrameDue = true;
}

void switchOff() {
    if (adapter.on) {
        copyDrawingState(adapter.frame.dc(), adapter.display);
        dropDrawingState(adapter.frame.dc());
        screenDC = adapter.display;
        adapter.display = nullptr;
        adapter.on = false;
        adapter.wholeFrameDue = false;
        // The window's face held the converted frame: black again, as the display.
        if (adapter.window != nullptr) {
            if (const HDC windowDC = GetDC(adapter.window)) {
                fillBlack(windowDC);
                ReleaseDC(adapter.window, windowDC);
            }
        }
    }
    fillBlack(screenDC);
}

} // namespace

bool softwareViewing() {
    return viewingChoice.method != ViewingMethod::Adapter;
}

void setViewingWindow(HWND window) {
    adapter.window = window;
    setFramePresenter(presentStereoFrame);
}

void switchSoftwareAdapter(bool on) {
    if (on) {
        switchOn();
    } else {
        switchOff();
    }
}

bool softwareStereoOn() {
    return adapter.on;
}

void presentStereoFrame() {
    if (!adapter.on || adapter.window == nullptr) {
        return;
    }
    int top = 0;
    int bottom = 0;
    if (!takeDrawnRows(top, bottom)) {
        return;
    }
    const HDC windowDC = GetDC(adapter.window);
    if (windowDC == nullptr) {
        adapter.wholeFrameDue = true; // shown at the next chance
        return;
    }
    showFrameRows(windowDC, top, bottom);
    ReleaseDC(adapter.window, windowDC);
}

void presentStereoFrameWhenIdle() {
    if (!adapter.on) {
        return;
    }
    if (HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE | QS_TIMER)) == 0) {
        presentStereoFrame();
    } else if (!adapter.presentTimerSet && adapter.window != nullptr) {
        // Set once, not renewed by each busy message, so that a steady stream of them
        // cannot keep putting the frame off.
        adapter.presentTimerSet =
            SetTimer(adapter.window, FramePresentTimer, USER_TIMER_MINIMUM, nullptr) != 0;
        if (!adapter.presentTimerSet) {
            presentStereoFrame(); // no timer to come back with: shown now
        }
    }
}

bool presentOnFrameTimer(HWND window, WPARAM timer) {
    if (timer != FramePresentTimer) {
        return false;
    }
    KillTimer(window, FramePresentTimer);
    adapter.presentTimerSet = false;
    presentStereoFrame();
    return true;
}

bool paintStereoFrame(HWND window) {
    if (!adapter.on) {
        return false;
    }
    PAINTSTRUCT paint;
    const HDC windowDC = BeginPaint(window, &paint);
    if (windowDC != nullptr) {
        showFrameRows(windowDC, 0, kScreenHeight);
        EndPaint(window, &paint);
    }
    return true;
}

void releaseStereoFrame() {
    if (adapter.on) {
        dropDrawingState(adapter.frame.dc());
        screenDC = adapter.display;
        adapter.on = false;
    }
    adapter.frame.release();
    adapter.output.release();
}
