// The full-screen modal dialogs the main window runs.
#pragma once

#include <windows.h>

// Runs a dialog from the large template when largeDialogs is 1, else from the small one,
// through the platform seam.
INT_PTR runTemplateDialog(const char* largeTemplate, const char* smallTemplate, HWND owner,
                          DLGPROC procedure);

// The intro dialog: 1 ends the program, anything else goes on.
INT_PTR runIntroDialog(HWND owner);
// The table of contents: 0 Begin, 1 Quit, 2 an index entry was chosen.
INT_PTR runContentsDialog(HWND owner);
// The slide chooser: 0 back to the table of contents, 100 + n for slide n.
INT_PTR runSlideChooser(HWND owner);
// The index of terms: 1 when an entry was chosen (indexSelection and the mode flags
// then tell which and how), 0 on Cancel.
INT_PTR runIndexDialog(HWND owner);
// The help picture with its Continue button; the result is Continue's command wParam.
INT_PTR runHelpDialog(HWND owner);

// A dialog's WM_CLOSE (Alt+F4 inside it): the close request of the whole program, handed to
// the main window, whose closing path destroys the dialogs with it. Returns TRUE.
BOOL passCloseRequestToProgram(HWND dialog);
