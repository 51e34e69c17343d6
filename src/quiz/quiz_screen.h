// The screen work of a question: save buffers that keep what lies under the panel and
// under the quiz pointer, the panel's black face with its texts, and the quiz's own stereo
// pointer, drawn in both views without disparity.
#pragma once

#include <windows.h>

#include "quiz/quiz_layout.h"

// A memory DC holding one bitmap compatible with the screen.
struct SaveBuffer {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ original = nullptr; // what the DC held before the bitmap, put back on release
    int width = 0;
    int height = 0;
};

// False (and nothing kept) when the DC or the bitmap cannot be made.
bool createSaveBuffer(SaveBuffer& buffer, HDC screen, int width, int height);
// Tolerates a buffer never created; clears it.
void releaseSaveBuffer(SaveBuffer& buffer);
// Copies the screen area at `at` of the buffer's size into it: the part that lies on the
// 1024 x 768 screen.
bool saveScreenArea(const SaveBuffer& buffer, HDC screen, QuizPoint at);
// Copies the buffer back onto the screen at `at`, the part on the screen only.
void restoreScreenArea(const SaveBuffer& buffer, HDC screen, QuizPoint at);

// The quiz pointer: where it is drawn, and the screen under its two copies.
struct QuizPointer {
    SaveBuffer upper;
    SaveBuffer lower;
    int x = 0;
    int y = 0;
    // Whether the icon is on the screen. A flag rather than y = 0: the question lets the
    // mouse reach row 0, and a pointer drawn there must be put back like any other.
    bool shown = false;
};

constexpr int kQuizPointerSize = 32;

// Puts back the screen under a shown pointer; it is then not shown.
void hideQuizPointer(QuizPointer& pointer, HDC screen, int lowerImageTop);
// Saves the screen under both copies at (x, y) and (x, y + lowerImageTop), then draws the
// icon over what was saved.
void showQuizPointer(QuizPointer& pointer, HDC screen, int lowerImageTop, HICON icon, int x, int y);

// Fills the panel black in both views.
void fillQuizPanel(HDC screen, const QuizLayout& layout);
// Writes `text` at two positions with centre and baseline alignment.
void writeStereoText(HDC screen, const char* text, QuizPoint upper, QuizPoint lower);
