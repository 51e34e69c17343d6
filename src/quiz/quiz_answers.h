// How a question answers clicks: a hit is "Correct!", the first four misses "Try Again.",
// the fifth "Try Later."; once "Correct!" or "Try Later." is given, clicks are not answered.
#pragma once

#include "quiz/query_file.h"

enum class QuizAnswer {
    None, // the click is not answered
    Correct,
    TryAgain,
    TryLater,
};

// The window timers that follow an answer: "Correct!" and "Try Later." close the question,
// "Try Again." shows it again.
constexpr unsigned kQuizCloseTimerId = 10;
constexpr unsigned kQuizRetryTimerId = 11;

// The misses answered with "Try Again." before the next one is answered "Try Later.".
constexpr int kQuizTriesAgain = 4;

struct QuizAnswering {
    int missCount = 0; // misses answered with "Try Again." during this question
    int answered = 0;  // 1 once "Correct!" or "Try Later." was given
};

// Answers a click at (x, y) and moves the counts on.
QuizAnswer answerQuizClick(QuizAnswering& answering, const QueryTarget& target, int x, int y);

// The text of an answer ("" for None).
const char* quizAnswerText(QuizAnswer answer);

// The timer an answer starts (0 for None).
unsigned quizAnswerTimer(QuizAnswer answer);
