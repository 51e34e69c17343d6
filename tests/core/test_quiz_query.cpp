#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "quiz/query_file.h"
#include "quiz/quiz_answers.h"
#include "quiz/quiz_layout.h"

using namespace std::string_literals;

namespace {

const std::string kExample = "Locate 100 50 400 120 6\r\n"
                             "Where is the\r\n"
                             "answer\r\n"
                             "region?\r\n"
                             "200 150 260 190\r\n";

} // namespace

TEST(QueryFile, ReadsTheFiveLinesOfAWellFormedFile) {
    for (const std::string& bytes :
         {kExample, std::string("Locate 100  50 400 120 6 trailing\nWhere is the\nanswer\n"
                                "region?\n200 150 260 190\nanything after line five")}) {
        const QueryFileReading r = readQueryFile(bytes);
        ASSERT_EQ(r.status, QueryFileStatus::Read) << bytes;
        const QueryPanel& p = r.query.panel;
        EXPECT_EQ((std::vector<int>{p.left, p.top, p.right, p.bottom, p.depth}),
                  (std::vector<int>{100, 50, 400, 120, 6}));
        EXPECT_EQ(r.query.prompts[0], "Where is the");
        EXPECT_EQ(r.query.prompts[1], "answer");
        EXPECT_EQ(r.query.prompts[2], "region?");
        const QueryTarget& t = r.query.target;
        EXPECT_EQ((std::vector<int>{t.left, t.top, t.right, t.bottom}),
                  (std::vector<int>{200, 150, 260, 190}));
    }
}

TEST(QueryFile, NumbersAreLenientAndTheLastLineMayLackItsLineFeed) {
    const QueryFileReading r =
        readQueryFile("Locate +7 -3x 1e5 abc 08\nA\nB\rignored\nC\n-1 2 3 4");
    ASSERT_EQ(r.status, QueryFileStatus::Read);
    EXPECT_EQ(r.query.panel.left, 7);
    EXPECT_EQ(r.query.panel.top, -3);
    EXPECT_EQ(r.query.panel.right, 1);
    EXPECT_EQ(r.query.panel.bottom, 0);
    EXPECT_EQ(r.query.panel.depth, 8);
    EXPECT_EQ(r.query.prompts[1], "B");
    EXPECT_EQ(r.query.target.left, -1);
    EXPECT_EQ(r.query.target.bottom, 4);
}

TEST(QueryFile, TheKeywordIsComparedExactly) {
    for (const char* first : {"locate", "LOCATE", "Locate:", "Locates", "Find"}) {
        const QueryFileReading r =
            readQueryFile(std::string(first) + " 1 2 3 4 5\r\nA\r\nB\r\nC\r\n1 2 3 4\r\n");
        EXPECT_EQ(r.status, QueryFileStatus::NotLocate) << first;
        EXPECT_EQ(r.firstWord, first);
    }
    // Only line 1 decides: a wrong keyword is reported even when the rest is missing.
    EXPECT_EQ(readQueryFile("Query\n").status, QueryFileStatus::NotLocate);
}

TEST(QueryFile, AFileBreakingTheFormatIsMalformed) {
    const std::string longLine(99, 'x'); // with its line feed, 100 bytes: still allowed
    ASSERT_EQ(readQueryFile("Locate 1 2 3 4 5\n" + longLine + "\nB\nC\n1 2 3 4\n").status,
              QueryFileStatus::Read);
    const std::string cases[] = {
        "",
        "\n\n\n",
        "Locate 1 2 3 4 5\nA\nB\nC\n",                          // four lines
        "Locate 1 2 3 4\nA\nB\nC\n1 2 3 4\n",                   // four panel numbers
        "Locate 1 2 3 4 \r\nA\nB\nC\n1 2 3 4\n",                // the fifth is only a line end
        "Locate 1 2 3 4 5\nA\nB\nC\n1 2 3\n",                   // three target numbers
        "Locate 1 2 3 4 5\nA\n\nC\nD\n1 2 3 4\n",               // an empty line
        "Locate 1 2 3 4 5\nA\r\n\r\nC\n1 2 3 4\n",              // an empty prompt
        "Locate 1 2 3 4 5\nA\nB\n\0C\n1 2 3 4\n"s,              // a prompt ending at once
        "\nLocate 1 2 3 4 5\nA\nB\nC\n1 2 3 4\n",               // an empty line first
        "Locate 1 2 3 4 5\nA\n" + longLine + "x\nC\n1 2 3 4\n", // 101 bytes
    };
    for (const std::string& bytes : cases) {
        EXPECT_EQ(readQueryFile(bytes).status, QueryFileStatus::Malformed) << bytes;
    }
}

