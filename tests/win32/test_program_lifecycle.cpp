// The program from start to end: the walk through its states, what creation makes, what
// the shutdown restores, and the remembered mode.
#include "support/program_harness.h"

#include "app/main_window.h"
#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "app/single_copy.h"
#include "app/stereo_pointer.h"
#include "ground/content_globals.h"
#include "display/display_globals.h"

namespace {

constexpr const char* kLectern = "SOFTWARE\\ORBANA\\Lectern";

class ProgramRunTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        course.makeDirectory("Corpus\\program");
    }
    TemporaryDirectory course;
};

TEST_F(ProgramRunTest, WalksThroughEveryStartStateAndQuits) {
    ProceedLog log;
    fake.dialogs["Intro"] = [](HWND) -> INT_PTR { return 0; };
    fake.dialogs["ModeAndSeriesSelect"] = [](HWND) -> INT_PTR { return ContentsQuit; };

    EXPECT_EQ(runProgramToEnd(), 0);

    const std::vector<ProceedStep> expected = {
        {CalibrationState, 1}, {LocationState, 1}, {IntroductionState, 1},
        {ContentsState, 1},    {ClosingState, 1},
    };
    EXPECT_EQ(log.steps(), expected);
    EXPECT_EQ(fake.dialogTemplates, (std::vector<std::string>{"Intro", "ModeAndSeriesSelect"}));
    EXPECT_EQ(courseRoot, course.path() + "\\Corpus\\");
    // The screen saver is off while the program runs and on afterwards.
    EXPECT_EQ(fake.screenSaverSwitches, (std::vector<BOOL>{FALSE, TRUE}));
    ASSERT_FALSE(fake.changedModes.empty());
    EXPECT_EQ(fake.changedModes.back().dmSize, 0) << "the stored display mode is restored";
    EXPECT_EQ(readRegistryString(kLectern, "Last Mode"), "Tutorial");
    // Everything made at creation is gone.
    EXPECT_EQ(screenDC, nullptr);
    EXPECT_EQ(programResources.labelFont, nullptr);
    EXPECT_EQ(programResources.penTable[199], nullptr);
    EXPECT_EQ(programResources.pointerIcon, nullptr);
}

