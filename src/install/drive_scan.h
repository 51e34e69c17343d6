// The scan of every drive for the course content, used by the start-up checks and by the
// content location.
#pragma once

#include <windows.h>

#include <string>

// Looks on each drive of the system's list (a first floppy drive left out), in order, for
// the content directory with its "program" entry. At the first drive that has both, `root`
// becomes that drive's content root (for example D:\Corpus\) and the result is true; when
// no drive has both, `root` keeps what it held and the result is false.
bool ScanDrivesForContent(std::string& root);

// A find-first on `path`: any file or directory of that name counts.
bool contentEntryExists(const std::string& path);

// The characters of the system's drive list (through the seam); none when it does not fit
// the 256-byte buffer.
std::string readDriveList();

// Looking at an empty removable drive must not stop the program with the system's "no
// disk" prompt: such a drive simply has no content and no free space.
class QuietDriveErrors {
  public:
    QuietDriveErrors();
    ~QuietDriveErrors();
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

  private:
    UINT previous_;
};
