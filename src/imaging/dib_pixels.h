// The stored pixel rows of uncompressed 16-, 24- and 32-bit pictures, turned into PixelImage
// pixels and back; packed DIBs and BMP files built from a PixelImage.
//
// 16-bit pixels are 5-5-5 with bit 15 unused. Each 5-bit channel widens to 8 bits by
// repeating its top bits, (c << 3) | (c >> 2), as GDI widens them, so that 31 becomes 255.
// 32-bit pixels are blue, green, red and an unused byte that is dropped.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "imaging/pixel_image.h"

// Converts `count` stored pixels starting at `stored` into 0x00RRGGBB pixels.
void convertStoredPixels(const std::uint8_t* stored, int bitCount, int count, std::uint32_t* out);

// The pixels of an uncompressed 16-, 24- or 32-bit packed DIB (header, then pixels at biSize);
// nothing when the DIB fails the checks of directColourLayout.
std::optional<PixelImage> decodeDirectColourDib(std::span<const std::uint8_t> dib);

// A packed DIB (40-byte header, BI_RGB, no colour table, pixels at 40) of 16, 24 or 32 bits
// per pixel, stored bottom-up or top-down; empty for another bit count or an empty image.
std::vector<std::uint8_t> encodePackedDib(const PixelImage& image, int bitCount,
                                          bool topDown = false);

// A BMP file: the 14-byte file header (type "BM", file size, pixel offset 54) and the
// bottom-up packed DIB of encodePackedDib.
std::vector<std::uint8_t> encodeBmpFile(const PixelImage& image, int bitCount);
