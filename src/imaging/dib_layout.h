// The BITMAPINFOHEADER that opens a packed device-independent bitmap (the rest of a BMP
// file after its 14-byte file header, or a DUO view block), and the checks that decide
// whether a picture's pixel array lies inside the bytes at hand. Every reader of picture
// bytes passes these checks before it draws or allocates anything from a header's numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCompressionRgb = 0;       // BI_RGB: uncompressed
constexpr std::uint32_t kCompressionRle8 = 1;      // BI_RLE8: 8-bit run-length encoded
constexpr std::uint32_t kCompressionBitfields = 3; // BI_BITFIELDS: uncompressed with masks
// Masks inside the header itself start with the 52-byte header generation (V2 and later).
constexpr std::uint32_t kHeaderSizeWithMasks = 52;
// Wider or taller pictures are refused outright; nothing the program shows comes near.
constexpr std::int32_t kMaxPictureSide = 16384;
// No picture file the program reads is longer: longer ones are refused unread.
constexpr std::uint64_t kMaxPictureFileBytes = 64u << 20;
// The most colours an 8-bit picture's colour table can have.
constexpr std::uint32_t kMaxPaletteColours = 256;

struct InfoHeader {
    std::uint32_t size; // biSize: the header's length, where a colour table or pixels start
    std::int32_t width;
    std::int32_t height; // negative: rows stored top row first
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t sizeImage;
    std::int32_t xPelsPerMeter;
    std::int32_t yPelsPerMeter;
    std::uint32_t clrUsed;
    std::uint32_t clrImportant;
};

// The 40 header bytes at the start of `bytes`; nothing when fewer are there.
std::optional<InfoHeader> readInfoHeader(std::span<const std::uint8_t> bytes);
// Writes the header as 40 little-endian bytes.
void writeInfoHeader(const InfoHeader& header, std::uint8_t* out);

// Where a checked picture's pixels are and how they are stored.
struct DibLayout {
    std::int32_t width;
    std::int32_t height; // rows, always positive
    bool topDown;        // the first stored row is the picture's top row
    int bitCount;
    std::uint32_t compression;
    std::uint32_t colourCount; // entries of the colour table (8-bit pictures), else 0
    std::size_t stride;        // bytes per stored row, a multiple of 4
    std::size_t infoBytes;     // what GDI reads as the bitmap information (gdiInfoSize)
    std::size_t pixelOffset;   // from the header's first byte
    std::size_t pixelBytes;    // stride x height; biSizeImage when run-length encoded

    // The stored row that holds picture row `row` (0 at the top).
    const std::uint8_t* rowStart(const std::uint8_t* dib, int row) const {
        const int stored = topDown ? row : height - 1 - row;
        return dib + pixelOffset + static_cast<std::size_t>(stored) * stride;
    }
};

// How many bytes GDI reads as the bitmap information when it is given this header: biSize
// (at least the header with its three masks for BI_BITFIELDS), then a colour table of
// biClrUsed entries, at most 256, whatever the bit count; when biClrUsed is 0, 2^bits entries
// for 8 bits and fewer, none above. Every picture handed to GDI holds at least these bytes.
std::uint64_t gdiInfoSize(const InfoHeader& header);

// Bytes per stored row of a picture `width` pixels wide: rows are padded to 4 bytes.
std::size_t dibStride(std::int32_t width, int bitCount);

// A picture of 16, 24 or 32 bits per pixel without colour table, its pixel array directly
// after the header (at biSize). Uncompressed (BI_RGB) only, unless `allowBitfields`: then
// also 16- and 32-bit BI_BITFIELDS pictures whose masks lie inside the header. A header
// whose biClrUsed makes GDI read past the DIB's end (gdiInfoSize) is refused.
std::optional<DibLayout> directColourLayout(std::span<const std::uint8_t> dib, bool allowBitfields);
// The same checks for a header read elsewhere, of a DIB `dibSize` bytes long.
std::optional<DibLayout> directColourLayout(const InfoHeader& header, std::size_t dibSize,
                                            bool allowBitfields);

// A picture of 8 bits per pixel: a colour table of biClrUsed entries (256 when biClrUsed is
// 0) follows the header and the pixel array follows the colour table. Uncompressed, or
// run-length encoded (BI_RLE8) in biSizeImage bytes, which must be there: GDI's decoder
// reads no more than biSizeImage bytes and draws only inside the picture.
std::optional<DibLayout> paletteLayout(std::span<const std::uint8_t> dib);
