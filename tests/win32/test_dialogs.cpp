// The full-screen dialogs run for real from their templates, driven from inside the test
// as a user would: clicks, keys and list selections, checked by their results, the
// globals they leave and the pixels they draw on the screen.
#include "support/dialog_test.h"

#include "ground/messages.h"
#include "sound/narration.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/dialogs.h"
#include "display/display_globals.h"
#include "imaging/dib_pixels.h"

#include <cstring>

namespace {

void click(HWND dialog, int button) {
    SendDlgItemMessageA(dialog, button, BM_CLICK, 0, 0);
}

// Handles what the dialog posted to itself (a redraw after Help, say).
void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void mouseClick(HWND dialog, int x, int y) {
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TEST_F(DialogTest, ContentsListsTheSeriesAndBeginsTheChosenOne) {
    course.writeFile("Corpus\\config.dat",
                     "Heart,The Heart\r\nSkull,Bones, and joints\r\nBrain,The Brain\r\n");
    course.makeDirectory("Corpus\\Skull");
    course.writeFile("Corpus\\Skull\\abstract.txt", "Bones of the skull\r\n");
    for (int n : {1, 2, 4}) {
        addSlide("Skull", n, "s.scp");
    }
    modeFlags = modeFlagsFor(ChosenMode::Tutorial);
    bool driven = false;
    fake.realDialogs["ModeAndSeriesSelect"] = [&](HWND dialog) {
        driven = true;
        HWND list = GetDlgItem(dialog, IDC_SERIES_LIST);
        EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 3);
        char title[200] = {};
        SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(title));
        EXPECT_STREQ(title, "Bones, and joints");
        EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)),
                  programResources.listFont);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_TUTORIAL_MODE), BST_CHECKED);
        // Enter and Escape close nothing.
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(IsWindow(dialog));
        // The abstract follows the selection, in its colour, on a black band.
        screen.fill(RGB(255, 255, 255));
        SendMessageA(list, LB_SETCURSEL, 1, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SERIES_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        EXPECT_EQ(screen.pixel(38, 102), 0u);
        EXPECT_EQ(screen.pixel(986, 313), 0u);
        EXPECT_EQ(screen.pixel(987, 313), RGB(255, 255, 255));
        EXPECT_GT(count(RGB(255, 50, 200), 43, 100, 500, 135), 50);
        EXPECT_EQ(count(RGB(255, 50, 200), 43, 140, 500, 310), 0);
        click(dialog, IDC_INDEX_BUTTON); // an empty index: nothing happens
        EXPECT_TRUE(IsWindow(dialog));
        CheckRadioButton(dialog, IDC_LECTURE_MODE, IDC_QUIZ_MODE, IDC_QUIZ_MODE);
        click(dialog, IDC_BEGIN_BUTTON);
    };
    EXPECT_EQ(runContentsDialog(window), ContentsBegin);
    EXPECT_TRUE(driven);
    EXPECT_STREQ(seriesName, "Skull");
    EXPECT_STREQ(currentSeriesTitle, "Bones, and joints");
    EXPECT_EQ(slideCount, 2) << "Slide3 is missing, so Slide4 is never reached";
    EXPECT_EQ(modeFlags.quizMode, 1);
    EXPECT_EQ(modeFlags.tutorialMode, 0);
}

TEST_F(DialogTest, ContentsWithoutSeriesBeginsNothingAndQuits) {
    modeFlags = modeFlagsFor(ChosenMode::Quiz);
    fake.realDialogs["ModeAndSeriesSelect"] = [&](HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_QUIZ_MODE), BST_CHECKED);
        click(dialog, IDC_BEGIN_BUTTON);
        EXPECT_TRUE(IsWindow(dialog)) << "Begin on an empty list does nothing";
        click(dialog, IDC_QUIT_BUTTON);
    };
    EXPECT_EQ(runContentsDialog(window), ContentsQuit);
}

