#include "imaging/bmp_file.h"

#include <algorithm>

#include "imaging/little_endian.h"

std::uint64_t bmpPayloadLength(std::span<const std::uint8_t> fileHeader, std::uint64_t fileSize) {
    if (fileHeader.size() < kBmpFileHeaderSize || fileSize < kBmpFileHeaderSize) {
        return 0;
    }
    const std::uint32_t declared = readU32(fileHeader.data() + 2);
    if (declared < kBmpFileHeaderSize) {
        return 0;
    }
    return std::min<std::uint64_t>(declared - kBmpFileHeaderSize, fileSize - kBmpFileHeaderSize);
}

std::optional<DibLayout> directColourBitmap(std::span<const std::uint8_t> payload) {
    return directColourLayout(payload, true);
}

PaletteBitmap checkPaletteBitmap(std::span<const std::uint8_t> payload) {
    const std::optional<InfoHeader> header = readInfoHeader(payload);
    if (!header) {
        return {PaletteCheck::Unreadable, {}};
    }
    if (header->bitCount != 8) {
        return {PaletteCheck::NotEightBit, {}};
    }
    const std::optional<DibLayout> layout = paletteLayout(payload);
    if (!layout) {
        return {PaletteCheck::Unreadable, {}};
    }
    return {PaletteCheck::Drawable, *layout};
}
