// Drives for the installation tests: directories of a temporary directory that the scripted
// drive list names as drive roots, CDs that are put into them and taken out, and target
// drives with a scripted free space.
#pragma once

#include "support/fake_platform.h"
#include "support/program_harness.h"

#include <windows.h>

#include <string>
#include <vector>

class InstallDrives {
  public:
    InstallDrives(FakePlatform& fake, const TemporaryDirectory& temporary);

    // Adds a drive root (a directory "<letter>\" of the temporary directory) to the list,
    // with the free bytes the seam reports for it.
    std::string addDrive(char letter, std::uint64_t freeBytes);
    // Moves a volume's Corpus directory (1 or 2) into a drive, or back out of every drive.
    void insert(int volume, const std::string& drive);
    void eject(int volume);
    // The directory holding a volume's content while it is in no drive.
    std::string shelf(int volume) const;

  private:
    void updateList();

    FakePlatform& fake_;
    const TemporaryDirectory& temporary_;
    std::vector<std::string> roots_;
    std::string where_[3];
};

// A test of the content location and the installation: drives on a temporary directory, an
// owner window for the boxes, and no Start Menu entry left behind. The test's SetUp writes
// the volumes.
class InstallWalkTest : public ProgramTest {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Runs the location as the main window does on its WM_PROCEED.
    int locate();

    TemporaryDirectory temporary;
    InstallDrives drives{fake, temporary};
    HWND window = nullptr;
};

// The captions of the message boxes shown so far, in order.
std::vector<std::string> boxCaptions(const FakePlatform& fake);

// Every file below `root` as "relative path=content", sorted.
std::vector<std::string> treeListing(const std::string& root);
// Whether any file below `root` is read-only.
bool anyReadOnly(const std::string& root);
void writeWholeFile(const std::string& path, const std::string& bytes);

// A file held open without sharing: no one can read it until it is let go, as a scratched
// CD's file cannot be read.
class HeldFile {
  public:
    explicit HeldFile(const std::string& path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool held() const { return file_ != INVALID_HANDLE_VALUE; }
    void release();

  private:
    HANDLE file_;
};