TEST_F(ProgramRunTest, CreationLeavesEverythingReadyForTheFirstDialog) {
    bool checked = false;
    fake.dialogs["Intro"] = [&](HWND owner) -> INT_PTR {
        checked = true;
        EXPECT_EQ(GetCurrentObject(screenDC, OBJ_FONT), programResources.labelFont);
        EXPECT_EQ(GetCapture(), owner);
        EXPECT_TRUE(GetClassLongA(owner, GCL_STYLE) & CS_DBLCLKS);
        // The window covers the whole screen (Wine leaves a maximized pop-up of default
        // size at 1 x 1).
        RECT covered = {};
        GetWindowRect(owner, &covered);
        EXPECT_EQ(covered.left, 0);
        EXPECT_EQ(covered.top, 0);
        EXPECT_EQ(covered.right, GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(covered.bottom, GetSystemMetrics(SM_CYSCREEN));
        EXPECT_EQ(GetObjectType(programResources.pointerSaveUpper), OBJ_MEMDC);
        EXPECT_EQ(GetObjectType(programResources.pointerSaveLower), OBJ_MEMDC);
        EXPECT_NE(programResources.pointerIcon, nullptr);
        for (HFONT font :
             {programResources.versionFont, programResources.buttonFont, programResources.listFont,
              programResources.textFont, programResources.titleFont, programResources.labelFont,
              programResources.abstractFont}) {
            EXPECT_EQ(GetObjectType(font), OBJ_FONT);
        }
        LOGPEN pen = {};
        GetObjectA(programResources.penTable[9], sizeof pen, &pen);
        EXPECT_EQ(pen.lopnColor, RGB(255, 255, 0));
        GetObjectA(programResources.penTable[150], sizeof pen, &pen);
        EXPECT_EQ(pen.lopnColor, RGB(0, 0, 0));
        LOGFONTA font = {};
        GetObjectA(programResources.abstractFont, sizeof font, &font);
        EXPECT_EQ(font.lfHeight, 32);
        EXPECT_EQ(font.lfWeight, 700);
        EXPECT_EQ(font.lfPitchAndFamily, FIXED_PITCH);
        EXPECT_STREQ(font.lfFaceName, "Courier New");
        GetObjectA(programResources.textFont, sizeof font, &font);
        EXPECT_EQ(font.lfHeight, 10);
        EXPECT_EQ(font.lfWidth, 9);
        EXPECT_EQ(font.lfWeight, 500);
        EXPECT_GT(captionMeasure.height, 0);
        EXPECT_GE(captionMeasure.charWidth, 1);
        RECT clip = pointerClip;
        EXPECT_EQ(clip.left, 0);
        EXPECT_EQ(clip.top, 1);
        EXPECT_EQ(clip.right, 1023);
        EXPECT_EQ(clip.bottom, 350);
        EXPECT_EQ(screenGeometry.bandTop, 364);
        EXPECT_EQ(screenGeometry.bandHeight, 40);
        return 1; // the intro ends the program
    };
    modeFlags.indexMode = 1;
    EXPECT_EQ(runProgramToEnd(), 0);
    EXPECT_TRUE(checked);
    EXPECT_EQ(modeFlags.indexMode, 0);
}

TEST_F(ProgramRunTest, RemembersTheModeFromOneRunToTheNext) {
    struct Case {
        const char* stored; // nullptr: no key at all
        int tutorial;
        int quiz;
        const char* writtenBack;
    };
    const Case cases[] = {
        {nullptr, 1, 0, "Tutorial"},    {"Quiz", 0, 1, "Quiz"},        {"Lecture", 0, 0, "Lecture"},
        {"Tutorial", 1, 0, "Tutorial"}, {"lecture", 1, 0, "Tutorial"}, {"Quiz ", 1, 0, "Tutorial"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored != nullptr ? c.stored : "no key");
        resetProgramState();
        clearProgramRegistry();
        storeCalibration();
        if (c.stored != nullptr) {
            writeRegistryString(kLectern, "Last Mode", c.stored);
        }
        int seenTutorial = -1;
        int seenQuiz = -1;
        fake.dialogs["ModeAndSeriesSelect"] = [&](HWND) -> INT_PTR {
            seenTutorial = modeFlags.tutorialMode;
            seenQuiz = modeFlags.quizMode;
            return ContentsQuit;
        };
        EXPECT_EQ(runProgramToEnd(), 0);
        EXPECT_EQ(seenTutorial, c.tutorial);
        EXPECT_EQ(seenQuiz, c.quiz);
        EXPECT_EQ(readRegistryString(kLectern, "Last Mode"), c.writtenBack);
    }
}

TEST_F(ProgramTest, FailedDisplayCheckClosesWithNothingCreated) {
    TemporaryDirectory empty; // no Corpus here, and none on the scripted drives
    fake.driveStrings.clear();
    ProceedLog log;
    EXPECT_EQ(runProgramToEnd(), ExitStartFailed) << "a program that could not start";

    EXPECT_EQ(log.steps(), (std::vector<ProceedStep>{{ClosingState, 1}}));
    ASSERT_FALSE(fake.messageBoxes.empty());
    EXPECT_EQ(fake.messageBoxes.front().caption, "No Program Directory!");
    EXPECT_TRUE(fake.dialogTemplates.empty());
    EXPECT_EQ(fake.screenSaverSwitches, (std::vector<BOOL>{TRUE}));
    ASSERT_FALSE(fake.changedModes.empty());
    EXPECT_EQ(fake.changedModes.back().dmSize, 0);
    EXPECT_EQ(readRegistryString(kLectern, "Last Mode"), "Lecture");
}

TEST_F(ProgramRunTest, ADeclinedCalibrationEndsWithTheCodeOfAFailedStart) {
    clearProgramRegistry();          // never calibrated
    fake.messageBoxAnswers = {IDNO}; // "No Calibration!": no hardware connected
    EXPECT_EQ(runProgramToEnd(), ExitStartFailed);
    ASSERT_EQ(fake.messageBoxes.size(), 2u);
    EXPECT_EQ(fake.messageBoxes[1].caption, "Connect Hardware");
    EXPECT_TRUE(fake.dialogTemplates.empty());
}

TEST_F(ProgramRunTest, CloseRequestTakesTheClosingPath) {
    // Alt+F4 while the intro dialog runs: the shutdown still runs and the loop ends.
    fake.dialogs["Intro"] = [](HWND owner) -> INT_PTR {
        PostMessageA(owner, WM_CLOSE, 0, 0);
        return 0;
    };
    ProceedLog log;
    EXPECT_EQ(runProgramToEnd(), 0);
    EXPECT_EQ(log.steps().back(), (ProceedStep{ClosingState, 1}));
    EXPECT_EQ(fake.dialogTemplates, (std::vector<std::string>{"Intro"}));
    EXPECT_EQ(fake.screenSaverSwitches, (std::vector<BOOL>{FALSE, TRUE}));
    EXPECT_EQ(readRegistryString(kLectern, "Last Mode"), "Tutorial");
}

} // namespace

namespace {

TEST_F(MainWindowTest, ASecondStartBringsTheRunningCopyForwardAndEndsAtOnce) {
    // This test's window and claim stand for the copy that runs.
    const SingleCopy running;
    ASSERT_TRUE(running.isFirst());
    ShowWindow(window, SW_SHOWNOACTIVATE);
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(other);
    ASSERT_EQ(GetForegroundWindow(), other);

    EXPECT_EQ(runProgramToEnd(10), ExitNormal);

    EXPECT_EQ(GetForegroundWindow(), window) << "the running copy is brought to the front";
    EXPECT_EQ(presentationState, ClosingState) << "the running copy's state is untouched";
    EXPECT_TRUE(fake.messageBoxes.empty());
    EXPECT_TRUE(fake.dialogTemplates.empty());
    EXPECT_TRUE(fake.changedModes.empty()) << "the display mode stays the running copy's";
    EXPECT_TRUE(fake.screenSaverSwitches.empty());
    DestroyWindow(other);
}

} // namespace
