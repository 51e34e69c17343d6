// The BMP loaders' rules on bytes: how much of a file is read, which headers each loader
// takes, where the pixels start, and the pixels of every stored format.
#include <gtest/gtest.h>

#include <functional>

#include "imaging/bmp_file.h"
#include "imaging/dib_pixels.h"
#include "imaging/little_endian.h"

namespace {

std::vector<std::uint8_t> fileHeader(std::uint32_t declared) {
    std::vector<std::uint8_t> header(14, 0);
    header[0] = 'B';
    header[1] = 'M';
    putU32(&header[2], declared);
    return header;
}

// A DIB header of `size` bytes (the rest zero) followed by `extra` bytes.
std::vector<std::uint8_t> dib(std::uint32_t size, std::int32_t width, std::int32_t height,
                              std::uint16_t bits, std::uint32_t compression, std::size_t extra,
                              std::uint32_t clrUsed = 0, std::uint32_t sizeImage = 0) {
    std::vector<std::uint8_t> bytes(size + extra, 0);
    writeInfoHeader({size, width, height, 1, bits, compression, sizeImage, 0, 0, clrUsed, 0},
                    bytes.data());
    return bytes;
}

PixelImage gradient(int width, int height) {
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = pixelRgb(x * 37, y * 11, (x + y) * 5);
        }
    }
    return image;
}

} // namespace

TEST(BmpFile, ReadsTheDeclaredSizeButNeverMoreThanTheFileHolds) {
    struct Case {
        std::size_t headerBytes;
        std::uint32_t declared;
        std::uint64_t fileSize;
        std::uint64_t payload;
    };
    const Case cases[] = {
        {14, 100, 1000, 86}, {14, 5000, 1000, 986}, {14, 0xFFFFFFFF, 100, 86},
        {14, 14, 1000, 0},   {14, 13, 1000, 0},     {14, 0, 1000, 0},
        {13, 100, 1000, 0},  {14, 100, 10, 0},      {14, 100, 14, 0},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> header = fileHeader(c.declared);
        header.resize(c.headerBytes);
        EXPECT_EQ(bmpPayloadLength(header, c.fileSize), c.payload)
            << c.declared << " of " << c.fileSize;
    }
}

TEST(BmpFile, TakesDirectColourPicturesWithTheirPixelsRightAfterTheHeader) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool taken;
        std::size_t pixelOffset;
    };
    const Case cases[] = {
        {"16 bits", dib(40, 3, 2, 16, 0, 16), true, 40},
        {"24 bits, rows padded to 4 bytes", dib(40, 37, 2, 24, 0, 224), true, 40},
        {"24 bits, one byte short", dib(40, 37, 2, 24, 0, 223), false, 0},
        {"32 bits top-down", dib(40, 2, -3, 32, 0, 24), true, 40},
        {"masks inside a 124-byte header", dib(124, 2, 2, 32, 3, 16), true, 124},
        {"masks inside a 52-byte header", dib(52, 2, 2, 16, 3, 8), true, 52},
        {"masks after a 40-byte header", dib(40, 2, 2, 32, 3, 28), false, 0},
        {"24-bit masks", dib(124, 2, 2, 24, 3, 16), false, 0},
        {"8 bits", dib(40, 4, 4, 8, 0, 1040), false, 0},
        {"run-length", dib(40, 4, 4, 24, 1, 64), false, 0},
        {"core header", dib(12, 4, 4, 24, 0, 64), false, 0},
        {"one pixel in one padded row", dib(40, 1, 1, 24, 0, 4), true, 40},
        {"no pixels at all", dib(40, 1, 1, 24, 0, 0), false, 0},
        {"side of 16384", dib(40, 16384, 1, 16, 0, 32768), true, 40},
        {"side of 16385", dib(40, 16385, 1, 16, 0, 32772), false, 0},
        // GDI reads biClrUsed colours (at most 256) after the header whatever the bit count.
        {"256 colours past the end", dib(40, 1, 1, 24, 0, 4, 256), false, 0},
        {"the 256 colours GDI reads", dib(40, 1, 1, 24, 0, 1024, 256), true, 40},
        {"a huge count reads 256", dib(40, 1, 1, 32, 0, 1024, 0xFFFFFFFF), true, 40},
        {"a huge count, one byte short", dib(40, 1, 1, 32, 0, 1023, 0xFFFFFFFF), false, 0},
    };
    for (const Case& c : cases) {
        const std::optional<DibLayout> layout = directColourBitmap(c.bytes);
        ASSERT_EQ(layout.has_value(), c.taken) << c.what;
        if (layout) {
            EXPECT_EQ(layout->pixelOffset, c.pixelOffset) << c.what;
            EXPECT_LE(layout->pixelOffset + layout->pixelBytes, c.bytes.size()) << c.what;
            EXPECT_LE(layout->infoBytes, c.bytes.size()) << c.what;
        }
    }
}

