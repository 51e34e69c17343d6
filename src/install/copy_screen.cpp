#include "install/copy_screen.h"

#include "app/program_resources.h"
#include "display/display_globals.h"
#include "install/install_rules.h"
#include "install/install_texts.h"
#include "platform/platform.h"

namespace {

constexpr int kCopyingTextX = 512;
constexpr int kCopyingTextBaseline = 300;
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
// Long enough for the window system to repaint what a closed message box uncovered (Wine
// copies window surfaces to the screen at most every 50 ms) before it is put back.
constexpr DWORD kSettleMilliseconds = 80;

bool isUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) ||
           message == WM_NCMOUSEHOVER || message == WM_NCMOUSELEAVE || message == WM_MOUSEHOVER ||
           message == WM_MOUSELEAVE;
}

// A copy of the whole screen, put back by restore().
class ScreenCopy {
  public:
    ScreenCopy() {
        if (screenDC == nullptr) {
            return;
        }
        memory_ = CreateCompatibleDC(screenDC);
        bitmap_ = CreateCompatibleBitmap(screenDC, kScreenWidth, kScreenHeight);
        if (memory_ == nullptr || bitmap_ == nullptr) {
            return;
        }
        original_ = SelectObject(memory_, bitmap_);
        taken_ = BitBlt(memory_, 0, 0, kScreenWidth, kScreenHeight, screenDC, 0, 0, SRCCOPY);
    }
    ~ScreenCopy() {
        if (original_ != nullptr) {
            SelectObject(memory_, original_);
        }
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
        if (memory_ != nullptr) {
            DeleteDC(memory_);
        }
    }
    ScreenCopy(const ScreenCopy&) = delete;
    ScreenCopy& operator=(const ScreenCopy&) = delete;

    void restore() const {
        if (taken_) {
            BitBlt(screenDC, 0, 0, kScreenWidth, kScreenHeight, memory_, 0, 0, SRCCOPY);
        }
    }

  private:
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    BOOL taken_ = FALSE;
};

// Lets the repaint of the area a closed message box uncovered happen before the screen is
// put back, so that the repaint cannot wipe it again.
void settleUncoveredArea(HWND owner) {
    if (screenDC != nullptr) {
        GdiFlush();
        GetPixel(screenDC, 0, 0); // waits until the display has taken the box's removal
    }
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kSettleMilliseconds) {
        answerMessagesWithoutInput();
        if (owner != nullptr) {
            UpdateWindow(owner);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

} // namespace

void answerMessagesWithoutInput() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (!isUserInput(message.message)) {
            DispatchMessageA(&message);
        }
    }
}

CopyScreen::CopyScreen(HWND owner) : owner_(owner) {
    settleUncoveredArea(owner_); // the box before the copy has just closed
    if (screenDC == nullptr) {
        return;
    }
    const HGDIOBJ keptFont = SelectObject(screenDC, programResources.titleFont);
    const UINT keptAlignment = SetTextAlign(screenDC, TA_CENTER | TA_BASELINE);
    TextOutA(screenDC, kCopyingTextX, kCopyingTextBaseline, kCopyingText, lstrlenA(kCopyingText));
    SetTextAlign(screenDC, keptAlignment);
    if (keptFont != nullptr) {
        SelectObject(screenDC, keptFont);
    }
}

void CopyScreen::beginVolume(std::size_t totalFiles) {
    totalFiles_ = totalFiles;
    lastDrawing_ = platform().milliseconds();
    drawBar(0);
}

void CopyScreen::progress(std::size_t filesDone) {
    answerMessagesWithoutInput();
    const std::uint32_t now = platform().milliseconds();
    if (now - lastDrawing_ >= kProgressRedrawMilliseconds) {
        lastDrawing_ = now;
        drawBar(filesDone);
    }
}

void CopyScreen::drawBar(std::size_t filesDone) {
    if (screenDC == nullptr) {
        return;
    }
    const RECT& bar = kProgressBarRect;
    // White on the black screen whatever colours screenDC holds.
    const HBRUSH frame = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    const RECT inside = {bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1};
    const int filled =
        progressFillWidth(filesDone, totalFiles_, static_cast<int>(inside.right - inside.left));
    const RECT done = {inside.left, inside.top, inside.left + filled, inside.bottom};
    const RECT rest = {done.right, inside.top, inside.right, inside.bottom};
    FrameRect(screenDC, &bar, frame);
    FillRect(screenDC, &done, frame);
    FillRect(screenDC, &rest, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    GdiFlush();
}

int CopyScreen::ask(const char* text, const char* caption, unsigned type) {
    const ScreenCopy kept;
    const int answer = platform().ownedMessageBox(owner_, text, caption, type);
    settleUncoveredArea(owner_);
    kept.restore();
    return answer;
}

WaitCursor::WaitCursor() : kept_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}

WaitCursor::~WaitCursor() {
    SetCursor(kept_);
}
