// The question of a "Query" element on a real window and a memory screen: the panel and its
// prompts in both views, the answers to clicks with their timers, the quiz's own pointer,
// query files that cannot be used, and the screen, drawing state and mouse given back.
#include "support/program_harness.h"
#include "test_imaging_support.h"

#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "display/display_globals.h"
#include "quiz/quiz_proc.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// The panel 100, 50, 400, 120 with depth 6; the answer region 200, 150, 260, 190.
const char* const kQueryFile = "Locate 100 50 400 120 6\r\n"
                               "Point to the\r\n"
                               "middle of the\r\n"
                               "region.\r\n"
                               "200 150 260 190\r\n";

// A calibrated computer whose lower view starts 7 rows higher than the base row 404: a
// question placed at the base row instead of lowerImageTop shows.
constexpr int kLowerTop = 397;
const char* const kQuestion = "question";

class QuizTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        DeleteDC(screenDC);
        screenDC = screen.dc();
        createFontTable();
        createPenTable();
        loadPointerIcon(GetModuleHandleA(nullptr));
        ASSERT_NE(programResources.pointerIcon, nullptr);
        lowerImageTop = kLowerTop;
        verticalParallax = kLowerTop - 404;
        screen.fill(busyPattern);
        // The drawing state of a presentation, which the question must give back.
        SetBkMode(screenDC, TRANSPARENT);
        SetTextColor(screenDC, RGB(255, 0, 0));
        SelectObject(screenDC, programResources.penTable[2]);
        SelectObject(screenDC, programResources.labelFont);
        courseRoot = course.path() + "\\";
        std::strcpy(seriesName, "Skull");
        course.makeDirectory("Skull\\Slide3");
        currentSlide = 3;
        elementIndex = 1;
        std::strcpy(slideElements[1].text, "q1");
        modeFlags = {}; // Lecture flow: nothing follows the question by itself here
        presentationState = QueryState;
        before = screen.snapshot();
    }
    void TearDown() override {
        EndQuestionForClose(window); // a failed walk leaves no question open for the next
        SelectObject(screenDC, GetStockObject(SYSTEM_FONT));
        SelectObject(screenDC, GetStockObject(BLACK_PEN));
        deleteFontTable();
        deletePenTable();
        releasePointerIcon();
        screenDC = nullptr;
        ClipCursor(nullptr);
        MainWindowTest::TearDown();
    }

    void writeQuery(const std::string& bytes) { course.writeFile("Skull\\Slide3\\q1.qer", bytes); }

    // As playback starts a question.
    void startQuestion() {
        presentationState = QueryState;
        SendMessageA(window, WM_PROCEED, ProceedBegin, 1);
        pumpMessages();
    }

    void send(UINT message, int x, int y) {
        SendMessageA(window, message, 0, MAKELPARAM(x, y));
        pumpMessages();
    }

    // Fires a timer that must be running.
    void fire(UINT_PTR timer) {
        EXPECT_NE(KillTimer(window, timer), FALSE) << "timer " << timer << " runs";
        SendMessageA(window, WM_TIMER, timer, 0);
        pumpMessages();
    }

    // The screen as it was, with the panel black in both views and `shows` on it: the
    // question's three prompts, or an answer at the panel's centre.
    PixelImage expected(const std::string& shows) const {
        ScreenSection section;
        std::memcpy(section.bits(), before.pixels.data(), before.pixels.size() * 4);
        HDC dc = section.dc();
        PatBlt(dc, 100, 50, 301, 71, BLACKNESS);
        PatBlt(dc, 94, 50 + kLowerTop, 301, 71, BLACKNESS);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        SetTextAlign(dc, TA_CENTER | TA_BASELINE);
        const bool question = shows == kQuestion;
        HGDIOBJ old =
            SelectObject(dc, question ? programResources.textFont : programResources.titleFont);
        const char* prompts[] = {"Point to the", "middle of the", "region."};
        for (int i = 0; i < (question ? 3 : 1); ++i) {
            const char* text = question ? prompts[i] : shows.c_str();
            const int y = question ? 70 + 10 * i : 85;
            TextOutA(dc, 250, y, text, static_cast<int>(std::strlen(text)));
            TextOutA(dc, 244, y + kLowerTop, text, static_cast<int>(std::strlen(text)));
        }
        SelectObject(dc, old);
        GdiFlush();
        PixelImage image(1024, 768);
        std::memcpy(image.pixels.data(), section.bits(), image.pixels.size() * 4);
        return image;
    }

    testing::AssertionResult screenEquals(const PixelImage& image) const {
        const PixelImage now = screen.snapshot();
        for (int y = 0; y < 768; ++y) {
            for (int x = 0; x < 1024; ++x) {
                if (now.at(x, y) != image.at(x, y)) {
                    return testing::AssertionFailure()
                           << "pixel (" << x << ", " << y << ") is " << std::hex << now.at(x, y)
                           << ", expected " << image.at(x, y);
                }
            }
        }
        return testing::AssertionSuccess();
    }

    // After the question: the screen as before, the drawing state and the mouse given back,
    // no timer left, the presentation going on.
    void expectAllGivenBack() {
        EXPECT_TRUE(screenEquals(before));
        EXPECT_EQ(GetTextColor(screenDC), RGB(255, 0, 0));
        EXPECT_EQ(GetCurrentObject(screenDC, OBJ_PEN), programResources.penTable[2]);
        EXPECT_EQ(GetCurrentObject(screenDC, OBJ_FONT), programResources.labelFont);
        RECT clip;
        GetClipCursor(&clip);
        EXPECT_GT(clip.bottom, 350) << "the mouse is free";
        EXPECT_EQ(KillTimer(window, QuizCloseTimer), FALSE);
        EXPECT_EQ(KillTimer(window, QuizRetryTimer), FALSE);
        EXPECT_EQ(quizStep(), 0);
        EXPECT_EQ(presentationState, PresentingState);
    }

    TestScreen screen;
    TemporaryDirectory course;
    PixelImage before;
};

