// The question a "Query" element asks: a black panel with three prompt lines in both views,
// the quiz's own pointer, and "Correct!", "Try Again." or "Try Later." for each click.
#pragma once

#include <windows.h>

// Receives every message of the main window in QueryState. Results: QuizRepost (post
// WM_PROCEED, wParam 1, to reach the next step), QuizNotHandled (the message goes to the
// default procedure) and QuizOver (the question is over and the screen as before it).
// A question whose query file is missing or unreadable is left out at once with QuizOver,
// the screen and the drawing state as they were.
int QuizProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* queryName,
             HBITMAP picture, HDC dc, int slide);

// For a close request during a question: stops its timers, puts the drawing state back,
// releases its buffers and pen and frees the mouse. Nothing when no question is open.
void EndQuestionForClose(HWND window);

// The quiz step: 0 open, 1 show, 2 await a click, 100 close.
int quizStep();
