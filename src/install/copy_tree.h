// The recursive copy of a CD's content directory onto the hard disk.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// What a copy did. `failures` counts every entry that could not be listed, created or
// copied (a full disk, an unreadable CD, a path over the limit); `filesDone` counts the
// files attempted. `afterEachFile` runs after every file, copied or not; when `stopWhen`
// then says so, the copy ends there and `stopped` is set.
struct CopyTally {
    int failures = 0;
    std::size_t filesDone = 0;
    bool stopped = false;
    std::function<void()> afterEachFile;
    std::function<bool()> stopWhen;
};

// Copies directory `source` into `destination` (both without a trailing backslash),
// creating it and its subdirectories. Every file overwrites a file of its name, a read-only
// one included, and the copy's attributes are set to normal, which clears the read-only
// flag that files on a CD carry. The listing's own entries are passed over by name. Links
// (junctions, symbolic links) are copied as nothing and never entered: a link back up the
// tree would otherwise copy it again and again. A failure is counted and the copy goes on
// with the next entry.
void CopyTree(const std::string& source, const std::string& destination, CopyTally& tally);

// The number of files below `source`, for the progress of its copy; `between` runs after
// each directory listed. Links are not entered.
std::size_t countFilesInTree(const std::string& source, const std::function<void()>& between);

// Copies one file over `target`, a read-only target included; false when it fails (a
// read-only target then keeps its flag). The copy keeps the source's attributes.
bool copyFileOver(const std::string& source, const std::string& target);