TEST(BmpFile, FindsEightBitPixelsAfterTheColourTableAndReportsOtherBitCounts) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        PaletteCheck status;
        std::size_t pixelOffset = 0;
        std::size_t pixelBytes = 0;
    };
    const Case cases[] = {
        {"16 colours: pixels 64 bytes after the table", dib(40, 4, 2, 8, 0, 64 + 8, 16),
         PaletteCheck::Drawable, 104, 8},
        {"0 colours means 256: 1024 bytes", dib(40, 4, 2, 8, 0, 1024 + 8, 0),
         PaletteCheck::Drawable, 1064, 8},
        {"after a 124-byte header", dib(124, 5, 1, 8, 0, 12 + 8, 3), PaletteCheck::Drawable, 136,
         8},
        {"table cut short", dib(40, 4, 2, 8, 0, 1023, 0), PaletteCheck::Unreadable},
        {"pixels cut short", dib(40, 4, 2, 8, 0, 64 + 7, 16), PaletteCheck::Unreadable},
        {"257 colours", dib(40, 4, 2, 8, 0, 2000, 257), PaletteCheck::Unreadable},
        {"run-length in biSizeImage bytes", dib(40, 4, 2, 8, 1, 64 + 6, 16, 6),
         PaletteCheck::Drawable, 104, 6},
        {"run-length without its size", dib(40, 4, 2, 8, 1, 64 + 6, 16, 0),
         PaletteCheck::Unreadable},
        {"run-length past the end", dib(40, 4, 2, 8, 1, 64 + 6, 16, 7), PaletteCheck::Unreadable},
        {"24 bits", dib(40, 4, 2, 24, 0, 32), PaletteCheck::NotEightBit},
        {"4 bits", dib(40, 4, 2, 4, 0, 72, 16), PaletteCheck::NotEightBit},
        {"a header of 39 bytes", std::vector<std::uint8_t>(39, 0), PaletteCheck::Unreadable},
    };
    for (const Case& c : cases) {
        const PaletteBitmap picture = checkPaletteBitmap(c.bytes);
        ASSERT_EQ(picture.status, c.status) << c.what;
        if (picture.status == PaletteCheck::Drawable) {
            EXPECT_EQ(picture.layout.pixelOffset, c.pixelOffset) << c.what;
            EXPECT_EQ(picture.layout.pixelBytes, c.pixelBytes) << c.what;
        }
    }
}

TEST(BmpFile, StoresAndReadsBackEveryDirectColourFormat) {
    // Odd widths make every row padded; both row orders; 16 bits keep 5 bits a channel.
    for (int bits : {16, 24, 32}) {
        for (bool topDown : {false, true}) {
            const PixelImage image = gradient(7, 5);
            const std::vector<std::uint8_t> packed = encodePackedDib(image, bits, topDown);
            const std::optional<PixelImage> back = decodeDirectColourDib(packed);
            ASSERT_TRUE(back.has_value()) << bits;
            for (int y = 0; y < 5; ++y) {
                for (int x = 0; x < 7; ++x) {
                    std::uint32_t expected = image.at(x, y);
                    if (bits == 16) {
                        std::uint32_t widened = 0;
                        for (int shift : {0, 8, 16}) {
                            const std::uint32_t c = (expected >> shift & 0xFF) >> 3;
                            widened |= (c << 3 | c >> 2) << shift;
                        }
                        expected = widened;
                    }
                    ASSERT_EQ(back->at(x, y), expected) << bits << " " << topDown;
                }
            }
        }
    }
    // A BMP file: its pixel offset field agrees with where the loader finds the pixels.
    const std::vector<std::uint8_t> file = encodeBmpFile(gradient(3, 3), 24);
    EXPECT_EQ(readU32(&file[2]), file.size());
    const std::span<const std::uint8_t> payload(file.data() + 14, file.size() - 14);
    EXPECT_EQ(directColourBitmap(payload)->pixelOffset + 14, readU32(&file[10]));
    EXPECT_TRUE(encodePackedDib(gradient(3, 3), 8).empty());
}
