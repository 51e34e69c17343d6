// Whether a picture or sound file is one the program can use; the reason when not.
#pragma once

#include <optional>
#include <string>

#include "coursecheck/host_files.h"

// A BMP file that LoadBitmapFile takes: 16, 24 or 32 bits, uncompressed, no colour table.
std::optional<std::string> directBitmapProblem(const fs::path& path);
// A BMP file that the help screen draws: 8 bits with its colour table.
std::optional<std::string> eightBitBitmapProblem(const fs::path& path);
std::optional<std::string> duoProblem(const fs::path& path);
std::optional<std::string> waveProblem(const fs::path& path);
