// The course's files as the program reaches them: existing files opened for shared
// reading, and directory searches that take the first match.
#pragma once

#include <optional>
#include <string>

#include "content/slide_directory.h"

// The bytes of an existing file, read whole up to kContentTextFileLimit bytes; none when
// it cannot be opened. A read that fails part way gives the bytes read before it, as the
// end of the file would.
std::optional<std::string> readContentFile(const std::string& path);

// The name of the first entry that a directory search for `pattern` returns (no sorting);
// none when nothing matches.
std::optional<std::string> findFirstFileName(const std::string& pattern);

// The files of the directory `path` (ending with a backslash).
SlideDirectory slideDirectoryAt(const std::string& path);
