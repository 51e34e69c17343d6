// The help dialog: the full-screen help picture of the mode in use and a Continue button.
#include "ground/messages.h"
#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/dialogs.h"
#include "display/display_globals.h"
#include "imaging/bitmap_primitives.h"
#include "platform/window_faces.h"

namespace {

INT_PTR CALLBACK helpProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageA(dialog, IDC_CONTINUE_BUTTON, WM_SETFONT,
                            reinterpret_cast<WPARAM>(programResources.buttonFont), FALSE);
        PostMessageA(dialog, WM_PROCEED, 1, 0);
        return TRUE;
    case WM_PROCEED:
        // The dialog's face is on the screen first, so that what is drawn now stays on top.
        showWindowFace(dialog);
        DrawBitmapFile(courseRoot + (modeFlags.tutorialMode == 1 ? "program\\helpauto.bmp"
                                                                 : "program\\helplect.bmp"),
                       screenDC);
        // The button paints itself again on top of the picture; it stays usable.
        SendDlgItemMessageA(dialog, IDC_CONTINUE_BUTTON, WM_ENABLE, 0, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_CONTINUE_BUTTON) {
            EndDialog(dialog, static_cast<INT_PTR>(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        return passCloseRequestToProgram(dialog);
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR runHelpDialog(HWND owner) {
    return runTemplateDialog("Help", "Help1", owner, helpProc);
}
