// Where the course content may lie: the content directory name, the paths formed with it,
// and which roots of the system's drive list are looked at.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The directory that holds the content, directly under a drive root or a directory.
constexpr const char* kContentDirectoryName = "Corpus";
// The drive list is read into a buffer of this many bytes.
constexpr std::size_t kDriveListBufferSize = 256;

// The drive roots of a drive list (each string ended by a zero, an empty string last; `list`
// holds the characters the system returned), in order. The first string is left out when
// it is "a:\", "A:\", "b:\" or "B:\"; only the first string is examined for this, so a
// B: drive after an A: drive is kept. A last string without its zero ends at the list's end.
std::vector<std::string> driveRootsToScan(std::string_view list);

// The paths the content is recognised by: the content directory, its "program" entry, and
// the content root the program uses (the directory with a backslash).
struct ContentPaths {
    std::string directory;
    std::string program;
    std::string root;
};

// On a drive root such as "D:\": D:\Corpus, D:\Corpus\program and D:\Corpus\.
ContentPaths contentPathsOnDrive(std::string_view driveRoot);
// In a directory such as C:\Course: C:\Course\Corpus, ... A directory that already ends with
// a backslash (a drive root) gets none added.
ContentPaths contentPathsInDirectory(std::string_view directory);

constexpr const char* kNoContentText = "There is no Corpus directory available on this computer.\n"
                                       "You must insert the Corpus CD.";
constexpr const char* kNoContentCaption = "No Program Directory!";
