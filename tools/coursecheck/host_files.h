// The course's files on the machine that checks them, found as Windows finds them: names
// compared without regard to case, a pattern's first match taken in a fixed (sorted) order.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "content/slide_directory.h"

namespace fs = std::filesystem;

// `root` joined with a content path written with "\" separators.
fs::path contentPath(const fs::path& root, const std::string& relative);
// The entry of `dir` named `name` (a file or a directory), any case; none when absent.
std::optional<fs::path> findEntry(const fs::path& dir, const std::string& name);
// The entry at the relative path `relative` (separated by "\" or "/"), any case.
std::optional<fs::path> findPath(const fs::path& root, const std::string& relative);
// The names of the files of `dir` that match `pattern` ("*.scp"), sorted without case.
std::vector<std::string> matchingFiles(const fs::path& dir, const std::string& pattern);
// The bytes of a file, up to the readers' limit; none when it cannot be read.
std::optional<std::string> readHostFile(const fs::path& path);
// The slide directory as the readers reach it.
SlideDirectory hostSlideDirectory(const fs::path& dir);
