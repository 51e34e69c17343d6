// Where a question's panel, prompts, answers and the quiz pointer's copies lie on the stereo
// screen, and whether a click answers it. Every coordinate is computed without overflow
// and saturated to the int range, whatever numbers the query file holds.
#pragma once

#include <cstdint>

#include "quiz/query_file.h"

struct QuizPoint {
    int x;
    int y;
};

struct QuizLayout {
    QuizPoint upperPanel; // top-left corner in the upper view
    QuizPoint lowerPanel; // x - depth, y + lowerImageTop
    std::int64_t width;   // right - left + 1
    std::int64_t height;  // bottom - top + 1
    QuizPoint centre;     // halves truncated toward zero
    // Text positions (centre and baseline alignment), upper then lower view.
    QuizPoint upperPrompts[kQueryPromptCount];
    QuizPoint lowerPrompts[kQueryPromptCount];
    QuizPoint upperAnswer;
    QuizPoint lowerAnswer;
};

// The baselines of the prompt lines lie this far below the panel's top.
constexpr int kPromptBaselines[kQueryPromptCount] = {20, 30, 40};

QuizLayout quizLayout(const QueryPanel& panel, int lowerImageTop);

// Whether the panel can be saved and put back: at least one pixel, at most the screen.
bool quizPanelSizeUsable(const QuizLayout& layout, int screenWidth, int screenHeight);

// A click at (x, y) hits when it lies strictly inside the answer region.
bool quizTargetHit(const QueryTarget& target, int x, int y);

// The confinement of the mouse while a question is open (left, top, right, bottom).
constexpr int kQuizMouseClip[4] = {0, 0, 1023, 350};

// The part of a width x height area at `at` that lies on a screen of the given size, as
// an offset into the area and a place on the screen; empty (width or height 0) when none
// does. Reading the screen outside its bounds gives no picture to put back, so the save
// buffers copy only this part.
struct QuizScreenPart {
    QuizPoint inArea;
    QuizPoint onScreen;
    int width;
    int height;
};

QuizScreenPart quizScreenPart(QuizPoint at, int width, int height, int screenWidth,
                              int screenHeight);
