// The BMP loaders' checks on any bytes: the part of the file they read, the header checks
// of both loaders, and, where a check passes, every byte it promised is read: the bitmap
// information as GDI reads it and every pixel byte.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/bmp_file.h"
#include "imaging/dib_pixels.h"

namespace {

volatile std::uint8_t sink;

void touch(const std::vector<std::uint8_t>& payload, const DibLayout& layout) {
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < layout.infoBytes; ++i) {
        sum = static_cast<std::uint8_t>(sum + payload[i]);
    }
    for (std::size_t i = 0; i < layout.pixelBytes; ++i) {
        sum = static_cast<std::uint8_t>(sum + payload[layout.pixelOffset + i]);
    }
    sink = sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const std::uint64_t length = bmpPayloadLength(file, size);
    if (length == 0) {
        return 0;
    }
    // An exact copy, so that a read past what the loader read is caught.
    const std::vector<std::uint8_t> payload(data + kBmpFileHeaderSize,
                                            data + kBmpFileHeaderSize + length);
    if (const std::optional<DibLayout> layout = directColourBitmap(payload)) {
        touch(payload, *layout);
    }
    const PaletteBitmap palette = checkPaletteBitmap(payload);
    if (palette.status == PaletteCheck::Drawable) {
        touch(payload, palette.layout);
    }
    if (const std::optional<PixelImage> image = decodeDirectColourDib(payload)) {
        sink = static_cast<std::uint8_t>(image->pixels.back());
    }
    return 0;
}