TEST(QueryFile, TheLineRuleSkipsLeadingLineFeedsAndMovesByTheLinesLength) {
    struct Case {
        std::string bytes;
        std::size_t position;
        std::string text;
        std::size_t next;
        bool skipped;
        bool ended;
    };
    const Case cases[] = {
        {"ab\ncd\n", 0, "ab", 3, false, true},
        {"ab\ncd\n", 3, "cd", 6, false, true},
        // Skipped line feeds are not counted: the next read starts inside the line.
        {"\n\nab\ncd\n", 0, "ab", 3, true, true},
        {"abc", 0, "abc", 3, false, true},
        {std::string(150, 'y'), 0, std::string(100, 'y'), 101, false, false},
    };
    for (const Case& c : cases) {
        const QueryLine line = readQueryLine(c.bytes, c.position);
        EXPECT_TRUE(line.present);
        EXPECT_EQ(line.text, c.text);
        EXPECT_EQ(line.next, c.next);
        EXPECT_EQ(line.skippedLineFeed, c.skipped);
        EXPECT_EQ(line.ended, c.ended);
    }
    EXPECT_FALSE(readQueryLine("ab\n", 3).present);
    EXPECT_FALSE(readQueryLine("ab\n", 99).present);
}

TEST(QuizLayout, PanelPromptsAndAnswerOfTheExample) {
    const QuizLayout l = quizLayout({100, 50, 400, 120, 6}, 404);
    EXPECT_EQ(l.width, 301);
    EXPECT_EQ(l.height, 71);
    EXPECT_EQ(l.upperPanel.x, 100);
    EXPECT_EQ(l.upperPanel.y, 50);
    EXPECT_EQ(l.lowerPanel.x, 94);
    EXPECT_EQ(l.lowerPanel.y, 454);
    EXPECT_EQ(l.upperPrompts[0].y, 70);
    EXPECT_EQ(l.upperPrompts[1].y, 80);
    EXPECT_EQ(l.upperPrompts[2].y, 90);
    EXPECT_EQ(l.upperPrompts[0].x, 250);
    EXPECT_EQ(l.lowerPrompts[2].x, 244);
    EXPECT_EQ(l.lowerPrompts[2].y, 494);
    EXPECT_EQ(l.upperAnswer.x, 250);
    EXPECT_EQ(l.upperAnswer.y, 85);
    EXPECT_EQ(l.lowerAnswer.x, 244);
    EXPECT_EQ(l.lowerAnswer.y, 489);
    EXPECT_TRUE(quizPanelSizeUsable(l, 1024, 768));
}

TEST(QuizLayout, TheCentreTruncatesTowardZeroAndNothingOverflows) {
    EXPECT_EQ(quizLayout({-7, -7, 0, 0, 0}, 404).centre.x, -3);
    EXPECT_EQ(quizLayout({-7, -7, 0, 0, 0}, 404).centre.y, -3);
    EXPECT_EQ(quizLayout({1, 2, 2, 3, 0}, 404).centre.x, 1);
    const QuizLayout huge = quizLayout({-2147483647 - 1, 0, 2147483647, 10, -2147483647 - 1}, 404);
    EXPECT_EQ(huge.width, 4294967296);
    EXPECT_EQ(huge.centre.x, 0);
    EXPECT_EQ(huge.lowerPanel.x, 0); // saturated: -2^31 + 2^31
    EXPECT_EQ(huge.lowerAnswer.x, 2147483647);
    EXPECT_FALSE(quizPanelSizeUsable(huge, 1024, 768));
    EXPECT_FALSE(quizPanelSizeUsable(quizLayout({10, 10, 9, 20, 0}, 404), 1024, 768));
    EXPECT_FALSE(quizPanelSizeUsable(quizLayout({0, 0, 1024, 20, 0}, 404), 1024, 768));
}

