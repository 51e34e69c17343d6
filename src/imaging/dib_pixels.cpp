#include "imaging/dib_pixels.h"

#include "imaging/dib_layout.h"
#include "imaging/little_endian.h"

namespace {

constexpr std::uint32_t widen5(std::uint32_t channel) {
    return channel << 3 | channel >> 2;
}

constexpr std::size_t kBmpFileHeaderBytes = 14;

} // namespace

void convertStoredPixels(const std::uint8_t* stored, int bitCount, int count, std::uint32_t* out) {
    switch (bitCount) {
    case 16:
        for (int i = 0; i < count; ++i, stored += 2) {
            const std::uint32_t v = readU16(stored);
            out[i] = widen5(v >> 10 & 31) << 16 | widen5(v >> 5 & 31) << 8 | widen5(v & 31);
        }
        break;
    case 24:
        for (int i = 0; i < count; ++i, stored += 3) {
            out[i] = std::uint32_t{stored[2]} << 16 | std::uint32_t{stored[1]} << 8 | stored[0];
        }
        break;
    case 32:
        for (int i = 0; i < count; ++i, stored += 4) {
            out[i] = std::uint32_t{stored[2]} << 16 | std::uint32_t{stored[1]} << 8 | stored[0];
        }
        break;
    default:
        break;
    }
}

std::optional<PixelImage> decodeDirectColourDib(std::span<const std::uint8_t> dib) {
    const std::optional<DibLayout> layout = directColourLayout(dib, false);
    if (!layout) {
        return std::nullopt;
    }
    PixelImage image(layout->width, layout->height);
    for (int row = 0; row < layout->height; ++row) {
        convertStoredPixels(layout->rowStart(dib.data(), row), layout->bitCount, layout->width,
                            &image.at(0, row));
    }
    return image;
}

std::vector<std::uint8_t> encodePackedDib(const PixelImage& image, int bitCount, bool topDown) {
    if ((bitCount != 16 && bitCount != 24 && bitCount != 32) || image.width < 1 ||
        image.height < 1) {
        return {};
    }
    const std::size_t stride = dibStride(image.width, bitCount);
    std::vector<std::uint8_t> dib(kInfoHeaderSize + stride * image.height, 0);
    const InfoHeader header = {static_cast<std::uint32_t>(kInfoHeaderSize),
                               image.width,
                               topDown ? -image.height : image.height,
                               1,
                               static_cast<std::uint16_t>(bitCount),
                               kCompressionRgb,
                               static_cast<std::uint32_t>(stride * image.height),
                               0,
                               0,
                               0,
                               0};
    writeInfoHeader(header, dib.data());
    for (int row = 0; row < image.height; ++row) {
        const int stored = topDown ? row : image.height - 1 - row;
        std::uint8_t* out = dib.data() + kInfoHeaderSize + stride * stored;
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.at(x, row);
            const std::uint32_t red = p >> 16 & 0xFF, green = p >> 8 & 0xFF, blue = p & 0xFF;
            if (bitCount == 16) {
                putU16(out, static_cast<std::uint16_t>((red >> 3) << 10 | (green >> 3) << 5 |
                                                       (blue >> 3)));
                out += 2;
            } else {
                *out++ = static_cast<std::uint8_t>(blue);
                *out++ = static_cast<std::uint8_t>(green);
                *out++ = static_cast<std::uint8_t>(red);
                if (bitCount == 32) {
                    *out++ = 0;
                }
            }
        }
    }
    return dib;
}

std::vector<std::uint8_t> encodeBmpFile(const PixelImage& image, int bitCount) {
    const std::vector<std::uint8_t> dib = encodePackedDib(image, bitCount, false);
    if (dib.empty()) {
        return {};
    }
    std::vector<std::uint8_t> file(kBmpFileHeaderBytes, 0);
    file[0] = 'B';
    file[1] = 'M';
    putU32(file.data() + 2, static_cast<std::uint32_t>(kBmpFileHeaderBytes + dib.size()));
    putU32(file.data() + 10, static_cast<std::uint32_t>(kBmpFileHeaderBytes + kInfoHeaderSize));
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}
