// The whole screen kept while a message box stands over the slide, and given back once the
// window system has repainted the area that the closed box uncovered.
#pragma once

#include <windows.h>

#include "quiz/quiz_screen.h"

class QuizScreenSnapshot {
  public:
    // Copies the screen; without memory for it, putBack does nothing.
    explicit QuizScreenSnapshot(HDC screen);
    ~QuizScreenSnapshot();
    QuizScreenSnapshot(const QuizScreenSnapshot&) = delete;
    QuizScreenSnapshot& operator=(const QuizScreenSnapshot&) = delete;

    void putBack();

  private:
    HDC screen_;
    SaveBuffer buffer_;
    bool saved_ = false;
};
