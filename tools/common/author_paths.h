// Messages that name files as the author typed them: the Windows preview works with full
// Windows paths (under Wine "Z:\home\..."), which an author on Linux never typed.
#pragma once

#include <string>

// `message` with every path that starts with `fullPath` (a full Windows path) written from
// `typedPath` instead (the same place as the author named it), and, where the author's path
// uses '/', the rest of that path's separators as '/' too. A path ends at a character that
// no course path holds: ':', ',', ')', '"' or white space.
std::string inAuthorsTerms(const std::string& message, const std::string& fullPath,
                           const std::string& typedPath);
