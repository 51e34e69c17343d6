// Reading a content file whole: opened for shared reading of an existing file.
#pragma once

#include <cstddef>
#include <string>

// Course text files are small; a larger file is read up to this many bytes, as if it
// ended there, so that a wrong file never exhausts memory.
constexpr std::size_t kContentFileLimit = 16 * 1024 * 1024;

// False when the file cannot be opened; then `bytes` is empty.
bool readContentFile(const std::string& path, std::string& bytes,
                     std::size_t limit = kContentFileLimit);
