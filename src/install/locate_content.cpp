#include "install/locate_content.h"

#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/content_globals.h"
#include "install/drive_scan.h"
#include "install/drive_scan_rules.h"
#include "install/install_rules.h"
#include "install/install_target.h"
#include "install/install_volumes.h"
#include "install/product_key.h"
#include "platform/platform.h"
#include "platform/registry.h"

#include <optional>
#include <vector>

namespace {

// The installation's message boxes and copy hand the window's messages on; a WM_PROCEED
// among them must not start the location a second time.
bool locating = false;

class LocatingFlag {
  public:
    LocatingFlag() { locating = true; }
    ~LocatingFlag() { locating = false; }
    LocatingFlag(const LocatingFlag&) = delete;
    LocatingFlag& operator=(const LocatingFlag&) = delete;
};

std::optional<std::string> readRecordValue(const RegistryKey& key, const char* name) {
    char value[kRecordValueSize] = {};
    if (!key || !queryStringValue(key, name, value, sizeof value)) {
        return std::nullopt;
    }
    return std::string(value);
}

// A drive with the space, where the copy would write into nothing of the user's.
bool anyDriveHasSpace() {
    std::vector<std::string> drives;
    return FindInstallTargets(freeSpaceThreshold, drives);
}

// The recorded copy counts when it and its program directory exist.
bool useInstalledCopy(const std::string& path) {
    if (!contentEntryExists(path) || !contentEntryExists(path + "\\program")) {
        return false;
    }
    courseRoot = path + "\\";
    return true;
}

// Everything but the last scan, with the product key open.
bool locateThroughRecord(HWND window) {
    bool created = false;
    const RegistryKey key = createProgramKey(kProductKey, &created);
    const std::optional<std::string> path =
        created ? std::nullopt : readRecordValue(key, kPathValue);
    const UtcDate today = platform().utcDate();
    const LocationStep step =
        planContentLocation(created || !key, path, anyDriveHasSpace,
                            [&] { return readRecordValue(key, kLastDeclinedValue).value_or(""); },
                            {today.day, today.month, today.year});
    switch (step) {
    case LocationStep::OfferInstallation:
        return InstallBothVolumes(window, key) == 1;
    case LocationStep::UseInstalledCopy:
        return useInstalledCopy(*path);
    case LocationStep::ScanDrives:
        return false;
    }
    return false;
}

} // namespace

int LocateContent(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_ENDSESSION && wParam) {
        // The session ends and takes the process with it once this returns: a copy under
        // way is not left behind.
        StagedCopy::discardCurrent();
    }
    if (message != WM_PROCEED || locating) {
        return HandlerNotHandled;
    }
    const LocatingFlag flag;
    const bool found = locateThroughRecord(window);
    if (presentationState == ClosingState) {
        return HandlerEndProgram; // closed during the installation: the program is ending
    }
    if (found) {
        return HandlerDone;
    }
    ScanDrivesForContent(courseRoot);
    if (courseRoot != kCourseRootNotFound) {
        return HandlerDone;
    }
    platform().messageBox(kNoContentText, kNoContentCaption, MB_OK);
    return HandlerEndProgram;
}
