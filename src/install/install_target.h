// The target of the installation on a drive: whether a drive can take the copy without
// writing into anything of the user's, and the staging folder the copy is made in, which
// takes the copy's name only when the copy is whole and is removed when it is not.
#pragma once

#include "install/install_rules.h"

#include <cstdint>
#include <string>
#include <vector>

// Whether the installation may use this drive root: its Corpus folder is absent or an earlier
// installation of this course (a plain directory holding both volume markers), and its
// staging and retired folders are absent or marked as the installation's own. A link in any
// of those places, or a folder the user made, keeps the drive out of the installation.
bool installTargetIsFree(const std::string& driveRoot);

// The drives that qualify for the installation: more than `threshold` free bytes
// (FindDrivesWithSpace) and a target that is free; true when at least one does.
bool FindInstallTargets(std::uint64_t threshold, std::vector<std::string>& drives);

// Removes a folder of the installation's own with everything in it. Links inside are
// removed as links, never entered; read-only files are removed too. The marker file at its
// top goes last, so that a folder that could not be removed whole is still known as the
// installation's own. False when anything is left.
bool removeOwnFolder(const std::string& folder);

// The staging folder of one installation: made empty and marked when constructed (a
// leftover of an earlier, interrupted installation is removed first), removed with
// everything in it when the owner goes unless `complete` has given it the copy's name.
class StagedCopy {
  public:
    explicit StagedCopy(InstallFolders folders);
    ~StagedCopy();
    StagedCopy(const StagedCopy&) = delete;
    StagedCopy& operator=(const StagedCopy&) = delete;

    // False when the staging folder could not be made.
    bool ready() const { return ready_; }
    const std::string& path() const { return folders_.staging; }
    // Gives the staging folder the copy's name. An earlier installation there is moved aside
    // first and removed afterwards; when the rename fails it is put back. False when the
    // copy did not take its name (the staging folder is then removed by the owner).
    bool complete();
    // Removes the staging folder now.
    void discard();
    // Removes the staging folder of the installation under way, if any: the session ends,
    // and the process with it, between two files of the copy.
    static void discardCurrent();

  private:
    InstallFolders folders_;
    bool ready_ = false;
    bool completed_ = false;
};
