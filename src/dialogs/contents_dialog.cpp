// The table of contents: the series of config.dat with the highlighted one's abstract,
// the mode to run it in, Begin, INDEX and Quit.
#include "ground/messages.h"
#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/dialogs.h"
#include "dialogs/series_list.h"
#include "display/display_globals.h"
#include "content/content_files.h"
#include "imaging/bitmap_primitives.h"
#include "platform/window_faces.h"

#include <cstring>
#include <string>

namespace {

SeriesEntry seriesTable[kMaxSeries] = {};
int seriesRows = 0;
int selectedSeries = 0;

constexpr COLORREF kAbstractColour = RGB(255, 50, 200);

void fillSeriesList(HWND dialog) {
    const std::optional<std::string> bytes = readContentFile(courseRoot + "config.dat");
    seriesRows = bytes ? readSeriesList(*bytes, seriesTable) : 0;
    for (int row = 0; row < seriesRows; ++row) {
        SendDlgItemMessageA(dialog, IDC_SERIES_LIST, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(seriesTable[row].title));
    }
}

// The INDEX button lies inside the series list's rectangle, and the list, made before it,
// lies above it: every click on INDEX reached the list. The list gives up the button's
// rectangle, so that the button takes its clicks and the list never paints over it,
// while the keyboard order stays the template's (INDEX, the modes, Begin, Quit).
void uncoverIndexButton(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_SERIES_LIST);
    HWND button = GetDlgItem(dialog, IDC_INDEX_BUTTON);
    RECT listRect = {};
    RECT buttonRect = {};
    if (list == nullptr || button == nullptr || !GetWindowRect(list, &listRect) ||
        !GetWindowRect(button, &buttonRect)) {
        return;
    }
    HRGN listArea =
        CreateRectRgn(0, 0, listRect.right - listRect.left, listRect.bottom - listRect.top);
    HRGN buttonArea =
        CreateRectRgn(buttonRect.left - listRect.left, buttonRect.top - listRect.top,
                      buttonRect.right - listRect.left, buttonRect.bottom - listRect.top);
    const bool cut = listArea != nullptr && buttonArea != nullptr &&
                     CombineRgn(listArea, listArea, buttonArea, RGN_DIFF) != ERROR;
    if (buttonArea != nullptr) {
        DeleteObject(buttonArea);
    }
    // Once set, the region belongs to the list.
    if (cut && SetWindowRgn(list, listArea, FALSE) != 0) {
        return;
    }
    if (listArea != nullptr) {
        DeleteObject(listArea);
    }
    // Without the cut the button goes above the list, where it takes its clicks too.
    SetWindowPos(button, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void checkRememberedMode(HWND dialog) {
    const int button = modeFlags.tutorialMode != 0 ? IDC_TUTORIAL_MODE
                       : modeFlags.quizMode != 0   ? IDC_QUIZ_MODE
                                                   : IDC_LECTURE_MODE;
    SendDlgItemMessageA(dialog, button, BM_SETCHECK, BST_CHECKED, 0);
}

void drawAbstract(int row) {
    PatBlt(screenDC, 38, 102, 949, 212, BLACKNESS);
    if (row < 0 || row >= seriesRows) {
        return;
    }
    const std::string series = courseRoot + seriesTable[row].directory;
    HBITMAP picture = LoadBitmapFile(series + "\\abstract.bmp", screenDC);
    if (picture != nullptr) {
        DrawBitmapAt(picture, screenDC, 681, 109);
        DeleteObject(picture);
    }
    SetBkMode(screenDC, TRANSPARENT);
    SetTextAlign(screenDC, TA_BASELINE);
    SelectObject(screenDC, programResources.abstractFont);
    SetTextColor(screenDC, kAbstractColour);
    const std::optional<std::string> bytes = readContentFile(series + "\\abstract.txt");
    if (!bytes) {
        return;
    }
    int drawn = 0;
    for (const std::string& line : readAbstractLines(*bytes)) {
        TextOutA(screenDC, 43, 130 + 35 * drawn, line.c_str(), static_cast<int>(line.size()));
        ++drawn;
    }
}

int countSlides() {
    int n = 1;
    while (findFirstFileName(courseRoot + seriesName + "\\Slide" + std::to_string(n) + "\\*.scp")) {
        ++n;
    }
    return n - 1;
}

bool checked(HWND dialog, int button) {
    return SendDlgItemMessageA(dialog, button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void begin(HWND dialog) {
    if (selectedSeries < 0 || selectedSeries >= seriesRows) {
        return; // an empty list, or no row highlighted: nothing to begin
    }
    std::strcpy(seriesName, seriesTable[selectedSeries].directory);
    std::strcpy(currentSeriesTitle, seriesTable[selectedSeries].title);
    slideCount = countSlides();
    const ChosenMode mode = checked(dialog, IDC_LECTURE_MODE) ? ChosenMode::Lecture
                            : checked(dialog, IDC_QUIZ_MODE)  ? ChosenMode::Quiz
                                                              : ChosenMode::Tutorial;
    modeFlags = modeFlagsFor(mode);
    EndDialog(dialog, ContentsBegin);
}

void openIndex(HWND dialog) {
    if (runIndexDialog(dialog) == 1) {
        EndDialog(dialog, ContentsIndexEntry);
        return;
    }
    // Redraw the abstract where the index dialog covered it.
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SERIES_LIST, LBN_SELCHANGE), 0);
}

BOOL seriesListNotified(HWND dialog, WORD notification) {
    const int selection =
        static_cast<int>(SendDlgItemMessageA(dialog, IDC_SERIES_LIST, LB_GETCURSEL, 0, 0));
    if (notification == LBN_SELCHANGE) {
        selectedSeries = selection;
        showWindowFace(dialog); // the list's new highlight first, then the band over it
        drawAbstract(selectedSeries);
        return TRUE;
    }
    if (notification == LBN_DBLCLK && selection != LB_ERR) {
        selectedSeries = selection;
        begin(dialog);
        return TRUE;
    }
    return FALSE;
}

BOOL command(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDC_SERIES_LIST:
        return seriesListNotified(dialog, HIWORD(wParam));
    case IDC_BEGIN_BUTTON:
        begin(dialog);
        return TRUE;
    case IDC_INDEX_BUTTON:
        if (indexCount != 0) {
            openIndex(dialog);
        }
        return TRUE;
    case IDC_QUIT_BUTTON:
        EndDialog(dialog, ContentsQuit);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK contentsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        fillSeriesList(dialog);
        uncoverIndexButton(dialog);
        SendDlgItemMessageA(dialog, IDC_SERIES_LIST, WM_SETFONT,
                            reinterpret_cast<WPARAM>(programResources.listFont), FALSE);
        checkRememberedMode(dialog);
        SendDlgItemMessageA(dialog, IDC_SERIES_LIST, LB_SETCURSEL, 0, 0);
        selectedSeries = 0;
        PostMessageA(dialog, WM_PROCEED, 1, 0);
        return TRUE;
    case WM_PROCEED:
        // The dialog's face is on the screen first, so that what is drawn now stays on top.
        showWindowFace(dialog);
        drawAbstract(selectedSeries);
        if (modeFlags.indexMode != 0) {
            openIndex(dialog); // back to the index after a slide shown from it
        }
        return TRUE;
    case WM_COMMAND:
        return command(dialog, wParam);
    case WM_CLOSE:
        return passCloseRequestToProgram(dialog);
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR runContentsDialog(HWND owner) {
    const INT_PTR result =
        runTemplateDialog("ModeAndSeriesSelect", "ModeAndSeriesSelect1", owner, contentsProc);
    // A table of contents that cannot be shown leaves nothing to choose: the program ends
    // rather than start a presentation nobody chose.
    return result == -1 ? INT_PTR{ContentsQuit} : result;
}
