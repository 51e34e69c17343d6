// The slide chooser: a full-screen overview of the current series, one icon per slide
// with its number above and its script's name below; a click on an icon jumps to it.
#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "dialogs/chooser_grid.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/dialogs.h"
#include "display/display_globals.h"
#include "content/content_files.h"
#include "imaging/bitmap_primitives.h"
#include "platform/window_faces.h"

#include <windowsx.h>

#include <string>

namespace {

// 1 after a left button press inside the dialog, 0 after each drawing.
int clickArmed = 0;
// The text colour the presentation had when the chooser opened, given back at its end.
COLORREF notedTextColour = 0;
// 1 from the chooser's opening, which shows the cursor, until it ends: a chooser destroyed
// by a close request without an ending hides the cursor again, as the program's closing
// path shows it itself.
int chooserOpen = 0;
// 1 once the chooser opened during the current run: one that never opened has not shown
// the cursor for the table of contents.
int chooserOpened = 0;

std::string slideDirectoryOf(int slide) {
    return courseRoot + seriesName + "\\Slide" + std::to_string(slide) + "\\";
}

// A slide without a script is labelled "(no script)" so that the gap is visible.
std::string shownScriptName(const std::string& directory) {
    const std::optional<std::string> name = findFirstFileName(directory + "*.scp");
    return name ? chooserScriptLabel(*name) : "(no script)";
}

void drawCentred(int x, int y, const std::string& text) {
    TextOutA(screenDC, x, y, text.c_str(), static_cast<int>(text.size()));
}

void drawSlide(int slide) {
    const GridPoint corner = chooserIconCorner(slide);
    const std::string directory = slideDirectoryOf(slide);
    if (const std::optional<std::string> icon = findFirstFileName(directory + "*.icn")) {
        HBITMAP picture = LoadBitmapFile(directory + *icon, screenDC);
        if (picture != nullptr) {
            DrawBitmapAt(picture, screenDC, corner.x, corner.y);
            DeleteObject(picture);
        }
    }
    SetTextColor(screenDC, slide == currentSlide ? RGB(255, 0, 0) : RGB(0, 0, 0));
    drawCentred(corner.x + 50, corner.y - 5, "Slide " + std::to_string(slide));
    drawCentred(corner.x + 50, corner.y + 100, shownScriptName(directory));
}

void drawChooser() {
    HGDIOBJ keptFont = SelectObject(screenDC, programResources.labelFont);
    SetBkMode(screenDC, TRANSPARENT);
    SetTextColor(screenDC, RGB(0, 0, 0));
    SetTextAlign(screenDC, TA_CENTER | TA_BASELINE);
    for (int slide = 1; slide <= slideCount; ++slide) {
        drawSlide(slide);
    }
    SelectObject(screenDC, programResources.buttonFont);
    SetBkMode(screenDC, TRANSPARENT);
    SetTextColor(screenDC, RGB(0, 0, 0));
    SetTextAlign(screenDC, TA_CENTER | TA_BASELINE);
    drawCentred(512, 40, currentSeriesTitle);
    SelectObject(screenDC, keptFont);
    clickArmed = 0;
}

void endChooser(HWND dialog, INT_PTR result) {
    SetTextColor(screenDC, notedTextColour);
    chooserOpen = 0;
    EndDialog(dialog, result);
}

// Destroyed without an ending: the program is closing round the chooser.
void chooserDestroyed() {
    if (chooserOpen == 0) {
        return;
    }
    chooserOpen = 0;
    SetTextColor(screenDC, notedTextColour);
    ShowCursor(FALSE);
}

void leftButtonUp(HWND dialog, LPARAM position) {
    if (clickArmed == 0) {
        return; // a release without a press since the last drawing
    }
    const int slide = chooserSlideAt(GET_X_LPARAM(position), GET_Y_LPARAM(position), slideCount);
    if (slide == 0) {
        return;
    }
    ShowCursor(FALSE);
    endChooser(dialog, ChooserSlideBase + slide);
}

INT_PTR CALLBACK slideChooserProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        notedTextColour = GetTextColor(screenDC);
        ShowCursor(TRUE);
        chooserOpen = 1;
        chooserOpened = 1;
        PostMessageA(dialog, WM_PROCEED, 1, 0);
        return TRUE;
    case WM_PROCEED:
        // The dialog's face is on the screen first, so that what is drawn now stays on top.
        showWindowFace(dialog);
        drawChooser();
        return TRUE;
    case WM_LBUTTONDOWN:
        clickArmed = 1;
        return TRUE;
    case WM_LBUTTONUP:
        leftButtonUp(dialog, lParam);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_HELP_BUTTON) {
            runHelpDialog(dialog);
            PostMessageA(dialog, WM_PROCEED, 1, 0);
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_CONTENTS_BUTTON) {
            endChooser(dialog, ChooserToContents);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        return passCloseRequestToProgram(dialog);
    case WM_DESTROY:
        chooserDestroyed();
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR runSlideChooser(HWND owner) {
    chooserOpened = 0;
    const INT_PTR result = runTemplateDialog("Skip", "Skip1", owner, slideChooserProc);
    if (result != -1) {
        return result;
    }
    // A chooser that cannot be shown names no slide: back to the table of contents, with
    // the cursor shown there as the chooser would have shown it.
    if (chooserOpened == 0) {
        ShowCursor(TRUE);
    }
    return ChooserToContents;
}
