// The drives with room for the installation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Fills `drives` with the roots of the system's drive list (a first floppy drive left out)
// whose total free bytes exceed `threshold`, in the list's order; true when at least one
// does. Every kind of drive is asked; one whose free space cannot be read does not qualify.
bool FindDrivesWithSpace(std::uint64_t threshold, std::vector<std::string>& drives);
