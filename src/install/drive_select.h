// The drive selection dialog of the installation, template "DriveSelect".
#pragma once

#include <windows.h>

#include <string>

// Lists the qualifying drives in its sorted drop-down list with the first selected. OK ends
// the dialog with the chosen row, Cancel with -1; Enter and Escape do nothing.
INT_PTR CALLBACK DriveSelectProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The drive root shown in the row chosen with OK; empty until a row is chosen.
extern std::string selectedDriveRoot;
