#include "install/install_volumes.h"

#include "ground/presentation_globals.h"
#include "ground/content_globals.h"
#include "install/copy_screen.h"
#include "install/copy_tree.h"
#include "install/drive_scan.h"
#include "install/drive_scan_rules.h"
#include "install/drive_select.h"
#include "install/drive_space.h"
#include "install/install_rules.h"
#include "install/install_texts.h"
#include "platform/platform.h"

#include <optional>
#include <vector>

std::string installRoot;
std::string sourceRoot = kCourseRootNotFound;

namespace {

constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kStartMenuValue = "Start Menu";
constexpr const char* kNoDriveLeftText =
    "No drive has enough free space for the installation any more.  The course will run "
    "from the CD.";

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
        if (row == -1) {
            return std::nullopt;
        }
        std::vector<std::string> fresh;
        FindDrivesWithSpace(freeSpaceThreshold, fresh);
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

// Sets sourceRoot to the content directory of the first drive holding the volume's CD.
bool findVolume(int volume) {
    sourceRoot = kCourseRootNotFound;
    const std::string list = readDriveList();
    QuietDriveErrors quiet;
    for (const std::string& drive : driveRootsToScan(list)) {
        const std::string directory = installDirectoryOnDrive(drive);
        if (contentEntryExists(directory) &&
            contentEntryExists(volumeMarkerOnDrive(drive, volume))) {
            sourceRoot = directory;
            return true;
        }
    }
    return false;
}

// Copies the CD at sourceRoot into installRoot under the wait cursor, with the progress.
void copyVolume(CopyScreen& screen, CopyTally& tally) {
    const WaitCursor wait;
    screen.beginVolume(countFilesInTree(sourceRoot, answerMessagesWithoutInput));
    const std::size_t doneBefore = tally.filesDone;
    tally.afterEachFile = [&] { screen.progress(tally.filesDone - doneBefore); };
    CopyTree(sourceRoot, installRoot, tally);
    tally.afterEachFile = nullptr;
}

void copyCombinedFiles(CopyTally& tally) {
    for (const CombinedFile& file : kCombinedFiles) {
        const std::string source = sourceRoot + file.source;
        const std::string target = installRoot + file.target;
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

// Any failure here is silent: the course itself is installed.
void copyProgramToStartMenu() {
    const std::string folder = readStartMenuFolder();
    if (!folder.empty()) {
        CopyFileA((sourceRoot + "\\program\\CorpusView.exe").c_str(),
                  (folder + "\\CorpusView.exe").c_str(), FALSE);
    }
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
    return folder;
}

int InstallBothVolumes(HWND owner, const RegistryKey& productKey) {
    if (platform().ownedMessageBox(owner, kOfferText, kOfferCaption, MB_YESNO) != IDYES) {
        recordRefusal(productKey);
        return 0;
    }
    const std::optional<std::string> drive = chooseTargetDrive(owner);
    if (!drive) {
        return 0;
    }
    installRoot = installDirectoryOnDrive(*drive);
    platform().ownedMessageBox(owner, kReadyText, kReadyCaption, MB_OK);
    while (!findVolume(1)) {
        if (platform().ownedMessageBox(owner, kInsertVolumeOneText, kInsertCaption, MB_OKCANCEL) ==
            IDCANCEL) {
            return 0;
        }
    }
    CopyScreen screen(owner);
    CopyTally tally;
    copyVolume(screen, tally);
    if (tally.failures == 0) {
        screen.ask(kInsertVolumeTwoText, kInsertCaption, MB_OK);
        while (!findVolume(2)) {
            screen.ask(kInsertVolumeTwoText, kInsertCaption, MB_OK);
        }
        copyVolume(screen, tally);
        copyCombinedFiles(tally);
    }
    if (tally.failures != 0) {
        screen.ask(kIncompleteText, kIncompleteCaption, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    writeStringValue(productKey, kPathValue, installRoot.c_str());
    copyProgramToStartMenu();
    screen.ask(kCompleteText, kCompleteCaption, MB_OK);
    courseRoot = installRoot + "\\";
    return 1;
}
