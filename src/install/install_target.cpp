#include "install/install_target.h"

#include "install/drive_scan.h"
#include "install/drive_space.h"

#include <windows.h>

#include <utility>

namespace {

// The staging folder of the installation under way.
StagedCopy* currentStaging = nullptr;

bool isAbsent(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool isLink(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// A directory that is not a link.
bool isPlainDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           !isLink(attributes);
}

bool isEarlierInstallation(const std::string& copy) {
    return isPlainDirectory(copy) && contentEntryExists(copy + "\\program\\volume1") &&
           contentEntryExists(copy + "\\program\\volume2");
}

std::string markerIn(const std::string& folder) {
    return folder + "\\" + kOwnFolderMarker;
}

bool isOwnFolder(const std::string& folder) {
    if (!isPlainDirectory(folder)) {
        return false;
    }
    const DWORD marker = GetFileAttributesA(markerIn(folder).c_str());
    return marker != INVALID_FILE_ATTRIBUTES && (marker & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool writeMarker(const std::string& folder) {
    const HANDLE file = CreateFileA(markerIn(folder).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

bool removeFile(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL); // a copied CD file may be read-only
    return DeleteFileA(path.c_str()) != 0;
}

// Removes everything below `directory` but the entry named `kept`; false when anything is
// left.
bool removeContents(const std::string& directory, const char* kept) {
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    bool removed = true;
    do {
        const std::string name = entry.cFileName;
        if (isDirectoryOwnEntry(name) || (kept != nullptr && name == kept)) {
            continue;
        }
        const std::string path = directory + "\\" + name;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            removed = removeFile(path) && removed;
        } else if (isLink(entry.dwFileAttributes)) {
            removed = RemoveDirectoryA(path.c_str()) && removed; // the link, not its target
        } else {
            removed = removeContents(path, nullptr) && RemoveDirectoryA(path.c_str()) && removed;
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return removed;
}

} // namespace

bool installTargetIsFree(const std::string& driveRoot) {
    const InstallFolders folders = installFoldersOnDrive(driveRoot);
    return (isAbsent(folders.copy) || isEarlierInstallation(folders.copy)) &&
           (isAbsent(folders.staging) || isOwnFolder(folders.staging)) &&
           (isAbsent(folders.retired) || isOwnFolder(folders.retired));
}

bool FindInstallTargets(std::uint64_t threshold, std::vector<std::string>& drives) {
    std::vector<std::string> withSpace;
    FindDrivesWithSpace(threshold, withSpace);
    drives.clear();
    const QuietDriveErrors quiet;
    for (const std::string& drive : withSpace) {
        if (installTargetIsFree(drive)) {
            drives.push_back(drive);
        }
    }
    return !drives.empty();
}

bool removeOwnFolder(const std::string& folder) {
    if (isAbsent(folder)) {
        return true;
    }
    if (!isOwnFolder(folder)) {
        return false; // never anything of the user's
    }
    return removeContents(folder, kOwnFolderMarker) && removeFile(markerIn(folder)) &&
           RemoveDirectoryA(folder.c_str());
}

StagedCopy::StagedCopy(InstallFolders folders) : folders_(std::move(folders)) {
    // Leftovers of an installation that was ended from outside (the process killed, the
    // computer turned off) are the installation's own: they go first.
    for (const std::string* leftover : {&folders_.staging, &folders_.retired}) {
        if (isOwnFolder(*leftover)) {
            removeOwnFolder(*leftover);
        }
    }
    const bool created = CreateDirectoryA(folders_.staging.c_str(), nullptr) != 0;
    ready_ = created && writeMarker(folders_.staging);
    if (created && !ready_) {
        RemoveDirectoryA(folders_.staging.c_str());
    }
    currentStaging = this;
}

StagedCopy::~StagedCopy() {
    discard();
    currentStaging = nullptr;
}

void StagedCopy::discardCurrent() {
    if (currentStaging != nullptr) {
        currentStaging->discard();
    }
}

void StagedCopy::discard() {
    if (ready_ && !completed_) {
        removeOwnFolder(folders_.staging);
        ready_ = false;
    }
}

bool StagedCopy::complete() {
    if (!ready_ || completed_) {
        return completed_;
    }
    const bool replacing = !isAbsent(folders_.copy);
    if (replacing) {
        if (!isEarlierInstallation(folders_.copy) || !writeMarker(folders_.copy)) {
            return false;
        }
        if (!MoveFileA(folders_.copy.c_str(), folders_.retired.c_str())) {
            DeleteFileA(markerIn(folders_.copy).c_str());
            return false;
        }
    }
    DeleteFileA(markerIn(folders_.staging).c_str());
    if (!MoveFileA(folders_.staging.c_str(), folders_.copy.c_str())) {
        writeMarker(folders_.staging); // so that it is removed as the installation's own
        if (replacing && MoveFileA(folders_.retired.c_str(), folders_.copy.c_str())) {
            DeleteFileA(markerIn(folders_.copy).c_str());
        }
        return false;
    }
    completed_ = true;
    if (replacing) {
        removeOwnFolder(folders_.retired); // what is left goes with the next installation
    }
    return true;
}
