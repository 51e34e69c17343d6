// The index of terms: the terms of index.dat in their order, the icon of the highlighted
// term's slide drawn beside the list, and the choice of one term, whose slide the main
// window then shows on its own.
#include "ground/messages.h"
#include "content/content_files.h"
#include "ground/content_globals.h"
#include "content/content_paths.h"
#include "content/script_line.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/dialogs.h"
#include "display/display_globals.h"
#include "imaging/bitmap_primitives.h"
#include "platform/window_faces.h"

#include <optional>
#include <string>

namespace {

// Where the slide icon's top-left corner lies on the screen.
constexpr int kIconLeft = 250;
constexpr int kIconTop = 50;

void fillTermList(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_INDEX_LIST);
    // Room for every term at once, and no drawing until the last is in: a full index
    // opens without a wait.
    SendMessageA(list, LB_INITSTORAGE, static_cast<WPARAM>(indexCount),
                 static_cast<LPARAM>(indexCount) * kIndexTermSize);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (int entry = 0; entry < indexCount; ++entry) {
        const std::string term(textFieldView(indexEntries[entry].term));
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(term.c_str()));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(indexSelection), 0);
}

// The highlighted row, or none when no row is highlighted (an empty list, or a last
// choice beyond the list).
std::optional<int> highlightedEntry(HWND dialog) {
    const LRESULT row = SendDlgItemMessageA(dialog, IDC_INDEX_LIST, LB_GETCURSEL, 0, 0);
    if (row < 0 || row >= indexCount) {
        return std::nullopt;
    }
    return static_cast<int>(row);
}

// Draws the first "*.icn" of the entry's slide directory over what the screen shows
// there; the icon before it is not erased. A slide directory that does not exist, or
// holds no readable icon, draws nothing.
void drawSlideIcon(HWND dialog, int entry) {
    const IndexEntry& term = indexEntries[entry];
    const std::string directory =
        slideDirectoryPath(courseRoot, textFieldView(term.series), term.slide);
    const std::optional<std::string> icon = findFirstFileName(directory + "*.icn");
    if (!icon) {
        return;
    }
    HBITMAP picture = LoadBitmapFile(directory + *icon, screenDC);
    if (picture == nullptr) {
        return;
    }
    // The dialog's face, with the list's new highlight, is on the screen first, so that the
    // icon stays on top of it.
    showWindowFace(dialog);
    DrawBitmapAt(picture, screenDC, kIconLeft, kIconTop);
    DeleteObject(picture);
}

// OK, Enter or a double click: the highlighted term is shown from the index, with the
// flags of Lecture Mode. With no row highlighted there is nothing to show and the dialog
// stays open.
void chooseEntry(HWND dialog) {
    const std::optional<int> entry = highlightedEntry(dialog);
    if (!entry) {
        return;
    }
    indexSelection = *entry;
    modeFlags = modeFlagsFor(ChosenMode::IndexEntry);
    EndDialog(dialog, IndexEntryChosen);
}

BOOL termListNotified(HWND dialog, WORD notification) {
    if (notification == LBN_SELCHANGE) {
        if (const std::optional<int> entry = highlightedEntry(dialog)) {
            drawSlideIcon(dialog, *entry);
        }
        return FALSE;
    }
    if (notification == LBN_DBLCLK) {
        chooseEntry(dialog);
        return TRUE;
    }
    return FALSE;
}

BOOL command(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
        chooseEntry(dialog);
        return TRUE;
    case IDCANCEL:
        modeFlags.indexMode = 0;
        EndDialog(dialog, IndexCancelled);
        return TRUE;
    case IDC_INDEX_LIST:
        return termListNotified(dialog, HIWORD(wParam));
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK indexProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        fillTermList(dialog);
        return TRUE; // the focus goes to OK; no icon until the highlight moves
    case WM_COMMAND:
        return command(dialog, wParam);
    case WM_CLOSE:
        // Alt+F4 closes the program, as in every dialog: nothing is chosen.
        modeFlags.indexMode = 0;
        return passCloseRequestToProgram(dialog);
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR runIndexDialog(HWND owner) {
    const INT_PTR result = runTemplateDialog("Index", "Index1", owner, indexProc);
    if (result == -1) {
        // An index that cannot be shown chose nothing: leave index viewing as Cancel does,
        // so that the table of contents does not try to open it again and again.
        modeFlags.indexMode = 0;
        return IndexCancelled;
    }
    return result;
}
