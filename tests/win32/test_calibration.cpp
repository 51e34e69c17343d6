// The calibration on the main window with a screen in memory: the stored correction, every
// answer's road through the message boxes, the colour test, the alignment screen, what is
// stored, and a close request at each point.
#include "support/memory_screen_window.h"

#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "display/calibration.h"
#include "display/display_globals.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr const char* kParallaxKey = "SOFTWARE\\ORBANA\\Vertical Parallax";
constexpr const char* kErrorCodes = "SOFTWARE\\ORBANA\\Error Codes";
constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kWhite = 0xFFFFFF, kBlack = 0;

// The cursor's display count (the cursor shows while it is 0 or more).
int cursorCount() {
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

struct Input {
    UINT message;
    WPARAM wParam;
};

std::vector<Input> repeated(Input input, int times) {
    return std::vector<Input>(static_cast<std::size_t>(times), input);
}

std::vector<Input> operator+(std::vector<Input> a, const std::vector<Input>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Input kUp = {WM_KEYDOWN, VK_UP}, kDown = {WM_KEYDOWN, VK_DOWN};

class CalibrationTest : public MemoryScreenWindowTest {
  protected:
    void SetUp() override {
        MemoryScreenWindowTest::SetUp();
        createFontTable();
        SelectObject(screenDC, programResources.labelFont);
        clearProgramRegistry(); // an uncalibrated computer
        presentationState = CalibrationState;
        cursorAtStart = cursorCount();
    }
    void TearDown() override {
        abandonCalibration(window); // after a failed check: the cursor and pens
        SelectObject(screenDC, GetStockObject(SYSTEM_FONT));
        deleteFontTable();
        MemoryScreenWindowTest::TearDown();
    }

    // Handles the window's messages until the calibration waits for the user or its timer,
    // or has handed over to the next state (whose message stays in the queue).
    void pumpCalibration() {
        MSG message;
        while (presentationState == CalibrationState &&
               PeekMessageA(&message, window, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    // The rows of the lower view where the red line lies, seen at its middle.
    std::vector<int> redLineRows() const {
        std::vector<int> rows;
        for (int y = 364; y < 768; ++y) {
            if (memory->pixel(512, y) == kRed) {
                rows.push_back(y);
            }
        }
        return rows;
    }

    // Starts the calibration and answers its message boxes from the script; the colour test
    // ends by its timer's message, and the alignment screen gets `alignment`.
    void walk(std::deque<int> answers, const std::vector<Input>& alignment) {
        fake.messageBoxAnswers = std::move(answers);
        PostMessageA(window, WM_PROCEED, ProceedBegin, 0);
        pumpCalibration();
        if (presentationState == CalibrationState && calibrationRun.step == CalibrationColourTest) {
            colourTestRows = memory->rowColours();
            colourTimerRan = KillTimer(window, ColourTestTimer) != 0;
            SendMessageA(window, WM_TIMER, ColourTestTimer, 0);
            pumpCalibration();
        }
        if (presentationState == CalibrationState && calibrationRun.step == CalibrationAlignment) {
            cursorWhileAligning = cursorCount();
            for (const Input& input : alignment) {
                lastRedRows = redLineRows();
                SendMessageA(window, input.message, input.wParam, 0);
            }
            pumpCalibration();
        }
    }

    // Another calibration on the same window, on a computer without a stored one.
    void startUncalibrated() {
        clearProgramRegistry();
        calibrationRun = CalibrationRun{};
        presentationState = CalibrationState;
        verticalParallax = 0;
        lowerImageTop = 404;
        fake.messageBoxes.clear();
    }

    std::vector<std::string> captions() const {
        std::vector<std::string> seen;
        for (const RecordedMessageBox& box : fake.messageBoxes) {
            seen.push_back(box.caption);
        }
        return seen;
    }

    int cursorAtStart = 0;
    std::vector<std::uint32_t> colourTestRows;
    bool colourTimerRan = false;
    int cursorWhileAligning = 0;
    std::vector<int> lastRedRows;
};

TEST_F(CalibrationTest, ACalibratedComputerIsAskedNothing) {
    struct Case {
        const char* name;
        const char* stored; // nullptr: the key holds another value only
        int lowerImageTop;
    };
    const Case cases[] = {
        {"-7", "-7", 397},
        {"the key without the value", nullptr, 404},
        {"50", "50", 454},
        {"a number after blanks, then text", "  12 rows", 416},
        {"no number", "abc", 404},
        {"beyond the limit", "999", 454},
        {"beyond every int", "-99999999999", 354},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearProgramRegistry();
        writeRegistryString(kParallaxKey, c.stored != nullptr ? "768" : "769",
                            c.stored != nullptr ? c.stored : "9");
        presentationState = CalibrationState;
        verticalParallax = 0;
        lowerImageTop = 404;
        fake.messageBoxes.clear();
        ProceedLog log;
        PostMessageA(window, WM_PROCEED, ProceedBegin, 0);
        pumpCalibration();
        EXPECT_EQ(presentationState, LocationState);
        EXPECT_EQ(log.steps(), (std::vector<ProceedStep>{{CalibrationState, 1}}));
        EXPECT_EQ(lowerImageTop, c.lowerImageTop);
        EXPECT_EQ(verticalParallax, c.lowerImageTop - 404);
        EXPECT_TRUE(fake.messageBoxes.empty());
        EXPECT_EQ(readRegistryString(kErrorCodes, "TimeToGo"), "<missing>");
        MSG next; // the content location's WM_PROCEED is not followed here
        while (PeekMessageA(&next, window, 0, 0, PM_REMOVE)) {
        }
    }
}

TEST_F(CalibrationTest, WalksEachAnswerToItsEnd) {
    const std::vector<std::string> refused = {"No Calibration!", "Connect Hardware"};
    const std::vector<std::string> failed = {"No Calibration!", "Glasses Off!", "About to test.",
                                             "Test Results", "Troubleshooting."};
    const std::vector<std::string> completed = {"No Calibration!",     "Glasses Off!",
                                                "About to test.",      "Test Results",
                                                "Vertical Alignment.", "Put on glasses!."};
    struct Case {
        const char* name;
        std::deque<int> answers; // IDOK after these
        std::vector<Input> alignment;
        std::vector<std::string> captions;
        int endState;
        const char* stored; // "768" afterwards
        std::vector<int> lastRedRows;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {"no hardware", {IDNO}, {}, refused, ClosingState, "<missing>", {}, {}},
        {"the test not seen as yellow",
         {IDYES, IDOK, IDOK, IDNO},
         {},
         failed,
         ClosingState,
         "<missing>",
         {},
         {"on", "off"}},
        {"twelve Ups, then a click",
         {IDYES, IDOK, IDOK, IDYES},
         repeated(kUp, 12) + std::vector<Input>{{WM_LBUTTONDOWN, MK_LBUTTON}},
         completed,
         LocationState,
         "-12",
         {571, 572},
         {"on", "off", "on", "off"}},
        {"sixty Downs stop at 50; a right click",
         {IDYES, IDOK, IDOK, IDYES},
         repeated(kDown, 60) + std::vector<Input>{{WM_RBUTTONDOWN, MK_RBUTTON}},
         completed,
         LocationState,
         "50",
         {633, 634},
         {"on", "off", "on", "off"}},
        {"Up and Down at both limits; a middle click",
         {0, IDOK, IDOK, IDYES}, // a first question that failed to show goes on
         repeated(kUp, 55) + repeated(kDown, 3) + std::vector<Input>{{WM_MBUTTONDOWN, 0}},
         completed,
         LocationState,
         "-47",
         {536, 537},
         {"on", "off", "on", "off"}},
        {"other keys and moves, then a click",
         {IDYES, IDOK, IDOK, IDYES},
         {{WM_KEYDOWN, VK_LEFT},
          {WM_KEYDOWN, VK_RETURN},
          {WM_MOUSEMOVE, 0},
          {WM_LBUTTONUP, 0},
          {WM_KEYUP, VK_UP},
          {WM_CHAR, 'u'},
          {WM_LBUTTONDOWN, 0}},
         completed,
         LocationState,
         "0",
         {583, 584},
         {"on", "off", "on", "off"}},
    };
    const std::map<std::string, unsigned> types = {
        {"No Calibration!", MB_YESNO | MB_ICONEXCLAMATION},
        {"Connect Hardware", MB_OK | MB_ICONSTOP},
        {"Test Results", MB_YESNO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startUncalibrated();
        lastRedRows.clear();
        colourTestRows.clear();
        HoldWatch watch(fake, *memory);

        walk(c.answers, c.alignment);

        EXPECT_EQ(presentationState, c.endState);
        EXPECT_EQ(captions(), c.captions);
        for (const RecordedMessageBox& box : fake.messageBoxes) {
            const auto type = types.find(box.caption);
            EXPECT_EQ(box.type, type != types.end() ? type->second : MB_OK) << box.caption;
        }
        EXPECT_EQ(watch.codes(), c.codes);
        if (c.codes.size() >= 2) {
            EXPECT_EQ(colourTestRows, rowsWith({{0, 363, kRed}, {404, 767, kGreen}}, kBlack));
            EXPECT_TRUE(colourTimerRan) << "timer 1 runs while the halves show";
        }
        EXPECT_EQ(lastRedRows, c.lastRedRows) << "where the red line was at the click";
        EXPECT_EQ(readRegistryString(kParallaxKey, "768"), c.stored);
        const bool done = c.endState == LocationState;
        EXPECT_EQ(readRegistryString(kErrorCodes, "LinesToGo"), done ? "64" : "<missing>");
        EXPECT_EQ(readRegistryString(kErrorCodes, "LinesToNoGo"), done ? "40" : "<missing>");
        EXPECT_EQ(readRegistryString(kErrorCodes, "TimeToGo"), done ? "300" : "<missing>");
        if (done) {
            EXPECT_EQ(lowerImageTop, 404 + std::stoi(c.stored));
            EXPECT_EQ(verticalParallax, std::stoi(c.stored));
            EXPECT_EQ(cursorWhileAligning, cursorAtStart - 1);
        } else {
            EXPECT_EQ(lowerImageTop, 404);
        }
        // This run keeps switching with the settings it loaded at its start.
        EXPECT_EQ(switchCodeSettings.timeToGo, 80);
        EXPECT_EQ(cursorCount(), cursorAtStart);
        EXPECT_EQ(calibrationRun.redPen, nullptr);
        EXPECT_EQ(calibrationRun.greenPen, nullptr);
        EXPECT_TRUE(memory->allBlack()) << "the adapter was switched off last";
        MSG next;
        while (PeekMessageA(&next, window, 0, 0, PM_REMOVE)) {
        }
    }
}

TEST_F(CalibrationTest, TheMessagesReadAsTheProductWordsThem) {
    walk({IDYES, IDOK, IDOK, IDNO}, {});
    ASSERT_EQ(fake.messageBoxes.size(), 5u);
    EXPECT_EQ(fake.messageBoxes[0].text,
              "This computer has never been properly calibrated for ORBANA software.\n\n"
              "Starting Calibration Program.\n\nDo you have your 3D hardware connected?");
    EXPECT_EQ(fake.messageBoxes[1].text, "Take your 3D glasses OFF.");
    const std::string& trouble = fake.messageBoxes[4].text;
    EXPECT_EQ(trouble.size(), 2640u);
    for (const char* part :
         {"If you saw either a blank or half green, half red screen, your hardware has failed",
          "support the refresh rates required.  This includes laptops, LCD flat panels or\nLCD",
          "\n\n\tRESOLUTION\n\n\tThis setting", "1024 by 769 pixels and 32 bit\n\tcolor.",
          "several differant places", "or similar Color and 60 Hertz Refresh Rate."}) {
        EXPECT_NE(trouble.find(part), std::string::npos) << part;
    }
}

TEST_F(CalibrationTest, TheAlignmentScreen) {
    walk({IDYES, IDOK, IDOK, IDYES}, {});
    ASSERT_EQ(calibrationRun.step, CalibrationAlignment);
    // The two lines, 2 pixels wide, from x 412 to 612; the green one in the upper view.
    for (int x : {413, 512, 611}) {
        EXPECT_EQ(memory->pixel(x, 180), kGreen) << x;
        EXPECT_EQ(memory->pixel(x, 584), kRed) << x;
    }
    EXPECT_EQ(redLineRows(), (std::vector<int>{583, 584}));
    EXPECT_EQ(memory->pixel(300, 180), kBlack);
    EXPECT_EQ(memory->pixel(700, 584), kBlack);
    // Both texts in white, centred on x 512 and standing on rows 140 and 240.
    for (int baseline : {140, 240}) {
        int left = 1024, right = -1, top = 768, bottom = -1;
        for (int y = baseline - 30; y <= baseline + 10; ++y) {
            for (int x = 0; x < 1024; ++x) {
                if (memory->pixel(x, y) == kWhite) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        SCOPED_TRACE(baseline);
        ASSERT_GE(right, 0) << "no text";
        EXPECT_NEAR((left + right) / 2, 512, 8);
        EXPECT_LE(bottom, baseline + 3); // the comma and "y" reach below the baseline
        EXPECT_GE(bottom, baseline - 1);
        EXPECT_GE(top, baseline - 16);
    }
    // Nothing else in the lower view but the red line.
    const std::vector<std::uint32_t> rows = memory->rowColours();
    for (int y = 364; y < 768; ++y) {
        if (y != 583 && y != 584) {
            EXPECT_EQ(rows[static_cast<std::size_t>(y)], kBlack) << y;
        }
    }
    // One Down moves the red line one row down; the upper view stays as it was.
    const std::vector<std::uint32_t> before = memory->rowColours();
    SendMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(redLineRows(), (std::vector<int>{584, 585}));
    const std::vector<std::uint32_t> after = memory->rowColours();
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 364, after.begin()));
}

TEST_F(CalibrationTest, ACloseRequestLeavesNothingBehind) {
    struct Case {
        const char* name;
        int boxToCloseIn; // -1: close on the step below instead
        int stepToCloseOn;
        std::size_t boxesShown;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {"in the first question", 0, 0, 1, {}},
        {"in the Test Results question", 3, 0, 4, {"on", "off"}},
        {"in the troubleshooting message", 4, 0, 5, {"on", "off"}},
        {"during the colour test", -1, CalibrationColourTest, 3, {"on", "off"}},
        {"on the alignment screen", -1, CalibrationAlignment, 5, {"on", "off", "on", "off"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startUncalibrated();
        fake.messageBoxAnswers = {IDYES, IDOK, IDOK, c.boxToCloseIn == 4 ? IDNO : IDYES};
        fake.onMessageBox = [&](const RecordedMessageBox&) {
            if (static_cast<int>(fake.messageBoxes.size()) - 1 == c.boxToCloseIn) {
                SendMessageA(window, WM_CLOSE, 0, 0);
            }
        };
        HoldWatch watch(fake, *memory);
        PostMessageA(window, WM_PROCEED, ProceedBegin, 0);
        pumpCalibration();
        if (c.stepToCloseOn != CalibrationColourTest && c.boxToCloseIn != 0) {
            ASSERT_EQ(calibrationRun.step, CalibrationColourTest);
            SendMessageA(window, WM_TIMER, ColourTestTimer, 0);
            pumpCalibration();
        }
        if (c.stepToCloseOn == CalibrationAlignment) {
            ASSERT_EQ(calibrationRun.step, CalibrationAlignment);
            SendMessageA(window, WM_KEYDOWN, VK_UP, 0);
        }
        if (c.boxToCloseIn < 0) {
            SendMessageA(window, WM_CLOSE, 0, 0);
        }
        fake.onMessageBox = nullptr;

        EXPECT_EQ(presentationState, ClosingState);
        EXPECT_EQ(fake.messageBoxes.size(), c.boxesShown) << "no message after the close request";
        EXPECT_EQ(watch.codes(), c.codes) << "the adapter is off at the end";
        EXPECT_FALSE(KillTimer(window, ColourTestTimer)) << "the colour test's timer is gone";
        EXPECT_EQ(cursorCount(), cursorAtStart);
        EXPECT_EQ(calibrationRun.redPen, nullptr);
        EXPECT_EQ(readRegistryString(kParallaxKey, "768"), "<missing>");
        EXPECT_EQ(readRegistryString(kErrorCodes, "LinesToGo"), "<missing>");
        EXPECT_EQ(lowerImageTop, 404);
        // Only the closing state's own message follows.
        MSG next;
        int posted = 0;
        while (PeekMessageA(&next, window, 0, 0, PM_REMOVE)) {
            posted += next.message == WM_PROCEED ? 1 : 0;
        }
        EXPECT_EQ(posted, 1);
    }
}

TEST_F(CalibrationTest, MessagesWhileAMessageBoxIsUpAreIgnored) {
    // The message boxes are modal, but the main window's messages are still dispatched.
    fake.onMessageBox = [&](const RecordedMessageBox&) {
        SendMessageA(window, WM_PROCEED, ProceedBegin, 0);
        SendMessageA(window, WM_TIMER, ColourTestTimer, 0);
        SendMessageA(window, WM_KEYDOWN, VK_UP, 0);
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    };
    walk({IDYES, IDOK, IDOK, IDYES}, {kDown, kDown, {WM_LBUTTONDOWN, MK_LBUTTON}});
    fake.onMessageBox = nullptr;
    EXPECT_EQ(captions(), (std::vector<std::string>{"No Calibration!", "Glasses Off!",
                                                    "About to test.", "Test Results",
                                                    "Vertical Alignment.", "Put on glasses!."}));
    EXPECT_EQ(presentationState, LocationState);
    EXPECT_EQ(readRegistryString(kParallaxKey, "768"), "2");
}

} // namespace
