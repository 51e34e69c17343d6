// Slide playback on a real window: every element kind drawn into both views, the erase
// boxes, and the flow of Lecture and Tutorial slides, read back as pixels of a DIB
// section standing in for the screen.
#include "support/program_harness.h"
#include "support/screen_dib.h"

#include "app/erase_memory.h"
#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "app/stereo_pointer.h"
#include "ground/content_globals.h"
#include "display/display_globals.h"

#include <cstring>
#include <initializer_list>

namespace {

SlideElement element(int kind, const char* text = "", int x = 0, int y = 0, int value = 0,
                     int x2 = 0, int y2 = 0, int value2 = 0, int extra = 0) {
    SlideElement e = {};
    e.kind = kind;
    std::strncpy(e.text, text, sizeof e.text - 1);
    e.x = x;
    e.y = y;
    e.value = value;
    e.x2 = x2;
    e.y2 = y2;
    e.value2 = value2;
    e.extra = extra;
    return e;
}

// The steps up to the one that opens the table of contents again.
std::vector<ProceedStep> untilContents(const std::vector<ProceedStep>& steps) {
    std::vector<ProceedStep> prefix;
    for (const ProceedStep& step : steps) {
        prefix.push_back(step);
        if (step.state == ContentsState) {
            break;
        }
    }
    return prefix;
}

class PlaybackTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        DeleteDC(screenDC);
        screenDC = screen.dc();
        createFontTable();
        measureSlideFonts();
        createPenTable();
        lowerImageTop = 410;
        presentationState = PresentingState;
        SetBkMode(screenDC, TRANSPARENT);
        SetTextColor(screenDC, colourTable[0]);
        SelectObject(screenDC, programResources.penTable[0]);
        titleBox = captionBox = {0, 0, 0, 0, 0};
    }
    void TearDown() override {
        SelectObject(screenDC, GetStockObject(SYSTEM_FONT));
        SelectObject(screenDC, GetStockObject(BLACK_PEN));
        deleteFontTable();
        deletePenTable();
        releaseSlideImage();
        screenDC = nullptr;
        MainWindowTest::TearDown();
    }
    // Loads a slide's elements as the readers leave them and starts at its first element.
    void loadSlide(std::initializer_list<SlideElement> elements) {
        int n = 0;
        for (const SlideElement& e : elements) {
            slideElements[++n] = e;
        }
        slideElements[0].kind = n;
        slideElements[n + 1].kind = EndOfSlide;
        elementIndex = 0;
    }
    // Handles the queue until the presentation has left for the table of contents, and
    // takes out the step that would open it.
    void pumpUntilContents() {
        MSG message;
        while (presentationState != ContentsState &&
               PeekMessageA(&message, window, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        PeekMessageA(&message, window, WM_PROCEED, WM_PROCEED, PM_REMOVE);
    }
    // The device the scripted MCI_OPEN of a narration file gave (its id is its place in
    // the record, counted from 1).
    MCIDEVICEID openedDevice(const std::string& name) const {
        for (std::size_t i = 0; i < fake.mciCommands.size(); ++i) {
            const std::string& element = fake.mciCommands[i].element;
            if (element.size() >= name.size() + 4 &&
                element.compare(element.size() - name.size() - 4, name.size(), name) == 0) {
                return static_cast<MCIDEVICEID>(i + 1);
            }
        }
        ADD_FAILURE() << "no narration " << name << " was opened";
        return 0;
    }
    int closes(MCIDEVICEID device) const {
        int n = 0;
        for (const RecordedMci& command : fake.mciCommands) {
            n += command.message == MCI_CLOSE && command.device == device;
        }
        return n;
    }
    void runOne(const SlideElement& e) {
        loadSlide({e});
        runThrough = 1; // no waiting; the end marker then stops
        SendMessageA(window, WM_PROCEED, ProceedNextElement, 0);
        pumpMessages();
    }
    // Every pixel of the upper rectangle equals the pixel `disparity` to the left and
    // lowerImageTop rows down: the element was drawn the same in both views.
    void expectSameInBothViews(int left, int top, int width, int height, int disparity) {
        int lit = 0;
        for (int y = top; y < top + height; ++y) {
            for (int x = left; x < left + width; ++x) {
                const COLORREF upper = screen.pixel(x, y);
                lit += upper != 0;
                ASSERT_EQ(upper, screen.pixel(x - disparity, y + lowerImageTop))
                    << "at " << x << "," << y;
            }
        }
        EXPECT_GT(lit, 0) << "nothing was drawn";
    }

    ScreenDib screen;
};

TEST_F(PlaybackTest, TextsTitlesCaptionsAndLinesAreDrawnInBothViews) {
    runOne(element(Text, "Left atrium", 300, 150, 6));
    expectSameInBothViews(200, 130, 200, 30, 6);

    screen.fill(0);
    runOne(element(Title, "The Heart"));
    expectSameInBothViews(400, 0, 224, 30, 0);

    screen.fill(0);
    runOne(element(Caption, "Anterior view"));
    expectSameInBothViews(400, 20, 224, 25, 0);

    screen.fill(0);
    runOne(element(Line, "", 100, 50, 4, 300, 50, 8));
    EXPECT_EQ(screen.pixel(100, 50), RGB(255, 255, 255));
    EXPECT_EQ(screen.pixel(299, 50), RGB(255, 255, 255));
    EXPECT_EQ(screen.pixel(300, 50), 0u) << "the end point is not drawn";
    EXPECT_EQ(screen.pixel(96, 460), RGB(255, 255, 255));
    EXPECT_EQ(screen.pixel(291, 460), RGB(255, 255, 255));
    EXPECT_EQ(screen.pixel(292, 460), 0u);
}

TEST_F(PlaybackTest, ColourAndFontSizeLastAcrossElements) {
    runOne(element(Color, "", 0, 0, 9));
    EXPECT_EQ(GetTextColor(screenDC), RGB(255, 255, 0));
    EXPECT_EQ(GetCurrentObject(screenDC, OBJ_PEN), programResources.penTable[9]);
    runOne(element(Line, "", 10, 10, 0, 20, 10, 0));
    EXPECT_EQ(screen.pixel(15, 10), RGB(255, 255, 0));

    runOne(element(Color, "", 0, 0, 250)); // no such colour: nothing changes
    runOne(element(Color, "", 0, 0, -1));
    EXPECT_EQ(GetTextColor(screenDC), RGB(255, 255, 0));

    const HFONT before = programResources.textFont;
    runOne(element(Fontsize, "", 0, 0, 40));
    LOGFONTA font = {};
    GetObjectA(programResources.textFont, sizeof font, &font);
    EXPECT_EQ(font.lfHeight, 40);
    EXPECT_EQ(font.lfWidth, 36);
    EXPECT_EQ(font.lfWeight, 500);
    EXPECT_EQ(GetObjectType(before), 0u) << "the replaced font is deleted";
    EXPECT_GE(textMeasure.height, 40);
}

TEST_F(PlaybackTest, EraseRestoresExactlyTheBoxInBothViews) {
    slideImage = makePatternPicture(screenDC);
    runOne(element(Image, "missing")); // no file: the picture stays as the test made it
    slideImage = makePatternPicture(screenDC);
    HDC pictureDC = CreateCompatibleDC(screenDC);
    HGDIOBJ old = SelectObject(pictureDC, slideImage);
    BitBlt(screenDC, 0, 0, 1024, 768, pictureDC, 0, 0, SRCCOPY);
    SelectObject(pictureDC, old);
    DeleteDC(pictureDC);

    runOne(element(EText, "Aorta", 500, 200, 5, 3));
    runOne(element(Text, "Overlapping text", 560, 205, 5));
    runOne(element(EraseText, "", 0, 0, 3));

    const ScreenRect upper = upperRect(textSlots[3]);
    const ScreenRect lower = lowerRect(textSlots[3], lowerImageTop);
    EXPECT_EQ(lower.left, upper.left - 5);
    for (const ScreenRect& r : {upper, lower}) {
        for (int y = r.top; y < r.top + r.height; ++y) {
            for (int x = r.left; x < r.left + r.width; ++x) {
                ASSERT_EQ(screen.pixel(x, y), patternColour(x, y)) << x << "," << y;
            }
        }
    }
    // The overlapping text outside the box stays.
    int changed = 0;
    for (int x = upper.left + upper.width; x < 700; ++x) {
        changed += screen.pixel(x, 200) != patternColour(x, 200);
    }
    EXPECT_GT(changed, 0);
}

TEST_F(PlaybackTest, EraseBoxesFollowTheMeasures) {
    runOne(element(EText, "A", 100, 100, 0, 7));
    EXPECT_EQ(textSlots[7].width, textMeasure.charWidth * 3 / 2);
    runOne(element(EText, "AB", 100, 100, 0, 7));
    EXPECT_EQ(textSlots[7].width, 2 * textMeasure.charWidth);
    EXPECT_EQ(textSlots[7].bottom, 100 + textMeasure.descent);
    runOne(element(Title, "Heart"));
    EXPECT_EQ(titleBox.centreX, 512);
    EXPECT_EQ(titleBox.bottom, 20 + titleMeasure.descent);
    EXPECT_EQ(titleBox.width, 5 * titleMeasure.charWidth);
    runOne(element(ELine, "", 10, 40, 3, 50, 20, 7, 99));
    EXPECT_EQ(lineSlots[99].upperLeft, 10);
    EXPECT_EQ(lineSlots[99].upperWidth, 42);
    EXPECT_EQ(lineSlots[99].lowerLeft, 7);
    EXPECT_EQ(lineSlots[99].lowerWidth, 38);
    EXPECT_EQ(lineSlots[99].top, 20);
    EXPECT_EQ(lineSlots[99].height, 22);
    // Slots outside 0 to 99 are neither written nor read.
    const EraseBox kept = textSlots[0];
    runOne(element(EText, "X", 1, 2, 3, 100));
    runOne(element(EText, "X", 1, 2, 3, -1));
    runOne(element(EraseText, "", 0, 0, 100));
    runOne(element(EraseLine, "", 0, 0, -5));
    EXPECT_EQ(textSlots[0].centreX, kept.centreX);
}

TEST_F(PlaybackTest, EraseTitleWithoutATitleCopiesNothing) {
    slideImage = makePatternPicture(screenDC);
    screen.fill(RGB(1, 2, 3));
    runOne(element(EraseTitle));
    runOne(element(EraseCaption));
    EXPECT_EQ(screen.pixel(512, 10), RGB(1, 2, 3));
    EXPECT_EQ(screen.pixel(0, 0), RGB(1, 2, 3));
}

TEST_F(PlaybackTest, AnotherPictureReleasesTheOneBefore) {
    slideImage = makePatternPicture(screenDC);
    const HBITMAP first = slideImage;
    runOne(element(Image, "none"));
    EXPECT_EQ(GetObjectType(first), 0u);
    // "Please Wait" on the cleared screen in both views, in the colour in use.
    EXPECT_EQ(screen.pixel(0, 0), 0u);
    int lit = 0;
    for (int x = 440; x < 590; ++x) {
        for (int y = 165; y < 185; ++y) {
            lit += screen.pixel(x, y) != 0 && screen.pixel(x, y + lowerImageTop) != 0;
        }
    }
    EXPECT_GT(lit, 0);
}

TEST_F(PlaybackTest, LectureFlowRunsToTheNextMarkPerClick) {
    modeFlags = modeFlagsFor(ChosenMode::Lecture);
    slideCount = 1;
    currentSlide = 1;
    loadSlide({element(Image, "x"), element(Title, "T"), element(Mark), element(Text, "a,", 1, 1),
               element(Mark), element(Caption, "C")});
    fake.dialogs.clear();
    SendMessageA(window, WM_PROCEED, ProceedNextElement, 0);
    pumpMessages();
    EXPECT_EQ(elementIndex, 1) << "only the first element runs by itself";
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    pumpMessages();
    EXPECT_EQ(elementIndex, 3);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    pumpMessages();
    EXPECT_EQ(elementIndex, 5);
    ProceedLog log;
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    pumpMessages();
    // The last group ends the slide and the next (past the end) returns to the contents.
    EXPECT_EQ(untilContents(log.steps()),
              (std::vector<ProceedStep>{{PresentingState, ProceedNextElement},
                                        {PresentingState, ProceedNextElement},
                                        {PresentingState, ProceedNextSlide},
                                        {ContentsState, ProceedBegin}}));
}

TEST_F(PlaybackTest, LectureDoubleClickRunsThroughAndWaitsAtTheEnd) {
    modeFlags = modeFlagsFor(ChosenMode::Lecture);
    slideCount = 1;
    currentSlide = 1;
    loadSlide({element(Image, "x"), element(Mark), element(Title, "T"), element(Mark)});
    SendMessageA(window, WM_PROCEED, ProceedNextElement, 0);
    pumpMessages();
    SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    pumpMessages();
    EXPECT_EQ(elementIndex, 4) << "stopped before the end marker, which it met once";
    EXPECT_EQ(runThrough, 0);
    EXPECT_EQ(presentationState, PresentingState);
    ProceedLog log;
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    pumpMessages();
    EXPECT_EQ(untilContents(log.steps()),
              (std::vector<ProceedStep>{{PresentingState, ProceedNextElement},
                                        {PresentingState, ProceedNextSlide},
                                        {ContentsState, ProceedBegin}}));
}

TEST_F(PlaybackTest, TutorialFlowRunsBetweenDelays) {
    modeFlags = modeFlagsFor(ChosenMode::Tutorial);
    slideCount = 1;
    currentSlide = 1;
    fake.clock = 7000;
    loadSlide({element(Image, "x"), element(Narration, "talk"), element(Delay, "", 0, 0, 5),
               element(Text, "a", 10, 10), element(EndOfSlide)});
    slideDirectory = "C:\\Course\\Heart\\Slide1\\";
    SendMessageA(window, WM_PROCEED, ProceedNextElement, 0);
    pumpMessages();
    EXPECT_EQ(elementIndex, 3);
    EXPECT_EQ(delayRunning, 1);
    EXPECT_EQ(delayStart, 7000u);
    EXPECT_EQ(delayLength, 5000u);
    EXPECT_EQ(narrationPlaying, 1);
    ASSERT_FALSE(fake.mciCommands.empty());
    EXPECT_EQ(fake.mciCommands[0].element, "C:\\Course\\Heart\\Slide1\\talk.wav");
    EXPECT_EQ(fake.mciCommands[1].flags, static_cast<DWORD_PTR>(MCI_NOTIFY));

    ProceedLog log;
    SendMessageA(window, WM_TIMER, DelayTimer, 0);
    pumpMessages();
    // The text follows at once, then the end, then the series of one slide is over.
    EXPECT_EQ(untilContents(log.steps()),
              (std::vector<ProceedStep>{{PresentingState, ProceedNextElement},
                                        {PresentingState, ProceedNextElement},
                                        {PresentingState, ProceedNextSlide},
                                        {ContentsState, ProceedBegin}}));
}

TEST_F(PlaybackTest, ANegativeDelayWaitsNoTime) {
    modeFlags = modeFlagsFor(ChosenMode::Tutorial);
    runThrough = 0;
    loadSlide({element(Delay, "", 0, 0, -3)});
    SendMessageA(window, WM_PROCEED, ProceedNextElement, 0);
    EXPECT_EQ(delayLength, 0u);
    KillTimer(window, DelayTimer);
}

TEST_F(PlaybackTest, AQueryHandsTheWindowToTheQuestion) {
    modeFlags = modeFlagsFor(ChosenMode::Tutorial);
    slideCount = 1;
    currentSlide = 1;
    loadSlide({element(Query, "q1"), element(Title, "after")});
    SendMessageA(window, WM_PROCEED, ProceedNextElement, 0);
    EXPECT_EQ(presentationState, QueryState);
    MSG posted;
    ASSERT_TRUE(PeekMessageA(&posted, window, WM_PROCEED, WM_PROCEED, PM_NOREMOVE));
    EXPECT_EQ(posted.wParam, static_cast<WPARAM>(ProceedBegin));
    EXPECT_EQ(posted.lParam, 1);
    ProceedLog log;
    pumpMessages();
    // The question ends at once here; Tutorial flow goes on with the slide.
    EXPECT_EQ(log.steps().at(1), (ProceedStep{PresentingState, ProceedNextElement}));
    EXPECT_GE(elementIndex, 2);
}

TEST_F(PlaybackTest, NoNarrationPlaysTheCoursesNotice) {
    courseRoot = "D:\\Corpus\\";
    runOne(element(NoNarration));
    ASSERT_FALSE(fake.mciCommands.empty());
    EXPECT_EQ(fake.mciCommands[0].element, "D:\\Corpus\\program\\nonarate.wav");
    EXPECT_EQ(narrationPlaying, 1);
    // A narration started while it still plays closes it first.
    runOne(element(Narration, "next"));
    ASSERT_EQ(fake.mciCommands.size(), 5u);
    EXPECT_EQ(fake.mciCommands[2].message, static_cast<UINT>(MCI_CLOSE));
}

TEST_F(PlaybackTest, ANarrationStartedWhileAnotherPlaysPlaysOn) {
    // Closing the first narration makes the system post its "aborted" notice, which comes
    // after the second has begun: it must not end the second.
    modeFlags = modeFlagsFor(ChosenMode::Tutorial);
    slideCount = 1;
    currentSlide = 1;
    slideDirectory = "C:\\Course\\Heart\\Slide1\\";
    loadSlide({element(Narration, "one"), element(Text, "a", 10, 10), element(Narration, "two"),
               element(Delay, "", 0, 0, 5)});
    SendMessageA(window, WM_PROCEED, ProceedNextElement, 0);
    pumpMessages();
    const MCIDEVICEID one = openedDevice("one");
    const MCIDEVICEID two = openedDevice("two");
    EXPECT_EQ(closes(one), 1);
    EXPECT_EQ(closes(two), 0) << "the second narration was cut off";
    EXPECT_EQ(narrationPlaying, 1);
    // Its own end closes it.
    fake.endPlay(two);
    pumpMessages();
    EXPECT_EQ(closes(two), 1);
    EXPECT_EQ(narrationPlaying, 0);
    KillTimer(window, DelayTimer);
}

TEST_F(PlaybackTest, ANarrationOutlivingTheSeriesIsClosedAndItsLateNoticeEndsNothingLater) {
    modeFlags = modeFlagsFor(ChosenMode::Tutorial);
    slideCount = 1;
    currentSlide = 1;
    slideDirectory = "C:\\Course\\Heart\\Slide1\\";
    loadSlide({element(Narration, "long")});
    SendMessageA(window, WM_PROCEED, ProceedNextElement, 0);
    pumpUntilContents();
    const MCIDEVICEID first = openedDevice("long");
    EXPECT_EQ(closes(first), 1) << "the series ended with its narration still open";
    EXPECT_EQ(narrationPlaying, 0);

    // A new presentation plays its narration when the first one's notice comes late.
    presentationState = PresentingState;
    loadSlide({element(Narration, "next"), element(Delay, "", 0, 0, 5)});
    SendMessageA(window, WM_PROCEED, ProceedNextElement, 0);
    PostMessageA(window, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, static_cast<LPARAM>(first));
    pumpMessages();
    EXPECT_EQ(closes(openedDevice("next")), 0);
    EXPECT_EQ(narrationPlaying, 1);
    KillTimer(window, DelayTimer);
}

TEST_F(PlaybackTest, CodeTwoReleasesThePictureAndEndsTheSeriesWithTheAdapterOff) {
    slideCount = 2;
    currentSlide = 2;
    noImageYet = 1; // as after an index slide
    slideImage = makePatternPicture(screenDC);
    const HBITMAP picture = slideImage;
    RECT clip = {0, 1, 1023, 350};
    ClipCursor(&clip);
    SendMessageA(window, WM_PROCEED, ProceedNextSlide, 0);
    EXPECT_EQ(GetObjectType(picture), 0u);
    EXPECT_EQ(presentationState, ContentsState);
    GetClipCursor(&clip);
    EXPECT_GT(clip.bottom, 350);
}

TEST_F(PlaybackTest, ClicksPastTheEndNeverReadBeyondTheList) {
    modeFlags = modeFlagsFor(ChosenMode::Lecture);
    loadSlide({element(Title, "T")});
    slideElements[3].kind = Title; // stale records behind the end marker
    elementIndex = 2;
    for (int i = 0; i < 3; ++i) {
        SendMessageA(window, WM_PROCEED, ProceedNextElement, 0);
        EXPECT_LE(elementIndex, 2);
    }
}

} // namespace
