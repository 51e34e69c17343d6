#include "imaging/dib_layout.h"

#include "imaging/little_endian.h"

#include <algorithm>

std::optional<InfoHeader> readInfoHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kInfoHeaderSize) {
        return std::nullopt;
    }
    const std::uint8_t* p = bytes.data();
    return InfoHeader{readU32(p),      readI32(p + 4),  readI32(p + 8),  readU16(p + 12),
                      readU16(p + 14), readU32(p + 16), readU32(p + 20), readI32(p + 24),
                      readI32(p + 28), readU32(p + 32), readU32(p + 36)};
}

void writeInfoHeader(const InfoHeader& header, std::uint8_t* out) {
    putU32(out, header.size);
    putI32(out + 4, header.width);
    putI32(out + 8, header.height);
    putU16(out + 12, header.planes);
    putU16(out + 14, header.bitCount);
    putU32(out + 16, header.compression);
    putU32(out + 20, header.sizeImage);
    putI32(out + 24, header.xPelsPerMeter);
    putI32(out + 28, header.yPelsPerMeter);
    putU32(out + 32, header.clrUsed);
    putU32(out + 36, header.clrImportant);
}

std::uint64_t gdiInfoSize(const InfoHeader& header) {
    constexpr std::uint64_t kMaskBytes = 3 * 4;
    const std::uint64_t size = header.compression == kCompressionBitfields
                                   ? std::max<std::uint64_t>(header.size, 40 + kMaskBytes)
                                   : header.size;
    std::uint64_t colours = 0;
    if (header.clrUsed != 0) {
        colours = std::min(header.clrUsed, kMaxPaletteColours);
    } else if (header.bitCount <= 8) {
        colours = std::uint64_t{1} << header.bitCount;
    }
    return size + 4 * colours;
}

std::size_t dibStride(std::int32_t width, int bitCount) {
    const std::uint64_t bits = static_cast<std::uint64_t>(width) * static_cast<unsigned>(bitCount);
    return static_cast<std::size_t>((bits + 31) / 32 * 4);
}

namespace {

// The checks every picture passes: a sane size, one plane, and a pixel array that starts
// at `pixelOffset` and ends inside the `dibSize` bytes of the picture.
std::optional<DibLayout> layoutInside(std::size_t dibSize, const InfoHeader& header,
                                      std::uint64_t pixelOffset, std::uint32_t colourCount,
                                      bool runLength = false) {
    if (header.width < 1 || header.width > kMaxPictureSide) {
        return std::nullopt;
    }
    if (header.height == 0 || header.height < -kMaxPictureSide || header.height > kMaxPictureSide) {
        return std::nullopt;
    }
    if (header.planes != 1) {
        return std::nullopt;
    }
    const std::int32_t rows = header.height < 0 ? -header.height : header.height;
    const std::size_t stride = dibStride(header.width, header.bitCount);
    const std::uint64_t pixelBytes =
        runLength ? header.sizeImage : static_cast<std::uint64_t>(stride) * rows;
    if (runLength && pixelBytes == 0) {
        return std::nullopt;
    }
    if (pixelOffset > dibSize || pixelBytes > dibSize - pixelOffset) {
        return std::nullopt;
    }
    const std::uint64_t infoBytes = gdiInfoSize(header);
    if (infoBytes > dibSize) {
        return std::nullopt; // GDI would read the colour table past the end
    }
    return DibLayout{header.width,
                     rows,
                     header.height < 0,
                     header.bitCount,
                     header.compression,
                     colourCount,
                     stride,
                     static_cast<std::size_t>(infoBytes),
                     static_cast<std::size_t>(pixelOffset),
                     static_cast<std::size_t>(pixelBytes)};
}

bool headerFits(std::size_t dibSize, const InfoHeader& header) {
    return header.size >= kInfoHeaderSize && header.size <= dibSize;
}

} // namespace

std::optional<DibLayout> directColourLayout(std::span<const std::uint8_t> dib,
                                            bool allowBitfields) {
    const std::optional<InfoHeader> header = readInfoHeader(dib);
    if (!header) {
        return std::nullopt;
    }
    return directColourLayout(*header, dib.size(), allowBitfields);
}

std::optional<DibLayout> directColourLayout(const InfoHeader& header, std::size_t dibSize,
                                            bool allowBitfields) {
    if (!headerFits(dibSize, header)) {
        return std::nullopt;
    }
    const int bits = header.bitCount;
    if (bits != 16 && bits != 24 && bits != 32) {
        return std::nullopt;
    }
    const bool plain = header.compression == kCompressionRgb;
    const bool masksInHeader = allowBitfields && header.compression == kCompressionBitfields &&
                               bits != 24 && header.size >= kHeaderSizeWithMasks;
    if (!plain && !masksInHeader) {
        return std::nullopt;
    }
    return layoutInside(dibSize, header, header.size, 0);
}

std::optional<DibLayout> paletteLayout(std::span<const std::uint8_t> dib) {
    const std::optional<InfoHeader> header = readInfoHeader(dib);
    if (!header || !headerFits(dib.size(), *header)) {
        return std::nullopt;
    }
    const bool runLength = header->compression == kCompressionRle8;
    if (header->bitCount != 8 || (header->compression != kCompressionRgb && !runLength) ||
        header->clrUsed > kMaxPaletteColours) {
        return std::nullopt;
    }
    const std::uint32_t colours = header->clrUsed == 0 ? kMaxPaletteColours : header->clrUsed;
    return layoutInside(dib.size(), *header, std::uint64_t{header->size} + 4u * colours, colours,
                        runLength);
}
