#include "install/install_volumes.h"

#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/content_globals.h"
#include "install/copy_screen.h"
#include "install/copy_tree.h"
#include "install/drive_scan.h"
#include "install/drive_scan_rules.h"
#include "install/drive_select.h"
#include "install/drive_space.h"
#include "install/install_rules.h"
#include "install/install_target.h"
#include "install/install_texts.h"
#include "platform/platform.h"

#include <cstdio>
#include <optional>
#include <vector>

std::string installRoot;
std::string sourceRoot = kCourseRootNotFound;

namespace {

constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kStartMenuValue = "Start Menu";
constexpr const char* kNoDriveLeftText =
    "No drive can take the installation any more.  The course will run from the CD.";

// A close request (the task bar's Close, End task, the end of the session) reached the main
// window while a box, the dialog or the copy ran: the installation ends at once, recording
// nothing, and leaves the program to end.
bool closeRequested(HWND owner) {
    return presentationState == ClosingState || (owner != nullptr && !IsWindow(owner));
}

void recordRefusal(const RegistryKey& productKey) {
    writeStringValue(productKey, kPathValue, kDeclinedPath);
    const UtcDate today = platform().utcDate();
    const std::string date = formatDeclinedDate({today.day, today.month, today.year});
    if (!writeStringValue(productKey, kLastDeclinedValue, date.c_str())) {
        platform().messageBox(kKeyErrorText, kKeyErrorCaption, MB_OK);
    }
}

// Runs the drive selection until a drive that still qualifies is chosen (the list is read
// again after the dialog; a drive that lost its space meanwhile is chosen anew); false on
// Cancel or when no drive qualifies any more.
std::optional<std::string> chooseTargetDrive(HWND owner) {
    for (;;) {
        selectedDriveRoot.clear();
        const INT_PTR row =
            platform().dialogBox(programInstance, "DriveSelect", owner, DriveSelectProc, 0);
        if (row == -1 || closeRequested(owner)) {
            return std::nullopt;
        }
        std::vector<std::string> fresh;
        FindInstallTargets(freeSpaceThreshold, fresh);
        if (std::optional<std::string> drive =
                installDriveFor(fresh, static_cast<int>(row), selectedDriveRoot)) {
            return drive;
        }
        if (fresh.empty()) {
            platform().ownedMessageBox(owner, kNoDriveLeftText, kDriveGoneCaption, MB_OK);
            return std::nullopt;
        }
        platform().ownedMessageBox(owner, kDriveGoneText, kDriveGoneCaption, MB_OK);
    }
}

// Sets sourceRoot to the content directory of the first drive holding the volume's CD. The
// target drive never counts as a CD: what is on it is the installation's, or was there
// before it.
bool findVolume(int volume, const std::string& targetDrive) {
    sourceRoot = kCourseRootNotFound;
    const std::string list = readDriveList();
    QuietDriveErrors quiet;
    for (const std::string& drive : driveRootsToScan(list)) {
        if (drive == targetDrive) {
            continue;
        }
        const std::string directory = installDirectoryOnDrive(drive);
        if (contentEntryExists(directory) &&
            contentEntryExists(volumeMarkerOnDrive(drive, volume))) {
            sourceRoot = directory;
            return true;
        }
    }
    return false;
}

// Copies the CD at sourceRoot into the staging folder under the wait cursor, with the
// progress. A CD taken out meanwhile makes failures, not the system's "no disk" box.
void copyVolume(CopyScreen& screen, const std::string& staging, CopyTally& tally) {
    const WaitCursor wait;
    const QuietDriveErrors quiet;
    screen.beginVolume(countFilesInTree(sourceRoot, answerMessagesWithoutInput));
    const std::size_t doneBefore = tally.filesDone;
    tally.afterEachFile = [&] { screen.progress(tally.filesDone - doneBefore); };
    CopyTree(sourceRoot, staging, tally);
    tally.afterEachFile = nullptr;
}

void copyCombinedFiles(const std::string& staging, CopyTally& tally) {
    const QuietDriveErrors quiet;
    for (const CombinedFile& file : kCombinedFiles) {
        const std::string source = sourceRoot + file.source;
        const std::string target = staging + file.target;
        if (!copyFileOver(source, target)) {
            ++tally.failures;
            continue;
        }
        // The copy keeps the CD file's attributes, read-only included, as Windows' CopyFile
        // does; Wine's CopyFile leaves them out, so they are set here in so many words.
        const DWORD attributes = GetFileAttributesA(source.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            SetFileAttributesA(target.c_str(), attributes & ~FILE_ATTRIBUTE_DIRECTORY);
        }
    }
}

// The program file into the Start Menu folder, over an earlier one (read-only included);
// false when it is not there. The course itself is installed either way.
bool copyProgramToStartMenu() {
    const std::string folder = readStartMenuFolder();
    return !folder.empty() &&
           copyFileOver(sourceRoot + "\\program\\CorpusView.exe", folder + "\\CorpusView.exe");
}

// A folder written with environment names (%USERPROFILE%\...), as a REG_EXPAND_SZ value
// holds it; empty when it cannot be expanded.
std::string expandEnvironmentNames(const std::string& text) {
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) {
        return {};
    }
    std::string expanded(needed, '\0');
    const DWORD written = ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed) {
        return {};
    }
    expanded.resize(written - 1); // without the terminating zero
    return expanded;
}

