// The index dialog run for real from its templates, and the whole round from a term to
// its slide and back to the table of contents, on a real main window: checked by the
// results, the globals left behind and the pixels drawn on a screen that can be read.
#include "support/dialog_test.h"

#include "app/last_mode.h"
#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "content/script_line.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/dialogs.h"
#include "display/display_globals.h"
#include "imaging/dib_pixels.h"
#include "imaging/duo_format.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBigIconColour = RGB(200, 0, 0);
constexpr COLORREF kSmallIconColour = RGB(0, 0, 200);

std::string bmpFile(int width, int height, COLORREF colour) {
    const PixelImage image(width, height,
                           pixelRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
    const std::vector<std::uint8_t> bytes = encodeBmpFile(image, 24);
    return {bytes.begin(), bytes.end()};
}

class IndexDialogTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        screen.fill(kWhite);
    }
    // Writes a file of the course, making its directory first.
    void put(const std::string& relative, const std::string& bytes) {
        course.makeDirectory(relative.substr(0, relative.rfind('\\')));
        course.writeFile(relative, bytes);
    }
    void addTerm(const char* term, const char* series, int slide) {
        IndexEntry& entry = indexEntries[indexCount++];
        copyTextField(entry.term, term);
        copyTextField(entry.series, series);
        entry.slide = slide;
    }
    // Runs the index dialog from the template of largeDialogs, driven by `drive`.
    INT_PTR runIndex(const std::function<void(HWND)>& drive) {
        bool driven = false;
        fake.realDialogs[largeDialogs == 1 ? "Index" : "Index1"] = [&](HWND dialog) {
            driven = true;
            drive(dialog);
        };
        const INT_PTR result = runIndexDialog(window);
        EXPECT_TRUE(driven);
        return result;
    }
};

std::array<int, 6> flagsOf(const ModeFlags& f) {
    return {f.tutorialMode,   f.narrationEnabled, f.annotationsEnabled,
            f.queriesEnabled, f.quizMode,         f.indexMode};
}

HWND item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

