#include "install/drive_select.h"

#include "install/drive_select_ids.h"
#include "install/install_rules.h"
#include "install/install_target.h"

#include <vector>

std::string selectedDriveRoot;

namespace {

void listDrives(HWND dialog) {
    std::vector<std::string> drives;
    FindInstallTargets(freeSpaceThreshold, drives);
    for (const std::string& drive : drives) {
        SendDlgItemMessageA(dialog, IDC_DRIVE_LIST, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(drive.c_str()));
    }
    SendDlgItemMessageA(dialog, IDC_DRIVE_LIST, CB_SETCURSEL, 0, 0);
}

// Ends the dialog with the selected row, keeping the drive root it shows.
void endWithSelectedRow(HWND dialog) {
    const LRESULT row = SendDlgItemMessageA(dialog, IDC_DRIVE_LIST, CB_GETCURSEL, 0, 0);
    selectedDriveRoot.clear();
    if (row != CB_ERR) {
        const LRESULT length = SendDlgItemMessageA(dialog, IDC_DRIVE_LIST, CB_GETLBTEXTLEN,
                                                   static_cast<WPARAM>(row), 0);
        if (length != CB_ERR) {
            std::string text(static_cast<std::size_t>(length) + 1, '\0');
            SendDlgItemMessageA(dialog, IDC_DRIVE_LIST, CB_GETLBTEXT, static_cast<WPARAM>(row),
                                reinterpret_cast<LPARAM>(text.data()));
            text.resize(static_cast<std::size_t>(length));
            selectedDriveRoot = text;
        }
    }
    EndDialog(dialog, row);
}

} // namespace

INT_PTR CALLBACK DriveSelectProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        listDrives(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_DRIVE_OK:
            endWithSelectedRow(dialog);
            return TRUE;
        case IDC_DRIVE_CANCEL:
            EndDialog(dialog, -1);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}