TEST_F(QuizTest, AnswersClicksAndClosesWithTheScreenAsBefore) {
    struct Action {
        UINT message; // a click, or WM_TIMER with the timer id in x
        int x;
        int y;
        const char* shows; // what the panel shows afterwards
    };
    struct Walk {
        const char* name;
        std::vector<Action> actions;
    };
    const Walk walks[] = {
        {"a hit at once", {{WM_LBUTTONDOWN, 201, 151, "Correct!"}}},
        {"a right click counts, a middle click does not",
         {{WM_MBUTTONDOWN, 230, 170, kQuestion}, {WM_RBUTTONDOWN, 259, 189, "Correct!"}}},
        {"clicks after the answer change nothing",
         {{WM_LBUTTONDOWN, 230, 170, "Correct!"}, {WM_LBUTTONDOWN, 10, 10, "Correct!"}}},
        {"the borders miss",
         {{WM_LBUTTONDOWN, 200, 170, "Try Again."},
          {WM_TIMER, QuizRetryTimer, 0, kQuestion},
          {WM_RBUTTONDOWN, 230, 190, "Try Again."},
          {WM_TIMER, QuizRetryTimer, 0, kQuestion},
          {WM_LBUTTONDOWN, 230, 170, "Correct!"}}},
        {"a hit while Try Again. shows: timer 11 first, then timer 10",
         {{WM_LBUTTONDOWN, 10, 10, "Try Again."},
          {WM_LBUTTONDOWN, 230, 170, "Correct!"},
          {WM_TIMER, QuizRetryTimer, 0, kQuestion},
          {WM_LBUTTONDOWN, 10, 10, kQuestion}}},
        {"five misses",
         {{WM_LBUTTONDOWN, 10, 10, "Try Again."},
          {WM_TIMER, QuizRetryTimer, 0, kQuestion},
          {WM_LBUTTONDOWN, 10, 10, "Try Again."},
          {WM_TIMER, QuizRetryTimer, 0, kQuestion},
          {WM_LBUTTONDOWN, 10, 10, "Try Again."},
          {WM_LBUTTONDOWN, 10, 10, "Try Again."},
          {WM_TIMER, QuizRetryTimer, 0, kQuestion},
          {WM_LBUTTONDOWN, 10, 10, "Try Later."},
          {WM_LBUTTONDOWN, 230, 170, "Try Later."}}},
    };
    writeQuery(kQueryFile);
    for (const Walk& walk : walks) {
        SCOPED_TRACE(walk.name);
        startQuestion();
        EXPECT_EQ(quizStep(), 2);
        EXPECT_TRUE(screenEquals(expected(kQuestion))) << "no pointer before the mouse moves";
        RECT clip;
        GetClipCursor(&clip);
        EXPECT_EQ(clip.right, 1023);
        EXPECT_EQ(clip.bottom, 350);
        for (const Action& a : walk.actions) {
            if (a.message == WM_TIMER) {
                fire(static_cast<UINT_PTR>(a.x));
            } else {
                send(a.message, a.x, a.y);
            }
            EXPECT_TRUE(screenEquals(expected(a.shows))) << a.shows;
        }
        KillTimer(window, QuizRetryTimer); // a Try Again. of the walk may still run
        fire(QuizCloseTimer);
        expectAllGivenBack();
    }
}

