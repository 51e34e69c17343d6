// The hard-disk installation: both CDs copied into one directory, with the combined series
// list, index and intro picture, a program entry in the Start Menu folder and the record.
#pragma once

#include <windows.h>

#include <string>

#include "platform/registry.h"

// The target directory: the chosen drive root followed by "Corpus" (C:\Corpus).
extern std::string installRoot;
// The content directory on the CD in use (D:\Corpus), or "NotFound".
extern std::string sourceRoot;

// Offers the installation and carries it out, writing "Path" and "LastDeclined" through the
// open product key. 1 when both volumes have been copied whole: "Path" is recorded and
// courseRoot is the copy. 0 when the user declined (recorded), cancelled the drive selection
// or the prompt for Volume I (nothing recorded), or the copy could not be completed (the
// user has been told; nothing recorded, the course goes on from the CD).
int InstallBothVolumes(HWND owner, const RegistryKey& productKey);

// The current user's Start Menu folder, read whole; empty when it cannot be read.
std::string readStartMenuFolder();
