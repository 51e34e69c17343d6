#include "install/drive_scan.h"

#include "install/drive_scan_rules.h"
#include "platform/platform.h"

#include <windows.h>

#include <string_view>

std::string readDriveList() {
    char buffer[kDriveListBufferSize] = {};
    const DWORD length = platform().logicalDriveStrings(sizeof buffer, buffer);
    if (length == 0 || length >= sizeof buffer) {
        return {};
    }
    return std::string(buffer, length);
}

QuietDriveErrors::QuietDriveErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}

QuietDriveErrors::~QuietDriveErrors() {
    SetErrorMode(previous_);
}

bool contentEntryExists(const std::string& path) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return true;
}

bool ScanDrivesForContent(std::string& root) {
    const std::string list = readDriveList();
    QuietDriveErrors quiet;
    for (const std::string& drive : driveRootsToScan(list)) {
        const ContentPaths paths = contentPathsOnDrive(drive);
        if (contentEntryExists(paths.directory) && contentEntryExists(paths.program)) {
            root = paths.root;
            return true;
        }
    }
    return false;
}