TEST_F(QuizTest, ThePointerFollowsTheMouseInBothViewsAndLeavesNothingBehind) {
    writeQuery(kQueryFile);
    startQuestion();
    const PixelImage question = screen.snapshot();
    send(WM_MOUSEMOVE, 500, 200);
    // The crosshair's centre is white in both copies, the lower one without disparity.
    EXPECT_EQ(screen.pixel(515, 216), 0xFFFFFFu);
    EXPECT_EQ(screen.pixel(515, 216 + kLowerTop), 0xFFFFFFu);
    send(WM_MOUSEMOVE, 20, 0); // row 0 is within the mouse's reach
    EXPECT_EQ(screen.pixel(515, 216), question.at(515, 216));
    EXPECT_EQ(screen.pixel(35, 16), 0xFFFFFFu);
    send(WM_MOUSEMOVE, 240, 60); // over the panel, then answered
    send(WM_LBUTTONDOWN, 230, 170);
    send(WM_MOUSEMOVE, 600, 300); // the pointer still follows after "Correct!"
    EXPECT_EQ(screen.pixel(615, 316), 0xFFFFFFu);
    EXPECT_EQ(screen.pixel(35, 16), question.at(35, 16)) << "nothing left at row 0";
    PatBlt(screenDC, 600, 300, 32, 32, BLACKNESS); // what lies under it stays hidden
    send(WM_MOUSEMOVE, 650, 300);
    EXPECT_EQ(screen.pixel(601, 301), before.at(601, 301)) << "the saved screen came back";
    send(WM_MOUSEMOVE, 650, 310);
    fire(QuizCloseTimer);
    expectAllGivenBack();
}

TEST_F(QuizTest, AQueryFileThatCannotBeUsedLeavesTheQuestionAtOnce) {
    struct Case {
        const char* name;
        const char* bytes; // nullptr: no file
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"a missing file is not reported", nullptr, {}},
        {"a wrong keyword is reported once by its word",
         "Find 100 50 400 120 6\r\nA\r\nB\r\nC\r\n200 150 260 190\r\n",
         {"Find"}},
        {"four lines", "Locate 100 50 400 120 6\r\nA\r\nB\r\nC\r\n", {}},
        {"an empty prompt", "Locate 100 50 400 120 6\r\nA\r\n\r\nC\r\n200 150 260 190\r\n", {}},
        {"four target numbers missing one", "Locate 1 2 3 4 5\nA\nB\nC\n200 150 260\n", {}},
        {"a panel wider than the screen", "Locate 0 0 2000 10 0\nA\nB\nC\n1 2 3 4\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA((course.path() + "\\Skull\\Slide3\\q1.qer").c_str());
        if (c.bytes != nullptr) {
            writeQuery(c.bytes);
        }
        fake.messageBoxes.clear();
        startQuestion();
        std::vector<std::string> shown;
        for (const RecordedMessageBox& box : fake.messageBoxes) {
            EXPECT_EQ(box.caption, "Query File Error");
            EXPECT_EQ(box.type, static_cast<unsigned>(MB_OK));
            shown.push_back(box.text);
        }
        EXPECT_EQ(shown, c.messages);
        expectAllGivenBack();
    }
}

// The "Query File Error" box runs a message loop that may hand the window another
// WM_PROCEED: no second question opens over the first (it would show the box again and
// lose the first one's saved drawing state).
TEST_F(QuizTest, NoSecondQuestionOpensWhileTheFirstOnesBoxIsUp) {
    writeQuery("Find 100 50 400 120 6\r\nA\r\nB\r\nC\r\n200 150 260 190\r\n");
    fake.messageBoxes.clear();
    fake.onMessageBox = [&](const RecordedMessageBox&) {
        SendMessageA(window, WM_PROCEED, ProceedBegin, 1);
    };
    startQuestion();
    fake.onMessageBox = nullptr;
    EXPECT_EQ(fake.messageBoxes.size(), 1u);
    expectAllGivenBack();
}

TEST_F(QuizTest, ACloseRequestDuringTheQuestionFreesTheMouseAndStopsItsTimers) {
    writeQuery(kQueryFile);
    startQuestion();
    send(WM_LBUTTONDOWN, 10, 10);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(presentationState, ClosingState);
    EXPECT_EQ(quizStep(), 0);
    RECT clip;
    GetClipCursor(&clip);
    EXPECT_GT(clip.bottom, 350);
    EXPECT_EQ(KillTimer(window, QuizRetryTimer), FALSE);
    EXPECT_EQ(GetCurrentObject(screenDC, OBJ_FONT), programResources.labelFont);
}

} // namespace
