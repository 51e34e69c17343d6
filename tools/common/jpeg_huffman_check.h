// A check of a JPEG file's Huffman tables before the decoder sees them. The format allows
// at most 256 codes in a table; the decoder trusts the sixteen counts of each table and
// would write past its own tables when they add up to more. The check walks the file's
// segments as the decoder does, scans included, and looks at every table it would build.
#pragma once

#include <cstdint>
#include <span>

// False when a Huffman table that the decoder would read lists more than 256 codes; true
// for every other file, JPEG or not.
bool jpegHuffmanTablesFit(std::span<const std::uint8_t> bytes);
