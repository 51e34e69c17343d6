#include "quiz/quiz_answers.h"

#include "quiz/quiz_layout.h"

QuizAnswer answerQuizClick(QuizAnswering& answering, const QueryTarget& target, int x, int y) {
    if (answering.answered != 0) {
        return QuizAnswer::None;
    }
    if (quizTargetHit(target, x, y)) {
        answering.answered = 1;
        return QuizAnswer::Correct;
    }
    if (answering.missCount < kQuizTriesAgain) {
        ++answering.missCount;
        return QuizAnswer::TryAgain;
    }
    answering.answered = 1;
    return QuizAnswer::TryLater;
}

const char* quizAnswerText(QuizAnswer answer) {
    switch (answer) {
    case QuizAnswer::Correct:
        return "Correct!";
    case QuizAnswer::TryAgain:
        return "Try Again.";
    case QuizAnswer::TryLater:
        return "Try Later.";
    case QuizAnswer::None:
        break;
    }
    return "";
}

unsigned quizAnswerTimer(QuizAnswer answer) {
    switch (answer) {
    case QuizAnswer::Correct:
    case QuizAnswer::TryLater:
        return kQuizCloseTimerId;
    case QuizAnswer::TryAgain:
        return kQuizRetryTimerId;
    case QuizAnswer::None:
        break;
    }
    return 0;
}