TEST_F(DialogTest, ContentsCountsSlidesWithScriptsAndReturnsToTheIndex) {
    course.writeFile("Corpus\\config.dat", "Heart,The Heart\r\n");
    addSlide("Heart", 1, "");
    modeFlags = modeFlagsFor(ChosenMode::Lecture);
    fake.realDialogs["ModeAndSeriesSelect"] = [&](HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_LECTURE_MODE), BST_CHECKED);
        click(dialog, IDC_BEGIN_BUTTON);
    };
    EXPECT_EQ(runContentsDialog(window), ContentsBegin);
    EXPECT_EQ(slideCount, 0) << "a Slide1 without a script";

    // After a slide shown from the index the index opens again by itself; leaving it
    // clears the index mode and draws the abstract again where the index covered it. So
    // does leaving an index opened with its button.
    course.writeFile("Corpus\\Heart\\abstract.txt", "The heart and its vessels\r\n");
    indexCount = 1;
    const auto coveringIndex = [&](HWND) -> INT_PTR {
        screen.fill(RGB(255, 255, 255));
        modeFlags.indexMode = 0;
        return 0; // Cancel
    };
    fake.dialogs["Index"] = fake.dialogs["Index1"] = coveringIndex;
    const auto abstractShown = [&] {
        return screen.pixel(38, 102) == 0u && count(RGB(255, 50, 200), 43, 100, 500, 135) > 50;
    };
    modeFlags = modeFlagsFor(ChosenMode::IndexEntry);
    fake.realDialogs["ModeAndSeriesSelect"] = [&](HWND dialog) {
        EXPECT_EQ(modeFlags.indexMode, 0);
        EXPECT_TRUE(abstractShown()) << "after the index that opened by itself";
        screen.fill(RGB(255, 255, 255));
        click(dialog, IDC_INDEX_BUTTON);
        pump();
        EXPECT_TRUE(abstractShown()) << "after the index opened with its button";
        click(dialog, IDC_QUIT_BUTTON);
    };
    EXPECT_EQ(runContentsDialog(window), ContentsQuit);
    indexCount = 0;
}

TEST_F(DialogTest, ChooserJumpsToTheClickedSlideAndKeepsTheSlideColours) {
    std::strcpy(seriesName, "Heart");
    std::strcpy(currentSeriesTitle, "The Heart");
    for (int n = 1; n <= 9; ++n) {
        addSlide("Heart", n, n == 3 ? "Introduction.scp" : "s.scp");
    }
    slideCount = 9;
    currentSlide = 3;
    largeDialogs = 1;
    SetTextColor(screenDC, RGB(255, 255, 0)); // the slide's text colour
    screen.fill(RGB(255, 255, 255));
    fake.realDialogs["Help"] = [](HWND help) { click(help, IDC_CONTINUE_BUTTON); };
    fake.realDialogs["Skip"] = [&](HWND dialog) {
        // Labels: the current slide's in red, the others black.
        EXPECT_GT(count(RGB(255, 0, 0), 320, 70, 420, 92), 20);
        EXPECT_EQ(count(RGB(255, 0, 0), 40, 70, 140, 92), 0);
        EXPECT_GT(count(RGB(0, 0, 0), 40, 70, 140, 92), 20);
        EXPECT_GT(count(RGB(0, 0, 0), 300, 5, 724, 45), 50) << "the series title";
        mouseClick(dialog, 320, 235); // the third place of row 1: no slide 10
        EXPECT_TRUE(IsWindow(dialog));
        click(dialog, IDC_HELP_BUTTON);
        pump();
        // A stray release after Help is ignored.
        SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(40, 95));
        EXPECT_TRUE(IsWindow(dialog));
        EXPECT_EQ(GetTextColor(screenDC), RGB(0, 0, 0));
        mouseClick(dialog, 180, 235);
    };
    EXPECT_EQ(runSlideChooser(window), ChooserSlideBase + 9);
    EXPECT_EQ(fake.dialogTemplates, (std::vector<std::string>{"Skip", "Help"}));
    EXPECT_EQ(GetTextColor(screenDC), RGB(255, 255, 0))
        << "after Help the presentation's colour still comes back";
}

