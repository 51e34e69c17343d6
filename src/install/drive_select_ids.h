// Control ids of the drive selection dialog (shared by the .rc file and its procedure).
#pragma once

#define IDC_DRIVE_OK 1000
#define IDC_DRIVE_CANCEL 1001
#define IDC_DRIVE_LIST 1004
