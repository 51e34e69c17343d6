// The start-up checks in their order: the content directory, the newest version record,
// the system font and the display mode. The first that fails ends them with 0.
#include "display/display_checks.h"

#include "ground/messages.h"
#include "ground/content_globals.h"
#include "display/display_check_rules.h"
#include "display/display_globals.h"
#include "display/display_mode_setting.h"
#include "install/drive_scan.h"
#include "install/drive_scan_rules.h"
#include "install/product_key.h"
#include "platform/platform.h"
#include "platform/registry.h"

#include <windows.h>

namespace {

// The current directory is looked at only when it fits in 200 characters.
constexpr DWORD kCurrentDirectoryLength = 200;

bool findContentInCurrentDirectory(std::string& root) {
    char current[kCurrentDirectoryLength + 1] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof current, current);
    if (length == 0 || length > kCurrentDirectoryLength) {
        return false;
    }
    const ContentPaths paths = contentPathsInDirectory(current);
    if (!contentEntryExists(paths.program)) {
        return false;
    }
    root = paths.root;
    return true;
}

bool findContentDirectory(std::string& root) {
    if (!findContentInCurrentDirectory(root)) {
        ScanDrivesForContent(root);
    }
    return root != kCourseRootNotFound;
}

// A product key that cannot be created or opened is passed over silently.
void recordNewestVersion() {
    bool created = false;
    const RegistryKey key = createProgramKey(kProductKey, &created);
    if (!key) {
        return;
    }
    char stored[kNewestVersionBufferSize] = {}; // a failed read leaves it empty
    if (!created) {
        queryStringValue(key, kNewestVersionValue, stored, sizeof stored);
    }
    switch (newestVersionStep(created, stored, programVersion)) {
    case NewestVersionStep::WriteProgramVersion:
        writeStringValue(key, kNewestVersionValue, programVersion);
        break;
    case NewestVersionStep::WarnNewerRecorded:
        platform().messageBox(kObsoleteVersionText, kObsoleteVersionCaption, MB_OK);
        break;
    case NewestVersionStep::Nothing:
        break;
    }
}

bool checkSystemFont() {
    const int large = largeDialogsForBaseUnits(platform().dialogBaseUnits());
    if (large < 0) {
        platform().messageBox(kAbnormalFontText, kAbnormalFontCaption, MB_OK);
        return false;
    }
    largeDialogs = large;
    return true;
}

} // namespace

int CheckDisplayEnvironment(std::string& root) {
    if (!findContentDirectory(root)) {
        platform().messageBox(kNoContentText, kNoContentCaption, MB_OK);
        return 0;
    }
    recordNewestVersion();
    if (!checkSystemFont()) {
        return 0;
    }
    return setDisplayMode();
}
