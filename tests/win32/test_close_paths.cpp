// Every way out leaves the system as the program found it: close requests inside the real
// dialogs, in their nested modal loops, end the program with the cursor shown and free, the
// screen saver and the display mode restored and every picture a dialog holds released.
#include "support/program_harness.h"

#include "app/main_window.h"
#include "ground/messages.h"
#include "app/presentation_entry.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/intro_dialog.h"
#include "display/display_globals.h"
#include "imaging/dib_pixels.h"

#include <functional>

namespace {

// The thread's cursor display count (the cursor shows while it is 0 or more).
int cursorCount() {
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

bool mouseFree() {
    RECT clip;
    GetClipCursor(&clip);
    return clip.top == 0 && clip.bottom >= GetSystemMetrics(SM_CYSCREEN);
}

// Alt+F4 inside a dialog: the system command that the key gives.
void altF4(HWND dialog) {
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// A close request from outside (the task bar, the session) to the program's window.
void closeTheProgram(HWND dialog) {
    PostMessageA(GetAncestor(dialog, GA_ROOTOWNER), WM_CLOSE, 0, 0);
}

class CloseInsideDialogsTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        course.makeDirectory("Corpus\\program");
        const std::vector<std::uint8_t> intro = encodeBmpFile(PixelImage(16, 8, 0x808080), 24);
        course.writeFile("Corpus\\program\\intro.bmp", std::string(intro.begin(), intro.end()));
        course.writeFile("Corpus\\index.dat", "Aorta~Heart 1\r\n"); // INDEX opens the index
    }
    TemporaryDirectory course;
};

TEST_F(CloseInsideDialogsTest, TheProgramEndsAsItFoundTheSystemFromTheIntroAndTheContents) {
    struct Case {
        const char* what;
        const char* dialog;
        std::function<void(HWND)> close;
        bool throughIndexButton = false; // the dialog is the index, opened from the contents
    };
    const Case cases[] = {
        {"Alt+F4 in the intro", "Intro", altF4},
        {"a close request while the intro runs", "Intro", closeTheProgram},
        {"Alt+F4 in the table of contents", "ModeAndSeriesSelect", altF4},
        {"Alt+F4 in the index dialog over the table of contents", "Index", altF4, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetProgramState();
        fake = FakePlatform();
        const int cursorBefore = cursorCount();
        HBITMAP picture = nullptr;
        fake.dialogs["Intro"] = [](HWND) -> INT_PTR { return 0; };
        fake.realDialogs[c.dialog] = [&](HWND dialog) {
            picture = introPicture;
            c.close(dialog);
        };
        if (c.throughIndexButton) {
            fake.realDialogs["ModeAndSeriesSelect"] = [](HWND contents) {
                SendDlgItemMessageA(contents, IDC_INDEX_BUTTON, BM_CLICK, 0, 0);
            };
        }

        EXPECT_EQ(runProgramToEnd(), ExitNormal);

        EXPECT_EQ(fake.dialogTemplates.back(), c.dialog);
        EXPECT_EQ(presentationState, ClosingState);
        EXPECT_EQ(fake.screenSaverSwitches, (std::vector<BOOL>{FALSE, TRUE}));
        ASSERT_FALSE(fake.changedModes.empty());
        EXPECT_EQ(fake.changedModes.back().dmSize, 0) << "the stored display mode is restored";
        EXPECT_EQ(cursorCount(), cursorBefore);
        EXPECT_TRUE(mouseFree());
        if (std::string(c.dialog) == "Intro") {
            EXPECT_NE(picture, nullptr) << "the intro showed its picture";
            EXPECT_EQ(GetObjectType(picture), 0u) << "the intro's picture is released";
            EXPECT_EQ(introPicture, nullptr);
        }
    }
}

// A presentation with the slide chooser open over it, on a window of the test's own.
class CloseInsideTheChooserTest : public MainWindowTest {
  protected:
    void enterLecture() {
        modeFlags = modeFlagsFor(ChosenMode::Lecture);
        createPenTable();
        enterPresentation(window);
        MSG begin;
        PeekMessageA(&begin, window, WM_PROCEED, WM_PROCEED, PM_REMOVE);
    }
};

TEST_F(CloseInsideTheChooserTest, TheProgramEndsWithTheCursorShownAndFree) {
    struct Case {
        const char* what;
        std::function<void(FakePlatform&)> script;
    };
    const Case cases[] = {
        {"Alt+F4 in the chooser", [](FakePlatform& f) { f.realDialogs["Skip"] = altF4; }},
        {"a close request while the chooser runs",
         [](FakePlatform& f) { f.realDialogs["Skip"] = closeTheProgram; }},
        {"Alt+F4 in Help over the chooser",
         [](FakePlatform& f) {
             f.realDialogs["Skip"] = [](HWND chooser) {
                 SendDlgItemMessageA(chooser, IDC_HELP_BUTTON, BM_CLICK, 0, 0);
             };
             f.realDialogs["Help"] = altF4;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!IsWindow(window)) {
            presentationState = ClosingState; // created without the creation steps
            window = CreateWindowExA(0, kMainWindowClass, kMainWindowClass, WS_POPUP, 0, 0, 100,
                                     100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
            screenDC = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
        }
        fake.screenSaverSwitches.clear();
        c.script(fake);
        const int cursorBefore = cursorCount();
        enterLecture();
        ASSERT_EQ(cursorCount(), cursorBefore - 1);
        ASSERT_FALSE(mouseFree());

        SendMessageA(window, WM_MBUTTONDOWN, 0, 0);

        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(presentationState, ClosingState);
        EXPECT_EQ(cursorCount(), cursorBefore);
        EXPECT_TRUE(mouseFree()) << "the mouse stays confined after the shutdown";
        EXPECT_EQ(fake.screenSaverSwitches, (std::vector<BOOL>{TRUE}));
        EXPECT_EQ(screenDC, nullptr) << "the shutdown ran";
        MSG quit;
        ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(quit.wParam, static_cast<WPARAM>(ExitNormal));
    }
}

TEST_F(CloseInsideTheChooserTest, AChooserThatCannotOpenReturnsToTheContentsWithTheCursor) {
    const int cursorBefore = cursorCount();
    enterLecture();
    SendMessageA(window, WM_MBUTTONDOWN, 0, 0); // no "Skip" scripted: the dialog fails
    EXPECT_EQ(presentationState, ContentsState);
    EXPECT_EQ(cursorCount(), cursorBefore);
    EXPECT_TRUE(mouseFree());
    deletePenTable();
}

} // namespace
