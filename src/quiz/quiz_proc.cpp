#include "quiz/quiz_proc.h"

#include <string>

#include "ground/messages.h"
#include "ground/program_resources.h"
#include "content/content_files.h"
#include "ground/content_globals.h"
#include "content/content_paths.h"
#include "ground/screen.h"
#include "platform/platform.h"
#include "quiz/query_file.h"
#include "quiz/quiz_answers.h"
#include "quiz/quiz_layout.h"
#include "quiz/quiz_screen.h"

namespace {

enum QuizStep : int {
    OpenStep = 0,
    ShowStep = 1,
    AwaitClickStep = 2,
    CloseStep = 100,
};

constexpr UINT kAnswerMilliseconds = 2000;
static_assert(kQuizCloseTimerId == QuizCloseTimer && kQuizRetryTimerId == QuizRetryTimer);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct QuizSession {
    int step = OpenStep;
    QuizAnswering answering;
    QueryFile query;
    QuizLayout layout;
    SaveBuffer panelUpper;
    SaveBuffer panelLower;
    QuizPointer pointer;
    HPEN whitePen = nullptr;
    // What screenDC held before the question; valid while drawingStateSaved.
    bool drawingStateSaved = false;
    COLORREF savedTextColour = 0;
    HGDIOBJ savedPen = nullptr;
    HGDIOBJ savedFont = nullptr;
};

QuizSession session;

void saveDrawingState(HDC dc) {
    session.savedTextColour = SetTextColor(dc, kWhite);
    session.savedPen = SelectObject(dc, session.whitePen);
    session.savedFont = SelectObject(dc, programResources.textFont);
    session.drawingStateSaved = true;
}

// Puts back the drawing state and releases everything the question made. Safe to call
// more than once.
void releaseQuestion(HDC dc) {
    if (session.drawingStateSaved) {
        SetTextColor(dc, session.savedTextColour);
        if (session.savedFont != nullptr && session.savedFont != HGDI_ERROR) {
            SelectObject(dc, session.savedFont);
        }
        if (session.savedPen != nullptr && session.savedPen != HGDI_ERROR) {
            SelectObject(dc, session.savedPen);
        }
        session.drawingStateSaved = false;
    }
    releaseSaveBuffer(session.panelUpper);
    releaseSaveBuffer(session.panelLower);
    releaseSaveBuffer(session.pointer.upper);
    releaseSaveBuffer(session.pointer.lower);
    session.pointer.shown = false;
    if (session.whitePen != nullptr) {
        DeleteObject(session.whitePen);
        session.whitePen = nullptr;
    }
    platform().clipCursor(nullptr);
    session.step = OpenStep;
}

// A question that cannot be shown ends at once; nothing of it stays on the screen.
int abandonQuestion(HDC dc) {
    releaseQuestion(dc);
    return QuizOver;
}

std::string queryFilePath(const char* queryName, int slide) {
    return slideDirectoryPath(courseRoot, seriesName, slide) + queryName + ".qer";
}

// Shows the "Query File Error" message with the word read; the seam's message box gives
// the screen under it back what it showed.
void reportWrongKeyword(const std::string& word) {
    ShowCursor(TRUE); // the presentation hides the cursor; the box needs a click
    platform().messageBox(word.c_str(), "Query File Error", MB_OK);
    ShowCursor(FALSE);
}

bool createBuffers(HDC dc) {
    const int width = static_cast<int>(session.layout.width);
    const int height = static_cast<int>(session.layout.height);
    return createSaveBuffer(session.pointer.upper, dc, kQuizPointerSize, kQuizPointerSize) &&
           createSaveBuffer(session.pointer.lower, dc, kQuizPointerSize, kQuizPointerSize) &&
           createSaveBuffer(session.panelUpper, dc, width, height) &&
           createSaveBuffer(session.panelLower, dc, width, height);
}

int openQuestion(const char* queryName, HDC dc, int slide) {
    // A question is open already (its "Query File Error" box is up and its modal loop has
    // passed on another WM_PROCEED): a second one would lose the first one's pen and saved
    // drawing state.
    if (session.whitePen != nullptr || session.drawingStateSaved) {
        return QuizNotHandled;
    }
    session.answering.missCount = 0;
    session.whitePen = CreatePen(PS_SOLID, 1, kWhite);
    if (session.whitePen == nullptr) {
        return abandonQuestion(dc);
    }
    saveDrawingState(dc);

    // A missing query file, like every missing content file, is not reported.
    const auto bytes = readContentFile(queryFilePath(queryName != nullptr ? queryName : "", slide));
    if (!bytes) {
        return abandonQuestion(dc);
    }
    const QueryFileReading reading = readQueryFile(*bytes);
    if (reading.status == QueryFileStatus::NotLocate) {
        reportWrongKeyword(reading.firstWord);
    }
    if (reading.status != QueryFileStatus::Read) {
        return abandonQuestion(dc);
    }
    session.query = reading.query;
    session.layout = quizLayout(session.query.panel, lowerImageTop);
    if (!quizPanelSizeUsable(session.layout, kScreenWidth, kScreenHeight) || !createBuffers(dc)) {
        return abandonQuestion(dc);
    }
    const RECT clip = {kQuizMouseClip[0], kQuizMouseClip[1], kQuizMouseClip[2], kQuizMouseClip[3]};
    platform().clipCursor(&clip);
    if (!saveScreenArea(session.panelUpper, dc, session.layout.upperPanel) ||
        !saveScreenArea(session.panelLower, dc, session.layout.lowerPanel)) {
        return abandonQuestion(dc);
    }
    session.step = ShowStep;
    session.answering.answered = 0;
    return QuizRepost;
}

// Fills the panel black in both views and writes `count` texts on it in `font`, with the
// pointer lifted meanwhile, so that its save buffers always hold what lies under it.
void drawPanel(HDC dc, HFONT font, const char* const* texts, const QuizPoint* upper,
               const QuizPoint* lower, int count) {
    const bool pointerWasShown = session.pointer.shown;
    hideQuizPointer(session.pointer, dc, lowerImageTop);
    fillQuizPanel(dc, session.layout);
    SelectObject(dc, font);
    for (int i = 0; i < count; ++i) {
        writeStereoText(dc, texts[i], upper[i], lower[i]);
    }
    if (pointerWasShown) {
        showQuizPointer(session.pointer, dc, lowerImageTop, programResources.pointerIcon,
                        session.pointer.x, session.pointer.y);
    }
}

int showQuestion(HDC dc) {
    const char* prompts[kQueryPromptCount];
    for (int i = 0; i < kQueryPromptCount; ++i) {
        prompts[i] = session.query.prompts[i].c_str();
    }
    drawPanel(dc, programResources.textFont, prompts, session.layout.upperPrompts,
              session.layout.lowerPrompts, kQueryPromptCount);
    session.step = AwaitClickStep;
    return QuizNotHandled;
}

// Starts an answer's timer. Should the system refuse it, the timer's message is posted
// at once, so that the question never waits for a timer that does not run.
void startAnswerTimer(HWND window, UINT_PTR timer) {
    if (SetTimer(window, timer, kAnswerMilliseconds, nullptr) == 0) {
        PostMessageA(window, WM_TIMER, timer, 0);
    }
}

void answerClick(HWND window, HDC dc, LPARAM position) {
    const QuizAnswer answer =
        answerQuizClick(session.answering, session.query.target, static_cast<int>(LOWORD(position)),
                        static_cast<int>(HIWORD(position)));
    if (answer == QuizAnswer::None) {
        return; // "Correct!" or "Try Later." was given: clicks are no longer answered
    }
    startAnswerTimer(window, quizAnswerTimer(answer));
    const char* text = quizAnswerText(answer);
    drawPanel(dc, programResources.titleFont, &text, &session.layout.upperAnswer,
              &session.layout.lowerAnswer, 1);
}

int awaitClick(HWND window, UINT message, WPARAM wParam, LPARAM lParam, HDC dc) {
    switch (message) {
    case WM_MOUSEMOVE:
        showQuizPointer(session.pointer, dc, lowerImageTop, programResources.pointerIcon,
                        static_cast<int>(LOWORD(lParam)), static_cast<int>(HIWORD(lParam)));
        return QuizNotHandled;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        answerClick(window, dc, lParam);
        return QuizNotHandled;
    case WM_TIMER:
        if (wParam == QuizCloseTimer) {
            KillTimer(window, QuizCloseTimer);
            session.step = CloseStep;
            return QuizRepost;
        }
        if (wParam == QuizRetryTimer) {
            KillTimer(window, QuizRetryTimer);
            session.step = ShowStep;
            return QuizRepost;
        }
        return QuizNotHandled;
    default:
        return QuizNotHandled;
    }
}

int closeQuestion(HWND window, HDC dc) {
    KillTimer(window, QuizCloseTimer);
    KillTimer(window, QuizRetryTimer);
    hideQuizPointer(session.pointer, dc, lowerImageTop);
    restoreScreenArea(session.panelUpper, dc, session.layout.upperPanel);
    restoreScreenArea(session.panelLower, dc, session.layout.lowerPanel);
    releaseQuestion(dc);
    return QuizOver;
}

} // namespace

int QuizProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* queryName,
             HBITMAP, HDC dc, int slide) {
    if (session.step == AwaitClickStep) {
        return awaitClick(window, message, wParam, lParam, dc);
    }
    if (message != WM_PROCEED) {
        return QuizNotHandled;
    }
    switch (session.step) {
    case OpenStep:
        return openQuestion(queryName, dc, slide);
    case ShowStep:
        return showQuestion(dc);
    case CloseStep:
        return closeQuestion(window, dc);
    default:
        return QuizNotHandled;
    }
}

void EndQuestionForClose(HWND window) {
    KillTimer(window, QuizCloseTimer);
    KillTimer(window, QuizRetryTimer);
    if (session.step != OpenStep || session.drawingStateSaved) {
        releaseQuestion(screenDC);
    }
}

int quizStep() {
    return session.step;
}
