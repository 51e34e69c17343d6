#include "install/copy_tree.h"

#include "install/install_rules.h"

#include <windows.h>

#include <optional>

namespace {

// A directory listing, ended when the owner goes.
class Listing {
  public:
    explicit Listing(const std::string& pattern)
        : search_(FindFirstFileA(pattern.c_str(), &entry_)),
          error_(search_ == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS) {}
    ~Listing() {
        if (search_ != INVALID_HANDLE_VALUE) {
            FindClose(search_);
        }
    }
    Listing(const Listing&) = delete;
    Listing& operator=(const Listing&) = delete;

    // A directory without a single entry lists nothing and is no failure.
    bool failed() const { return error_ != ERROR_SUCCESS && error_ != ERROR_FILE_NOT_FOUND; }
    bool hasEntry() const { return search_ != INVALID_HANDLE_VALUE && !ended_; }
    const WIN32_FIND_DATAA& entry() const { return entry_; }
    // Moves to the next entry; a listing that breaks off is a failure.
    void next() {
        if (!FindNextFileA(search_, &entry_)) {
            ended_ = true;
            const DWORD error = GetLastError();
            if (error != ERROR_NO_MORE_FILES) {
                error_ = error;
            }
        }
    }

  private:
    WIN32_FIND_DATAA entry_ = {};
    HANDLE search_;
    DWORD error_;
    bool ended_ = false;
};

bool isDirectory(const WIN32_FIND_DATAA& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isLink(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// A directory that exists already (the same directory of the other volume) is no failure;
// a link of that name is never written through.
bool createDirectory(const std::string& path) {
    if (CreateDirectoryA(path.c_str(), nullptr)) {
        return true;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           !isLink(attributes);
}

// A link at the target is never written through.
bool copyFileOverChecked(const std::string& source, const std::string& target) {
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && isLink(attributes)) {
        return false;
    }
    return copyFileOver(source, target);
}

} // namespace

bool copyFileOver(const std::string& source, const std::string& target) {
    // A read-only target (the combined files of an earlier installation keep the CD's
    // flag) would refuse the copy.
    const DWORD attributes = GetFileAttributesA(target.c_str());
    const bool readOnly =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly) {
        SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    if (CopyFileA(source.c_str(), target.c_str(), FALSE)) {
        return true;
    }
    if (readOnly) {
        SetFileAttributesA(target.c_str(), attributes); // the target stays as it was
    }
    return false;
}

void CopyTree(const std::string& source, const std::string& destination, CopyTally& tally) {
    const std::optional<std::string> pattern = copyEntryPath(source, "*.*");
    if (!pattern) {
        ++tally.failures;
        return;
    }
    Listing listing(*pattern);
    if (listing.failed() || !createDirectory(destination)) {
        ++tally.failures;
        return;
    }
    for (; listing.hasEntry() && !tally.stopped; listing.next()) {
        const WIN32_FIND_DATAA& entry = listing.entry();
        if (isDirectoryOwnEntry(entry.cFileName) || isLink(entry.dwFileAttributes)) {
            continue;
        }
        const std::optional<std::string> from = copyEntryPath(source, entry.cFileName);
        const std::optional<std::string> to = copyEntryPath(destination, entry.cFileName);
        if (isDirectory(entry)) {
            if (from && to) {
                CopyTree(*from, *to, tally);
            } else {
                ++tally.failures;
            }
            continue;
        }
        if (!from || !to || !copyFileOverChecked(*from, *to) ||
            !SetFileAttributesA(to->c_str(), FILE_ATTRIBUTE_NORMAL)) {
            ++tally.failures;
        }
        ++tally.filesDone;
        if (tally.afterEachFile) {
            tally.afterEachFile();
        }
        if (tally.stopWhen && tally.stopWhen()) {
            tally.stopped = true;
        }
    }
    if (listing.failed() && !tally.stopped) {
        ++tally.failures;
    }
}

std::size_t countFilesInTree(const std::string& source, const std::function<void()>& between) {
    const std::optional<std::string> pattern = copyEntryPath(source, "*.*");
    if (!pattern) {
        return 0;
    }
    std::size_t files = 0;
    for (Listing listing(*pattern); listing.hasEntry(); listing.next()) {
        const WIN32_FIND_DATAA& entry = listing.entry();
        if (isDirectoryOwnEntry(entry.cFileName) || isLink(entry.dwFileAttributes)) {
            continue;
        }
        if (!isDirectory(entry)) {
            ++files;
            continue;
        }
        if (const std::optional<std::string> below = copyEntryPath(source, entry.cFileName)) {
            files += countFilesInTree(*below, between);
        }
    }
    if (between) {
        between();
    }
    return files;
}
