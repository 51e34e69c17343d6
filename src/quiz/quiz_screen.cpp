#include "quiz/quiz_screen.h"

#include <cstring>

#include "ground/screen_geometry.h"

bool createSaveBuffer(SaveBuffer& buffer, HDC screen, int width, int height) {
    releaseSaveBuffer(buffer);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = dc != nullptr ? CreateCompatibleBitmap(screen, width, height) : nullptr;
    HGDIOBJ original = bitmap != nullptr ? SelectObject(dc, bitmap) : nullptr;
    if (original == nullptr || original == HGDI_ERROR) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
        if (dc != nullptr) {
            DeleteDC(dc);
        }
        return false;
    }
    buffer = {dc, bitmap, original, width, height};
    return true;
}

void releaseSaveBuffer(SaveBuffer& buffer) {
    if (buffer.dc != nullptr) {
        SelectObject(buffer.dc, buffer.original);
        DeleteDC(buffer.dc);
    }
    if (buffer.bitmap != nullptr) {
        DeleteObject(buffer.bitmap);
    }
    buffer = {};
}

namespace {

QuizScreenPart screenPart(const SaveBuffer& buffer, QuizPoint at) {
    return quizScreenPart(at, buffer.width, buffer.height, kScreenWidth, kScreenHeight);
}

} // namespace

bool saveScreenArea(const SaveBuffer& buffer, HDC screen, QuizPoint at) {
    const QuizScreenPart part = screenPart(buffer, at);
    if (part.width == 0) {
        return true; // nothing of it is on the screen
    }
    return BitBlt(buffer.dc, part.inArea.x, part.inArea.y, part.width, part.height, screen,
                  part.onScreen.x, part.onScreen.y, SRCCOPY) != FALSE;
}

void restoreScreenArea(const SaveBuffer& buffer, HDC screen, QuizPoint at) {
    const QuizScreenPart part = screenPart(buffer, at);
    if (part.width == 0) {
        return;
    }
    BitBlt(screen, part.onScreen.x, part.onScreen.y, part.width, part.height, buffer.dc,
           part.inArea.x, part.inArea.y, SRCCOPY);
}

void hideQuizPointer(QuizPointer& pointer, HDC screen, int lowerImageTop) {
    if (!pointer.shown) {
        return;
    }
    restoreScreenArea(pointer.upper, screen, {pointer.x, pointer.y});
    restoreScreenArea(pointer.lower, screen, {pointer.x, pointer.y + lowerImageTop});
    pointer.shown = false;
}

void showQuizPointer(QuizPointer& pointer, HDC screen, int lowerImageTop, HICON icon, int x,
                     int y) {
    hideQuizPointer(pointer, screen, lowerImageTop);
    pointer.x = x;
    pointer.y = y;
    const QuizPoint upper = {x, y};
    const QuizPoint lower = {x, y + lowerImageTop};
    // The icon goes only where the screen under it was saved, so that hiding it never
    // leaves one behind.
    if (!saveScreenArea(pointer.upper, screen, upper) ||
        !saveScreenArea(pointer.lower, screen, lower)) {
        return;
    }
    DrawIcon(screen, upper.x, upper.y, icon);
    DrawIcon(screen, lower.x, lower.y, icon);
    pointer.shown = true;
}

void fillQuizPanel(HDC screen, const QuizLayout& layout) {
    const int width = static_cast<int>(layout.width);
    const int height = static_cast<int>(layout.height);
    PatBlt(screen, layout.upperPanel.x, layout.upperPanel.y, width, height, BLACKNESS);
    PatBlt(screen, layout.lowerPanel.x, layout.lowerPanel.y, width, height, BLACKNESS);
}

void writeStereoText(HDC screen, const char* text, QuizPoint upper, QuizPoint lower) {
    const int length = static_cast<int>(std::strlen(text));
    SetTextAlign(screen, TA_CENTER | TA_BASELINE);
    TextOutA(screen, upper.x, upper.y, text, length);
    TextOutA(screen, lower.x, lower.y, text, length);
}
