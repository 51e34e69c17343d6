// Windows BMP files as the program loads them: uncompressed 16 (5-5-5), 24 or 32 bits per
// pixel without colour table, or 8 bits with a colour table. Rows are stored bottom-up.
#pragma once

#include <cstdint>
#include <vector>

#include "common/picture.h"

// The file of `picture` at `bits` (16, 24 or 32).
std::vector<std::uint8_t> encodeBmpFile(const Picture& picture, int bits);

// The packed pixel rows of `picture` at `bits` (16, 24 or 32), bottom row first, each row
// padded to four bytes: the pixel array of a BMP file or of a device-independent bitmap.
std::vector<std::uint8_t> encodeDibPixels(const Picture& picture, int bits);

// An 8-bit file: `picture` mapped to a fixed palette of 256 colours (a 6 x 6 x 6 colour
// cube and 40 greys). `declaredColours` is written as the header's colour count (0 means
// all 256).
std::vector<std::uint8_t> encodeBmp8File(const Picture& picture, std::uint32_t declaredColours);
