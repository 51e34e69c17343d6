// BMP files as the two BMP loaders read them: a 14-byte file header whose size field (the
// 32-bit number at offset 2) says how many bytes to read in all, then a packed DIB. The type
// field and the pixel offset field are not used: the pixels are found from the DIB alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "imaging/dib_layout.h"

constexpr std::size_t kBmpFileHeaderSize = 14;

// How many bytes after the file header a loader reads: the declared size minus the file
// header, but no more than the file holds after its header. 0 when fewer than 14 header
// bytes are given or the declared size is smaller than the file header.
std::uint64_t bmpPayloadLength(std::span<const std::uint8_t> fileHeader, std::uint64_t fileSize);

// A picture for the bitmap loader: 16, 24 or 32 bits per pixel without colour table.
std::optional<DibLayout> directColourBitmap(std::span<const std::uint8_t> payload);

enum class PaletteCheck {
    Drawable,    // an uncompressed 8-bit picture whose colours and pixels lie in the payload
    NotEightBit, // the header says another bit count: the user is told
    Unreadable,  // no whole header, or an 8-bit picture outside the format: nothing is drawn
};

struct PaletteBitmap {
    PaletteCheck status;
    DibLayout layout; // valid when Drawable
};

// A picture for the 8-bit drawer (help pictures).
PaletteBitmap checkPaletteBitmap(std::span<const std::uint8_t> payload);
