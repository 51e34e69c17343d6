#include "dialogs/dialogs.h"

BOOL passCloseRequestToProgram(HWND dialog) {
    // The program's window owns every dialog, directly or through another dialog.
    PostMessageA(GetAncestor(dialog, GA_ROOTOWNER), WM_CLOSE, 0, 0);
    return TRUE;
}
