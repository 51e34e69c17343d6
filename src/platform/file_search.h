// Pattern files ("*.scp", "*.icn", ...) are found with a directory search that takes the
// first match in the order the file system returns.
#pragma once

#include <string>

// The name (without directory) of the first file matching `pattern`, or "" when none.
std::string firstMatchingFile(const std::string& pattern);