TEST(QuizLayout, TheHitTestIsStrictOnAllFourSides) {
    const QueryTarget target = {200, 150, 260, 190};
    struct Case {
        int x;
        int y;
        bool hit;
    };
    const Case cases[] = {{201, 151, true},  {259, 189, true},  {230, 170, true},
                          {200, 170, false}, {230, 190, false}, {260, 170, false},
                          {230, 150, false}, {199, 170, false}, {261, 191, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(quizTargetHit(target, c.x, c.y), c.hit) << c.x << "," << c.y;
    }
}

TEST(QuizAnswers, ClickWalksGetTheirAnswersAndTimers) {
    const QueryTarget target = {200, 150, 260, 190};
    constexpr QuizAnswer N = QuizAnswer::None, C = QuizAnswer::Correct, A = QuizAnswer::TryAgain,
                         L = QuizAnswer::TryLater;
    struct Walk {
        const char* name;
        std::vector<std::pair<int, int>> clicks;
        std::vector<QuizAnswer> answers;
    };
    const Walk walks[] = {
        {"a hit", {{201, 151}}, {C}},
        {"misses, then a hit", {{200, 170}, {230, 190}, {259, 189}}, {A, A, C}},
        {"after a hit nothing", {{230, 170}, {0, 0}, {230, 170}}, {C, N, N}},
        {"five misses, then nothing",
         {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {230, 170}},
         {A, A, A, A, L, N}},
        {"four misses, then a hit", {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {230, 170}}, {A, A, A, A, C}},
    };
    for (const Walk& walk : walks) {
        QuizAnswering answering;
        std::vector<QuizAnswer> answers;
        for (const auto& [x, y] : walk.clicks) {
            answers.push_back(answerQuizClick(answering, target, x, y));
        }
        EXPECT_EQ(answers, walk.answers) << walk.name;
    }
    EXPECT_STREQ(quizAnswerText(C), "Correct!");
    EXPECT_STREQ(quizAnswerText(A), "Try Again.");
    EXPECT_STREQ(quizAnswerText(L), "Try Later.");
    EXPECT_EQ(quizAnswerTimer(C), 10u);
    EXPECT_EQ(quizAnswerTimer(L), 10u);
    EXPECT_EQ(quizAnswerTimer(A), 11u);
    EXPECT_EQ(quizAnswerTimer(N), 0u);
}

TEST(QuizLayout, OnlyThePartOnTheScreenIsSavedAndPutBack) {
    struct Case {
        QuizPoint at;
        int inX, inY, onX, onY, width, height;
    };
    const Case cases[] = {
        {{100, 200}, 0, 0, 100, 200, 32, 32}, // all on the screen
        {{320, 753}, 0, 0, 320, 753, 32, 15}, // a lower pointer copy below the last row
        {{-5, 10}, 5, 0, 0, 10, 27, 32},      // a lower panel left of the screen
        {{1000, -2}, 0, 2, 1000, 0, 24, 30},  // right and top edges
        {{1024, 100}, 0, 0, 0, 0, 0, 0},      // nothing on the screen
        {{-2147483647 - 1, 0}, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const QuizScreenPart part = quizScreenPart(c.at, 32, 32, 1024, 768);
        EXPECT_EQ((std::vector<int>{part.inArea.x, part.inArea.y, part.onScreen.x, part.onScreen.y,
                                    part.width, part.height}),
                  (std::vector<int>{c.inX, c.inY, c.onX, c.onY, c.width, c.height}))
            << c.at.x << "," << c.at.y;
    }
}
