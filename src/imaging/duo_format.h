// The DUO stereo picture file: reading and writing its bytes.
//
// Layout (numbers 32-bit little-endian, the offsets and bands signed):
//   0    "DUO"
//   3    14 reserved bytes
//   17   viewSize: the length in bytes of each of the two view blocks
//   21   lowerX, lowerY, upperX, upperY, topBand, bottomBand, leftBand, rightBand
//   53   840 reserved bytes
//   893  view block 1, the lower view; view block 2, the upper view, follows it
// A view block is a packed DIB of 16, 24 or 32 bits per pixel, uncompressed, without colour
// table, its pixel array at biSize; the block's first 40 bytes (the BITMAPINFOHEADER) are
// stored with every bit inverted. A file that starts with "BM" is the obsolete version 1.0,
// a plain BMP file, which the loader refuses with a message.
//
// Reading: classifyDuoStart on the first bytes; readDuoHeader on the first 893; duoFileLength
// says how many bytes the whole file must hold; readDuoFile checks and opens both views.
// Writing: encodeDuoFile builds a file from the placement and two packed DIBs (for example
// from encodePackedDib); isValidDuoView says whether the loader accepts a DIB as a view.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "imaging/dib_layout.h"

constexpr std::size_t kDuoHeaderSize = 893;
constexpr std::size_t kDuoInvertedBytes = 40;

// Where the two views go on the screen and which edges are masked (the header's fields).
struct DuoPlacement {
    std::int32_t lowerX = 0;     // column of the lower view's left edge
    std::int32_t lowerY = 0;     // row offset of the lower view from lowerImageTop
    std::int32_t upperX = 0;     // column of the upper view's left edge
    std::int32_t upperY = 0;     // row of the upper view's top edge
    std::int32_t topBand = 0;    // rows blacked out at the top of each view
    std::int32_t bottomBand = 0; // rows blacked out at the bottom of each view
    std::int32_t leftBand = 0;   // columns blacked out at the screen's left edge
    std::int32_t rightBand = 0;  // columns blacked out at the screen's right edge
    bool operator==(const DuoPlacement&) const = default;
};

struct DuoHeader {
    std::uint32_t viewSize = 0;
    DuoPlacement placement;
};

enum class DuoStart {
    Duo,            // "DUO"
    ObsoleteBitmap, // "BM": version 1.0
    Unknown,
};

// What the first bytes of a file say it is (at least 3 are needed for "DUO", 2 for "BM").
DuoStart classifyDuoStart(std::span<const std::uint8_t> firstBytes);

// The header's fields; false when fewer than 893 bytes are given or they do not start
// with "DUO".
bool readDuoHeader(std::span<const std::uint8_t> bytes, DuoHeader& header);

// The header and both view blocks: 893 + 2 x viewSize bytes.
std::uint64_t duoFileLength(const DuoHeader& header);

// One checked view. `block` points into the bytes given to readDuoFile, which must outlive it.
struct DuoView {
    std::vector<std::uint8_t> header;    // the block's bitmap information as GDI reads it
                                         // (gdiInfoSize), the first 40 bytes restored
    DibLayout layout;                    // checked: the pixel array lies inside the block
    std::span<const std::uint8_t> block; // the block as stored

    const std::uint8_t* row(int pictureRow) const {
        return layout.rowStart(block.data(), pictureRow);
    }
};

struct DuoFile {
    DuoPlacement placement;
    DuoView lower;
    DuoView upper;
};

enum class DuoStatus {
    Loaded,
    NotDuo,
    Obsolete,
    ShortHeader,  // fewer than 893 bytes
    ShortViews,   // the file ends before the second view block does
    BadLowerView, // view block 1 is not an uncompressed 16-, 24- or 32-bit picture inside it
    BadUpperView,
};

// Checks the whole file's bytes and opens both views; `file` is filled when Loaded.
DuoStatus readDuoFile(std::span<const std::uint8_t> bytes, DuoFile& file);

// Whether the loader accepts `dib` (a packed DIB, header not inverted) as a view block.
bool isValidDuoView(std::span<const std::uint8_t> dib);

// The bytes of a DUO file holding `lowerDib` as view block 1 and `upperDib` as block 2.
// viewSize is the longer DIB's length (at least 40); the shorter one is padded with zero
// bytes, which the loader never reads. Reserved bytes are 0.
std::vector<std::uint8_t> encodeDuoFile(const DuoPlacement& placement,
                                        std::span<const std::uint8_t> lowerDib,
                                        std::span<const std::uint8_t> upperDib);