TEST_F(DialogTest, ChooserBackToTheContents) {
    slideCount = 1;
    largeDialogs = 0;
    SetTextColor(screenDC, RGB(9, 9, 9));
    fake.realDialogs["Skip1"] = [](HWND dialog) { click(dialog, IDC_CONTENTS_BUTTON); };
    EXPECT_EQ(runSlideChooser(window), ChooserToContents);
    EXPECT_EQ(GetTextColor(screenDC), RGB(9, 9, 9));
}

TEST_F(DialogTest, HelpShowsThePictureOfTheModeAndEndsWithContinue) {
    // A 24-bit picture for Tutorial mode, none for the other modes.
    const std::vector<std::uint8_t> bmp = encodeBmpFile(PixelImage(8, 8, 0x123456), 24);
    course.writeFile("Corpus\\program\\helpauto.bmp", std::string(bmp.begin(), bmp.end()));
    struct Case {
        ChosenMode mode;
        std::size_t warnings;
    };
    for (const Case& c : {Case{ChosenMode::Tutorial, 1}, Case{ChosenMode::Lecture, 0},
                          Case{ChosenMode::Quiz, 0}, Case{ChosenMode::IndexEntry, 0}}) {
        modeFlags = modeFlagsFor(c.mode);
        fake.messageBoxes.clear();
        fake.realDialogs["Help"] = [&](HWND dialog) {
            EXPECT_EQ(reinterpret_cast<HFONT>(
                          SendDlgItemMessageA(dialog, IDC_CONTINUE_BUTTON, WM_GETFONT, 0, 0)),
                      programResources.buttonFont);
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_CONTINUE_BUTTON)));
            SendMessageA(dialog, WM_COMMAND, IDOK, 0); // Enter ends nothing
            EXPECT_TRUE(IsWindow(dialog));
            click(dialog, IDC_CONTINUE_BUTTON);
        };
        EXPECT_EQ(runHelpDialog(window), IDC_CONTINUE_BUTTON);
        ASSERT_EQ(fake.messageBoxes.size(), c.warnings);
        if (c.warnings != 0) {
            EXPECT_EQ(fake.messageBoxes[0].text, "Not an 8 bit BMP");
            EXPECT_EQ(fake.messageBoxes[0].caption, "Image Load Error");
        }
    }
}

TEST_F(DialogTest, IntroEndsOnAKeyOrButtonButNotOnEnterOrEscape) {
    course.writeFile("Corpus\\program\\Prompt.wav", "RIFF");
    largeDialogs = 0;
    struct Ending {
        UINT message;
        WPARAM wParam;
    };
    for (const Ending& ending : {Ending{WM_KEYDOWN, 'A'}, Ending{WM_RBUTTONDOWN, MK_RBUTTON},
                                 Ending{WM_MBUTTONDOWN, MK_MBUTTON}}) {
        fake.mciCommands.clear();
        screen.fill(0);
        fake.realDialogs["Intro1"] = [&](HWND dialog) {
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            SendMessageA(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
            EXPECT_TRUE(IsWindow(dialog));
            EXPECT_TRUE(fake.mciCommands.empty()) << "no prompt within the first 30 s";
            SendMessageA(dialog, WM_TIMER, IntroPromptTimer, 0); // 30 s later
            EXPECT_GT(count(RGB(255, 0, 0), 900, 0, 1000, 25), 30) << "the version text";
            SendMessageA(dialog, ending.message, ending.wParam, 0);
        };
        EXPECT_EQ(runIntroDialog(window), 0);
        ASSERT_EQ(fake.mciCommands.size(), 3u);
        EXPECT_EQ(fake.mciCommands[0].element, courseRoot + "program\\Prompt.wav");
        EXPECT_EQ(fake.mciCommands[1].flags, static_cast<DWORD_PTR>(MCI_WAIT));
    }
}

} // namespace
