#include "install/drive_space.h"

#include "install/drive_scan.h"
#include "install/drive_scan_rules.h"
#include "install/install_rules.h"
#include "platform/platform.h"

bool FindDrivesWithSpace(std::uint64_t threshold, std::vector<std::string>& drives) {
    drives.clear();
    const std::string list = readDriveList();
    QuietDriveErrors quiet;
    for (const std::string& drive : driveRootsToScan(list)) {
        std::uint64_t freeBytes = 0;
        const bool known = platform().freeDiskSpace(drive.c_str(), freeBytes);
        if (driveHasSpace(known, freeBytes, threshold)) {
            drives.push_back(drive);
        }
    }
    return !drives.empty();
}