// A template rectangle (x, y, width, height in dialog units) in pixels, each value mapped
// on its own as the dialog manager maps them: left, top, right, bottom.
RECT inPixels(HWND dialog, RECT units) {
    MapDialogRect(dialog, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

// The control's rectangle in the dialog's client area against the template's.
void expectPlaced(HWND dialog, HWND control, RECT units, const char* what) {
    const RECT expected = inPixels(dialog, units);
    RECT actual;
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, expected.left) << what;
    EXPECT_EQ(actual.top, expected.top) << what;
    EXPECT_EQ(actual.right, expected.right) << what;
    EXPECT_EQ(actual.bottom, expected.bottom) << what;
}

TEST_F(IndexDialogTest, TemplatesShowTheTermsInOrderWithTheLastChoiceAndNoIcon) {
    struct Case {
        int large;
        RECT dialog, ok, cancel, list, title; // x, y, width, height in dialog units
    };
    const Case cases[] = {
        {1,
         {50, 4, 164, 286},
         {18, 257, 50, 14},
         {96, 257, 50, 14},
         {19, 52, 126, 193},
         {64, 1, 36, 9}},
        {0,
         {30, 4, 141, 230},
         {19, 209, 50, 14},
         {72, 209, 50, 14},
         {19, 42, 102, 158},
         {53, 1, 36, 9}},
    };
    put("Corpus\\Heart\\Slide3\\a.icn", bmpFile(40, 40, kBigIconColour));
    for (const char* term : {"Vena cava", "Aorta", "Left atrium", "Aorta"}) {
        addTerm(term, "Heart", 3);
    }
    for (const Case& c : cases) {
        largeDialogs = c.large;
        indexSelection = 2;
        runIndex([&](HWND dialog) {
            // A popup with a modal frame and no caption, placed in screen coordinates.
            const LONG style = GetWindowLongA(dialog, GWL_STYLE);
            EXPECT_EQ(style & WS_POPUP, WS_POPUP);
            EXPECT_NE(style & WS_CAPTION, WS_CAPTION);
            EXPECT_NE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
            const RECT area = inPixels(dialog, c.dialog);
            POINT origin = {0, 0};
            ClientToScreen(dialog, &origin);
            RECT client;
            GetClientRect(dialog, &client);
            EXPECT_EQ(origin.x, area.left);
            EXPECT_EQ(origin.y, area.top);
            EXPECT_EQ(client.right, area.right - area.left);
            EXPECT_EQ(client.bottom, area.bottom - area.top);
            LOGFONTA font = {};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font,
                       &font);
            EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
            EXPECT_EQ(font.lfHeight, -16) << "12 point at 96 dots an inch";

            expectPlaced(dialog, item(dialog, IDOK), c.ok, "OK");
            expectPlaced(dialog, item(dialog, IDCANCEL), c.cancel, "Cancel");
            expectPlaced(dialog, item(dialog, IDC_INDEX_LIST), c.list, "list");
            HWND title = FindWindowExA(dialog, nullptr, "Static", "INDEX");
            ASSERT_NE(title, nullptr);
            expectPlaced(dialog, title, c.title, "INDEX");
            EXPECT_EQ(GetWindowLongA(title, GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
            EXPECT_EQ(GetWindowLongA(item(dialog, IDOK), GWL_STYLE) & BS_TYPEMASK,
                      BS_DEFPUSHBUTTON);
            EXPECT_EQ(GetWindowLongA(item(dialog, IDCANCEL), GWL_STYLE) & BS_TYPEMASK,
                      BS_PUSHBUTTON);
            HWND list = item(dialog, IDC_INDEX_LIST);
            const LONG listStyle = GetWindowLongA(list, GWL_STYLE);
            const LONG wanted =
                LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL | WS_VSCROLL | WS_TABSTOP;
            EXPECT_EQ(listStyle & wanted, wanted);
            // The list box turns its border into a sunken edge, on Windows as under Wine.
            EXPECT_TRUE((listStyle & WS_BORDER) != 0 ||
                        (GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
            EXPECT_EQ(listStyle & LBS_SORT, 0);

            // The terms in index.dat's order, twins included; the last choice highlighted.
            ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 4);
            char text[kIndexTermSize] = {};
            SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(text, "Vena cava");
            SendMessageA(list, LB_GETTEXT, 3, reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(text, "Aorta");
            EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2);
            EXPECT_EQ(GetFocus(), item(dialog, IDOK));
            EXPECT_EQ(screen.pixel(250, 50), kWhite) << "no icon before the highlight moves";
            SendMessageA(item(dialog, IDCANCEL), BM_CLICK, 0, 0);
        });
    }
}

TEST_F(IndexDialogTest, TheIconOfEachHighlightedTermIsDrawnOverTheOneBefore) {
    // Row 0's slide directory does not exist; row 3's holds no icon.
    put("Corpus\\Heart\\Slide12\\big.icn", bmpFile(80, 80, kBigIconColour));
    put("Corpus\\Brain\\Slide-3\\small.icn", bmpFile(30, 30, kSmallIconColour));
    put("Corpus\\Heart\\Slide4\\s.scp", "Image x\r\n");
    addTerm("Vena cava", "Heart", 99);
    addTerm("Left atrium", "Heart", 12);
    addTerm("Pons", "Brain", -3); // "%d" of a negative number
    addTerm("Valve", "Heart", 4);
    indexSelection = 0;
    runIndex([&](HWND dialog) {
        HWND list = item(dialog, IDC_INDEX_LIST);
        SetFocus(list);
        const auto down = [&] { SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0); };
        down();
        EXPECT_EQ(screen.pixel(250, 50), kBigIconColour);
        EXPECT_EQ(screen.pixel(329, 129), kBigIconColour);
        EXPECT_EQ(screen.pixel(330, 130), kWhite);
        EXPECT_EQ(screen.pixel(249, 49), kWhite);
        down();
        EXPECT_EQ(screen.pixel(250, 50), kSmallIconColour);
        EXPECT_EQ(screen.pixel(279, 79), kSmallIconColour);
        EXPECT_EQ(screen.pixel(280, 80), kBigIconColour) << "the larger icon's edge stays";
        EXPECT_EQ(screen.pixel(329, 129), kBigIconColour);
        down(); // no icon in its slide directory
        EXPECT_EQ(screen.pixel(250, 50), kSmallIconColour);
        SendMessageA(list, WM_KEYDOWN, VK_HOME, 0); // no slide directory at all
        EXPECT_EQ(screen.pixel(250, 50), kSmallIconColour);
        EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
        SendMessageA(item(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    EXPECT_TRUE(fake.messageBoxes.empty());
}

TEST_F(IndexDialogTest, ChoosingSetsLectureFlagsAndCancellingLeavesIndexViewing) {
    enum Way { OkButton, EnterKey, DoubleClick, CancelButton, EscapeKey, OkWithoutRow };
    struct Case {
        const char* name;
        Way way;
        int opensAt;
        INT_PTR result;
        int selection; // indexSelection afterwards
    };
    const Case cases[] = {
        {"OK", OkButton, 1, IndexEntryChosen, 1},
        {"Enter", EnterKey, 2, IndexEntryChosen, 2},
        {"a double click", DoubleClick, 0, IndexEntryChosen, 2},
        {"Cancel", CancelButton, 1, IndexCancelled, 1},
        {"Escape", EscapeKey, 2, IndexCancelled, 2},
        {"OK with no row highlighted", OkWithoutRow, 7, IndexCancelled, 7},
    };
    for (const char* term : {"Aorta", "Left atrium", "Pons"}) {
        addTerm(term, "Heart", 1);
    }
    largeDialogs = 0;
    for (const Case& c : cases) {
        indexSelection = c.opensAt;
        modeFlags = modeFlagsFor(ChosenMode::Tutorial);
        modeFlags.indexMode = 1;
        const INT_PTR result = runIndex([&](HWND dialog) {
            HWND list = item(dialog, IDC_INDEX_LIST);
            switch (c.way) {
            case OkButton:
                SendMessageA(item(dialog, IDOK), BM_CLICK, 0, 0);
                break;
            case EnterKey: // in the list, as after a Tab
                SetFocus(list);
                PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
                break;
            case DoubleClick: {
                RECT row;
                SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
                const LPARAM at = MAKELPARAM(row.left + 5, row.top + 3);
                SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
                SendMessageA(list, WM_LBUTTONUP, 0, at);
                SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
                SendMessageA(list, WM_LBUTTONUP, 0, at);
                break;
            }
            case CancelButton:
                SendMessageA(item(dialog, IDCANCEL), BM_CLICK, 0, 0);
                break;
            case EscapeKey:
                SetFocus(list);
                PostMessageA(list, WM_KEYDOWN, VK_ESCAPE, 0);
                break;
            case OkWithoutRow:
                EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
                SendMessageA(item(dialog, IDOK), BM_CLICK, 0, 0);
                EXPECT_TRUE(IsWindowVisible(dialog)) << "nothing to show: the dialog stays";
                SendMessageA(item(dialog, IDCANCEL), BM_CLICK, 0, 0);
                break;
            }
        });
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(indexSelection, c.selection) << c.name;
        const ModeFlags expected = [&] {
            if (c.result == IndexEntryChosen) {
                return modeFlagsFor(ChosenMode::IndexEntry);
            }
            ModeFlags kept = modeFlagsFor(ChosenMode::Tutorial);
            kept.indexMode = 0;
            return kept;
        }();
        EXPECT_EQ(flagsOf(modeFlags), flagsOf(expected)) << c.name;
    }
}

// The round: INDEX in the table of contents, a term chosen, its slide shown with the
// term's annotations, a right click back to the table of contents, which opens the index
// again by itself on the same term; Cancel there, and the table of contents shows
// Lecture Mode. A term whose slide cannot be read goes straight back.
class IndexRoundTest : public IndexDialogTest {
  protected:
    void SetUp() override {
        IndexDialogTest::SetUp();
        measureSlideFonts();
        createPenTable();
        lowerImageTop = 404;
        course.writeFile("Corpus\\config.dat", "Heart,The Heart\r\n");
        put("Corpus\\Heart\\abstract.txt", "The heart\r\n");
        const std::string slide = "Corpus\\Heart\\Slide2\\";
        const PixelImage view(1024, 364, pixelRgb(0, 90, 0));
        const std::vector<std::uint8_t> dib = encodePackedDib(view, 24);
        const std::vector<std::uint8_t> duo = encodeDuoFile(DuoPlacement{}, dib, dib);
        put(slide + "front.duo", std::string(duo.begin(), duo.end()));
        put(slide + "front.scp", "Image front\r\nTitle The slide's own title\r\n");
        put(slide + "front.ind", "Entry Aorta\r\nText Aorta,300 100 0\r\n"
                                 "Entry Left atrium\r\nColor Yellow\r\n"
                                 "Text Left atrium,600 200 8\r\n");
        put("Corpus\\Heart\\Slide5\\only.duo", std::string(duo.begin(), duo.end()));
        addTerm("Aorta", "Heart", 2);
        addTerm("Left atrium", "Heart", 2);
        addTerm("Unreadable", "Heart", 5); // a picture but no ".ind" file
    }
    void TearDown() override {
        releaseSlideImage();
        SelectObject(screenDC, GetStockObject(BLACK_PEN));
        deletePenTable();
        IndexDialogTest::TearDown();
    }
    // Handles the queue until the program would close (the table of contents quit).
    void runUntilClosing() {
        MSG message;
        while (presentationState != ClosingState &&
               PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
};

TEST_F(IndexRoundTest, FromATermToItsSlideAndBackToTheIndex) {
    struct Case {
        const char* name;
        int term;
        bool shown;
    };
    for (const Case& c : {Case{"a term with its annotations", 1, true},
                          Case{"a term whose slide has no .ind file", 2, false}}) {
        modeFlags = modeFlagsFor(ChosenMode::Tutorial);
        indexSelection = 0;
        presentationState = ContentsState;
        fake.beeps.clear();
        int contentsOpenings = 0;
        int indexOpenings = 0;
        fake.realDialogs["ModeAndSeriesSelect"] = [&](HWND dialog) {
            ++contentsOpenings;
            if (contentsOpenings == 1) {
                // The INDEX button takes the clicks on it; the list keeps its own, and the
                // keyboard goes from the list to INDEX.
                HWND button = item(dialog, IDC_INDEX_BUTTON);
                RECT r;
                GetWindowRect(button, &r);
                EXPECT_EQ(WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2}),
                          button);
                HWND list = item(dialog, IDC_SERIES_LIST);
                GetWindowRect(list, &r);
                EXPECT_EQ(WindowFromPoint({r.left + 20, r.top + 20}), list);
                EXPECT_EQ(GetNextDlgTabItem(dialog, list, FALSE), button);
                SendMessageA(button, BM_CLICK, 0, 0);
                return;
            }
            // Back after the slide: the index opened by itself and was cancelled.
            EXPECT_EQ(indexOpenings, 2);
            EXPECT_EQ(modeFlags.indexMode, 0);
            EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_LECTURE_MODE), BST_CHECKED);
            EXPECT_GT(count(RGB(255, 50, 200), 43, 100, 500, 135), 20)
                << "the abstract is drawn again";
            SendMessageA(item(dialog, IDC_QUIT_BUTTON), BM_CLICK, 0, 0);
        };
        fake.realDialogs["Index"] = [&](HWND dialog) {
            ++indexOpenings;
            HWND list = item(dialog, IDC_INDEX_LIST);
            if (indexOpenings == 1) {
                SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(c.term), 0);
                SendMessageA(item(dialog, IDOK), BM_CLICK, 0, 0);
                return;
            }
            EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), c.term) << "the term again";
            screen.fill(kWhite); // so that the abstract's redrawing is seen
            SendMessageA(item(dialog, IDCANCEL), BM_CLICK, 0, 0);
        };
        PostMessageA(window, WM_PROCEED, ProceedBegin, 0);
        runUntilClosing();
        if (c.shown) {
            ASSERT_EQ(presentationState, PresentingState) << c.name;
            // The picture with the term's annotation in both views, not the slide's own
            // script and not the other term's annotation.
            EXPECT_EQ(screen.pixel(100, 300), RGB(0, 90, 0));
            EXPECT_GT(count(RGB(255, 255, 0), 520, 170, 680, 210), 20);
            EXPECT_GT(count(RGB(255, 255, 0), 512, 574, 672, 614), 20);
            EXPECT_EQ(count(RGB(255, 255, 255), 0, 0, 1024, 60), 0) << "no title";
            EXPECT_EQ(count(RGB(255, 255, 255), 220, 70, 380, 110), 0);
            // The right button acts as the left: back to the table of contents.
            SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, 0);
            runUntilClosing();
        } else {
            EXPECT_EQ(fake.beeps, (std::vector<unsigned>{MB_ICONEXCLAMATION})) << c.name;
            EXPECT_EQ(slideImage, nullptr);
        }
        EXPECT_EQ(presentationState, ClosingState) << c.name;
        EXPECT_EQ(contentsOpenings, 2) << c.name;
        EXPECT_TRUE(fake.messageBoxes.empty()) << c.name;
        writeLastMode();
        EXPECT_EQ(readRegistryString("SOFTWARE\\ORBANA\\Lectern", "Last Mode"), "Lecture");
        // Leave the window standing for the next round.
        MSG closing;
        PeekMessageA(&closing, window, WM_PROCEED, WM_PROCEED, PM_REMOVE);
        releaseSlideImage();
    }
}

} // namespace
