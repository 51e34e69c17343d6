#include "install/copy_screen.h"

#include "ground/program_resources.h"
#include "ground/screen.h"
#include "install/install_rules.h"
#include "install/install_texts.h"
#include "platform/platform.h"
#include "platform/window_faces.h"

namespace {

constexpr int kCopyingTextX = 512;
constexpr int kCopyingTextBaseline = 300;

bool isUserInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) ||
           message == WM_NCMOUSEHOVER || message == WM_NCMOUSELEAVE || message == WM_MOUSEHOVER ||
           message == WM_MOUSELEAVE;
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
    showUncoveredFaces(); // the box before the copy has just closed
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
    return platform().ownedMessageBox(owner_, text, caption, type);
}

WaitCursor::WaitCursor() : kept_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}

WaitCursor::~WaitCursor() {
    SetCursor(kept_);
}