// The completion box's text: the promise of a Start menu entry only when there is one.
std::string completionText(bool inStartMenu) {
    if (inStartMenu) {
        return kCompleteText;
    }
    char text[512];
    std::snprintf(text, sizeof text, kCompleteWithoutStartMenuText, installRoot.c_str());
    return text;
}

// The prompt for Volume I until it is found; false on Cancel or a close.
bool waitForVolumeOne(HWND owner, const std::string& targetDrive) {
    while (!findVolume(1, targetDrive)) {
        if (platform().ownedMessageBox(owner, kInsertVolumeOneText, kInsertCaption, MB_OKCANCEL) ==
                IDCANCEL ||
            closeRequested(owner)) {
            return false;
        }
    }
    return true;
}

// The prompt for Volume II until it is found (there is no Cancel); false on a close.
bool waitForVolumeTwo(HWND owner, CopyScreen& screen, const std::string& targetDrive) {
    do {
        screen.ask(kInsertVolumeTwoText, kInsertCaption, MB_OK);
        if (closeRequested(owner)) {
            return false;
        }
    } while (!findVolume(2, targetDrive));
    return true;
}

// Both volumes and the combined files into the staging folder; false when a close stopped
// it (the staging folder is then removed by its owner).
bool copyBothVolumes(HWND owner, CopyScreen& screen, const StagedCopy& staging,
                     const std::string& targetDrive, CopyTally& tally) {
    // A close, or the end of the session (which removes the staging folder), stops it.
    tally.stopWhen = [owner, &staging] { return closeRequested(owner) || !staging.ready(); };
    if (!staging.ready()) {
        ++tally.failures;
        return true;
    }
    copyVolume(screen, staging.path(), tally);
    if (tally.stopped) {
        return false;
    }
    if (tally.failures != 0) {
        return true;
    }
    if (!waitForVolumeTwo(owner, screen, targetDrive)) {
        return false;
    }
    copyVolume(screen, staging.path(), tally);
    if (tally.stopped) {
        return false;
    }
    copyCombinedFiles(staging.path(), tally);
    return true;
}

} // namespace

std::string readStartMenuFolder() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return {};
    }
    const RegistryKey owner(key);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, kStartMenuValue, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) {
        return {};
    }
    std::string folder(size, '\0');
    if (RegQueryValueExA(key, kStartMenuValue, nullptr, nullptr,
                         reinterpret_cast<BYTE*>(folder.data()), &size) != ERROR_SUCCESS) {
        return {};
    }
    folder.resize(std::min<std::size_t>(size, folder.size()));
    while (!folder.empty() && folder.back() == '\0') {
        folder.pop_back();
    }
    return type == REG_EXPAND_SZ ? expandEnvironmentNames(folder) : folder;
}

int InstallBothVolumes(HWND owner, const RegistryKey& productKey) {
    const int answer = platform().ownedMessageBox(owner, kOfferText, kOfferCaption, MB_YESNO);
    if (closeRequested(owner)) {
        return 0;
    }
    if (answer != IDYES) {
        recordRefusal(productKey);
        return 0;
    }
    const std::optional<std::string> drive = chooseTargetDrive(owner);
    if (!drive) {
        return 0;
    }
    const InstallFolders folders = installFoldersOnDrive(*drive);
    installRoot = folders.copy;
    platform().ownedMessageBox(owner, kReadyText, kReadyCaption, MB_OK);
    if (closeRequested(owner) || !waitForVolumeOne(owner, *drive)) {
        return 0;
    }
    CopyScreen screen(owner);
    StagedCopy staging(folders);
    CopyTally tally;
    if (!copyBothVolumes(owner, screen, staging, *drive, tally)) {
        return 0;
    }
    if (tally.failures != 0 || !staging.complete()) {
        staging.discard(); // gone before the box says the course runs from the CD
        screen.ask(kIncompleteText, kIncompleteCaption, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    writeStringValue(productKey, kPathValue, installRoot.c_str());
    const std::string completion = completionText(copyProgramToStartMenu());
    screen.ask(completion.c_str(), kCompleteCaption, MB_OK);
    courseRoot = installRoot + "\\";
    return 1;
}
