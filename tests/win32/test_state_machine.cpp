// The main window's state machine on a real window: dispatch, the presentation's message
// table and the user's controls, checked by what they post and change.
#include "support/program_harness.h"

#include "ground/messages.h"
#include "sound/narration.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "app/stereo_pointer.h"
#include "ground/content_globals.h"
#include "display/display_globals.h"

namespace {

// The posted messages waiting in the window's queue, taken out.
std::vector<std::pair<UINT, WPARAM>> takePosted(HWND window) {
    std::vector<std::pair<UINT, WPARAM>> posted;
    MSG message;
    while (PeekMessageA(&message, window, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE)) {
        posted.emplace_back(message.message, message.wParam);
    }
    return posted;
}

using Posted = std::vector<std::pair<UINT, WPARAM>>;

TEST_F(MainWindowTest, AnUnknownStateReportsBadStateForEveryMessage) {
    presentationState = 7;
    SendMessageA(window, WM_USER + 5, 0, 0);
    SendMessageA(window, WM_KEYDOWN, 'A', 0);
    ASSERT_EQ(fake.messageBoxes.size(), 2u);
    EXPECT_EQ(fake.messageBoxes[0].text, "Bad State");
    EXPECT_EQ(fake.messageBoxes[0].caption, "Error");
}

TEST_F(MainWindowTest, SuspendIsRefusedOnlyWhilePresenting) {
    presentationState = PresentingState;
    EXPECT_EQ(SendMessageA(window, WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0),
              BROADCAST_QUERY_DENY);
    presentationState = ContentsState;
    EXPECT_NE(SendMessageA(window, WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, 0),
              BROADCAST_QUERY_DENY);
}

TEST_F(MainWindowTest, EnteringAPresentationInLectureFlow) {
    presentationState = ContentsState;
    modeFlags = modeFlagsFor(ChosenMode::Lecture);
    currentSlide = 5;
    paused = runThrough = stepping = delayRunning = narrationPlaying = 1;
    noImageYet = 0;
    fake.dialogs["ModeAndSeriesSelect"] = [](HWND) -> INT_PTR { return ContentsBegin; };
    createPenTable();
    SetTextColor(screenDC, RGB(1, 2, 3));

    SendMessageA(window, WM_PROCEED, ProceedBegin, 0);

    EXPECT_EQ(presentationState, PresentingState);
    EXPECT_EQ(currentSlide, 0);
    EXPECT_EQ(paused + runThrough + stepping + delayRunning + narrationPlaying, 0);
    EXPECT_EQ(noImageYet, 1);
    EXPECT_EQ(pointerVisible, 1);
    RECT clip;
    GetClipCursor(&clip);
    EXPECT_EQ(clip.bottom, 350);
    EXPECT_EQ(GetTextColor(screenDC), RGB(255, 255, 255));
    EXPECT_EQ(GetBkMode(screenDC), TRANSPARENT);
    EXPECT_EQ(GetCurrentObject(screenDC, OBJ_PEN), programResources.penTable[0]);
    EXPECT_EQ(takePosted(window), (Posted{{WM_PROCEED, ProceedNextSlide}}));
    deletePenTable();
}

TEST_F(MainWindowTest, EnteringFromTheIndexBeginsTheIndexSlideInLectureFlowConfined) {
    // The flags as the index dialog and the table of contents leave them: an index entry is
    // Lecture flow with the pointer shown and the mouse confined.
    struct Case {
        ChosenMode mode;
        INT_PTR result;
        int pointer;
        bool confined;
        WPARAM first;
    };
    const Case cases[] = {
        {ChosenMode::IndexEntry, ContentsIndexEntry, 1, true, ProceedBegin},
    };
    for (const Case& c : cases) {
        presentationState = ContentsState;
        modeFlags = modeFlagsFor(ChosenMode::Quiz);
        fake.dialogs["ModeAndSeriesSelect"] = [&](HWND) -> INT_PTR {
            modeFlags = modeFlagsFor(c.mode);
            return c.result;
        };
        ClipCursor(nullptr);
        SendMessageA(window, WM_PROCEED, ProceedBegin, 0);
        ShowCursor(TRUE); // the presentation hid it
        EXPECT_EQ(pointerVisible, c.pointer) << c.result;
        RECT clip;
        GetClipCursor(&clip);
        EXPECT_EQ(clip.bottom == 350, c.confined) << c.result;
        EXPECT_EQ(takePosted(window), (Posted{{WM_PROCEED, c.first}})) << c.result;
    }
}

TEST_F(MainWindowTest, ClicksAndKeysInLectureFlow) {
    presentationState = PresentingState;
    modeFlags = modeFlagsFor(ChosenMode::Lecture);
    slideUntouched = 1;
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(stepping, 1);
    EXPECT_EQ(slideUntouched, 0);
    EXPECT_EQ(takePosted(window), (Posted{{WM_PROCEED, ProceedNextElement}}));

    SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    EXPECT_EQ(stepping, 0);
    EXPECT_EQ(runThrough, 1);
    EXPECT_EQ(takePosted(window), (Posted{{WM_PROCEED, ProceedNextElement}}));

    SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageA(window, WM_KEYDOWN, 'N', 0);
    SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_EQ(takePosted(window),
              (Posted{{WM_MBUTTONDOWN, 1}, {WM_MBUTTONDOWN, 1}, {WM_MBUTTONDOWN, 1}}));

    SendMessageA(window, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(window, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(window, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(pointerDepth, 2);
    EXPECT_TRUE(takePosted(window).empty()) << "Up and Down never open the slide chooser";

    modeFlags.indexMode = 1;
    SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_EQ(takePosted(window), (Posted{{WM_LBUTTONDOWN, 1}}));
}

TEST_F(MainWindowTest, RightDoubleClickGoesBackOrRestarts) {
    presentationState = PresentingState;
    struct Case {
        ChosenMode mode;
        int untouched;
        int slide;
        int expected;
    };
    const Case cases[] = {
        {ChosenMode::Lecture, 1, 4, 2},  // back one slide (code 2 adds 1)
        {ChosenMode::Lecture, 0, 4, 3},  // clicked: the same slide again
        {ChosenMode::Tutorial, 1, 4, 3}, // Tutorial always restarts
        {ChosenMode::Lecture, 1, 1, 0},  // slide 1 has none before it: restart slide 1
    };
    for (const Case& c : cases) {
        modeFlags = modeFlagsFor(c.mode);
        slideUntouched = c.untouched;
        currentSlide = c.slide;
        SendMessageA(window, WM_RBUTTONDBLCLK, MK_RBUTTON, 0);
        EXPECT_EQ(currentSlide, c.expected) << "from slide " << c.slide;
        EXPECT_EQ(takePosted(window), (Posted{{WM_PROCEED, ProceedNextSlide}}));
    }
}

TEST_F(MainWindowTest, PauseDuringADelayResumesWithWhatWasLeft) {
    presentationState = PresentingState;
    modeFlags = modeFlagsFor(ChosenMode::Tutorial);
    fake.clock = 50000;
    delayRunning = 1;
    delayStart = 50000;
    delayLength = 10000;
    SetTimer(window, DelayTimer, 10000, nullptr);
    fake.clock = 53250;

    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0); // pause
    EXPECT_EQ(paused, 1);
    EXPECT_EQ(delayRemaining, 6750u);
    EXPECT_EQ(delayRunning, 1) << "a paused Delay still holds the slide";

    fake.clock = 900000;                                 // held for a long time
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0); // resume
    EXPECT_EQ(paused, 0);
    EXPECT_EQ(delayStart, 900000u);
    EXPECT_EQ(delayLength, 6750u);
    EXPECT_TRUE(takePosted(window).empty());
    KillTimer(window, DelayTimer);
}

TEST_F(MainWindowTest, PauseAfterTheDelayRanOutResumesAtOnce) {
    presentationState = PresentingState;
    modeFlags = modeFlagsFor(ChosenMode::Tutorial);
    delayRunning = 1;
    delayStart = 1000;
    delayLength = 2000;
    fake.clock = 3500; // the time is over, its timer message not yet handled
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(delayRemaining, 0u);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(delayRunning, 0);
    EXPECT_EQ(takePosted(window), (Posted{{WM_PROCEED, ProceedNextElement}}));

    // A Delay that began while paused (the first click of a double click pauses) runs its
    // timer; a resume that finds no time left stops it, so it cannot move a later slide.
    paused = 1;
    delayRunning = 1;
    delayRemaining = 0;
    SetTimer(window, DelayTimer, 60000, nullptr);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(takePosted(window), (Posted{{WM_PROCEED, ProceedNextElement}}));
    EXPECT_FALSE(KillTimer(window, DelayTimer)) << "timer 1 still ran";
}

TEST_F(MainWindowTest, NarrationPauseResumeAndEnd) {
    presentationState = PresentingState;
    modeFlags = modeFlagsFor(ChosenMode::Tutorial);
    StartNarration("C:\\Course\\talk.wav", window);
    narrationPlaying = 1;
    ASSERT_EQ(fake.mciCommands.size(), 2u);
    const MCIDEVICEID device = fake.mciCommands[1].device; // the one playing
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    // A notification names its device: another device's end ends nothing here.
    SendMessageA(window, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, device + 1);
    EXPECT_EQ(narrationPlaying, 1);
    SendMessageA(window, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, device);
    EXPECT_EQ(narrationPlaying, 0);
    ASSERT_EQ(fake.mciCommands.size(), 5u);
    for (std::size_t i = 2; i < 5; ++i) {
        EXPECT_EQ(fake.mciCommands[i].device, device) << i;
    }
    EXPECT_EQ(fake.mciCommands[2].message, static_cast<UINT>(MCI_PAUSE));
    EXPECT_EQ(fake.mciCommands[3].message, static_cast<UINT>(MCI_RESUME));
    EXPECT_EQ(fake.mciCommands[4].message, static_cast<UINT>(MCI_CLOSE));
    // Now a pause click pauses only what still runs: no MCI command.
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(fake.mciCommands.size(), 5u);
}

TEST_F(MainWindowTest, TheDelayTimerMovesTheSlideOn) {
    presentationState = PresentingState;
    delayRunning = 1;
    SendMessageA(window, WM_TIMER, 7, 0);
    EXPECT_EQ(delayRunning, 1) << "other timers are ignored";
    SendMessageA(window, WM_TIMER, DelayTimer, 0);
    EXPECT_EQ(delayRunning, 0);
    EXPECT_EQ(takePosted(window), (Posted{{WM_PROCEED, ProceedNextElement}}));
}

TEST_F(MainWindowTest, SlideChooserGoesToASlide) {
    presentationState = PresentingState;
    modeFlags = modeFlagsFor(ChosenMode::Tutorial);
    narrationPlaying = 1;
    delayRunning = 1;
    paused = 1;
    delayStart = 0;
    delayLength = 10000;
    fake.clock = 4000;
    fake.dialogs["Skip"] = [](HWND owner) -> INT_PTR {
        EXPECT_EQ(pointerVisible, 0);
        PostMessageA(owner, WM_LBUTTONDOWN, 0, 0); // a stray click left behind by the dialog
        return ChooserSlideBase + 7;
    };
    largeDialogs = 1;
    SendMessageA(window, WM_MBUTTONDOWN, 0, 0);
    EXPECT_EQ(delayRemaining, 6000u);
    EXPECT_EQ(currentSlide, 6);
    EXPECT_EQ(paused, 0);
    EXPECT_EQ(delayRunning + narrationPlaying, 0);
    EXPECT_EQ(pointerVisible, 0);
    RECT clip;
    GetClipCursor(&clip);
    EXPECT_EQ(clip.bottom, 350) << "the mouse is confined in every mode after the chooser";
    ASSERT_EQ(fake.mciCommands.size(), 2u);
    EXPECT_EQ(fake.mciCommands[0].message, static_cast<UINT>(MCI_PAUSE));
    EXPECT_EQ(fake.mciCommands[1].message, static_cast<UINT>(MCI_CLOSE));
    EXPECT_EQ(takePosted(window), (Posted{{WM_PROCEED, ProceedNextSlide}}));
}

TEST_F(MainWindowTest, SlideChooserBackToTheTableOfContents) {
    presentationState = PresentingState;
    modeFlags = modeFlagsFor(ChosenMode::Lecture);
    slideImage = CreateCompatibleBitmap(screenDC, 8, 8);
    const HBITMAP picture = slideImage;
    fake.dialogs["Skip1"] = [](HWND) -> INT_PTR { return ChooserToContents; };
    largeDialogs = 0;
    SendMessageA(window, WM_MBUTTONDOWN, 0, 0);
    EXPECT_EQ(presentationState, ContentsState);
    EXPECT_EQ(slideImage, nullptr);
    EXPECT_EQ(GetObjectType(picture), 0u) << "the slide's picture is released";
    RECT clip;
    GetClipCursor(&clip);
    EXPECT_GT(clip.bottom, 350);
    EXPECT_EQ(takePosted(window), (Posted{{WM_PROCEED, ProceedBegin}}));
}

TEST_F(MainWindowTest, CloseRequestDuringAPresentationLeavesItFirst) {
    presentationState = PresentingState;
    narrationPlaying = 1;
    delayRunning = 1;
    SetTimer(window, DelayTimer, 60000, nullptr);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(presentationState, ClosingState);
    EXPECT_EQ(narrationPlaying + delayRunning, 0);
    ASSERT_EQ(fake.mciCommands.size(), 1u);
    EXPECT_EQ(fake.mciCommands[0].message, static_cast<UINT>(MCI_CLOSE));
    EXPECT_EQ(KillTimer(window, DelayTimer), FALSE) << "timer 1 was already killed";
    RECT clip;
    GetClipCursor(&clip);
    EXPECT_GT(clip.bottom, 350);
    EXPECT_TRUE(IsWindow(window)) << "the window goes when WM_PROCEED arrives";
    pumpMessages();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(fake.screenSaverSwitches, (std::vector<BOOL>{TRUE}));
    screenDC = nullptr; // the shutdown deleted it
}

} // namespace
