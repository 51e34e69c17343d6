// The scan of every drive for the course content, used by the start-up checks and by the
// content location.
#pragma once

#include <string>

// Looks on each drive of the system's list (a first floppy drive left out), in order, for
// the content directory with its "program" entry. At the first drive that has both, `root`
// becomes that drive's content root (for example D:\Corpus\) and the result is true; when
// no drive has both, `root` keeps what it held and the result is false.
bool ScanDrivesForContent(std::string& root);

// A find-first on `path`: any file or directory of that name counts.
bool contentEntryExists(const std::string& path);
