// BMP files into bitmaps and onto the screen: placement, the 8-bit colour table's length,
// pictures written by ImageMagick, the message for a picture that is not 8-bit, and files
// that end before their numbers say.
#include "support/program_harness.h"
#include "test_imaging_support.h"

#include "imaging/bitmap_primitives.h"
#include "imaging/dib_pixels.h"
#include "imaging/little_endian.h"

namespace {

PixelImage patternPicture(int width, int height) {
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = exactPattern(x, y);
        }
    }
    return image;
}

// An 8-bit BMP file: `colours` table entries (biClrUsed as given), then one pixel byte per
// pixel: index (x + y) % tableLength. Table entry i is a colour that no other entry has.
std::vector<std::uint8_t> paletteFile(int width, int height, std::uint32_t clrUsed,
                                      bool topDown = false) {
    const std::uint32_t entries = clrUsed == 0 ? 256 : clrUsed;
    const std::size_t stride = (width + 3) / 4 * 4;
    std::vector<std::uint8_t> file(14 + 40 + 4 * entries + stride * height, 0);
    file[0] = 'B';
    file[1] = 'M';
    putU32(&file[2], static_cast<std::uint32_t>(file.size()));
    putU32(&file[14], 40);
    putI32(&file[18], width);
    putI32(&file[22], topDown ? -height : height);
    putU16(&file[26], 1);
    putU16(&file[28], 8);
    putU32(&file[46], clrUsed);
    for (std::uint32_t i = 0; i < entries; ++i) {
        std::uint8_t* entry = &file[54 + 4 * i];
        entry[0] = static_cast<std::uint8_t>(i * 3);    // blue
        entry[1] = static_cast<std::uint8_t>(255 - i);  // green
        entry[2] = static_cast<std::uint8_t>(i ^ 0x5A); // red
    }
    std::uint8_t* pixels = &file[54 + 4 * entries];
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int stored = topDown ? y : height - 1 - y;
            pixels[stored * stride + x] = static_cast<std::uint8_t>((x + y) % entries);
        }
    }
    return file;
}

std::uint32_t paletteColour(std::uint32_t index) {
    return pixelRgb(index ^ 0x5A, 255 - index, index * 3);
}

class BitmapFileTest : public ProgramTest {
  protected:
    TemporaryDirectory directory;
    TestScreen screen;
};

} // namespace

TEST_F(BitmapFileTest, LoadsSixteenTwentyFourAndThirtyTwoBitFilesAndDrawsThemInPlace) {
    const PixelImage picture = patternPicture(37, 23);
    for (int bits : {16, 24, 32}) {
        const std::string path =
            writeBytes(directory.path(), "p.bmp", encodeBmpFile(picture, bits));
        HBITMAP bitmap = LoadBitmapFile(path, screen.dc());
        ASSERT_NE(bitmap, nullptr) << bits;
        BITMAP size = {};
        GetObjectA(bitmap, sizeof size, &size);
        EXPECT_EQ(size.bmWidth, 37);
        EXPECT_EQ(size.bmHeight, 23);
        EXPECT_EQ(size.bmBitsPixel, 32) << "compatible with the 32-bit screen";

        screen.fill([](int, int) { return 0x123456u; });
        DrawBitmapAt(bitmap, screen.dc(), 250, 50);
        for (int y = 0; y < 23; ++y) {
            for (int x = 0; x < 37; ++x) {
                ASSERT_EQ(screen.pixel(250 + x, 50 + y), exactPattern(x, y))
                    << bits << " bits at " << x << "," << y;
            }
        }
        EXPECT_EQ(screen.pixel(249, 50), 0x123456u);
        EXPECT_EQ(screen.pixel(250, 49), 0x123456u);
        EXPECT_EQ(screen.pixel(287, 73), 0x123456u);

        DrawBitmap(bitmap, screen.dc());
        EXPECT_EQ(screen.pixel(0, 0), exactPattern(0, 0));
        EXPECT_EQ(screen.pixel(36, 22), exactPattern(36, 22));
        EXPECT_EQ(screen.pixel(37, 22), 0x123456u);
        DeleteObject(bitmap);
    }
}

TEST_F(BitmapFileTest, DrawsAtTheDevicePlaceOfLogicalCoordinatesWithoutStretching) {
    const std::string path =
        writeBytes(directory.path(), "p.bmp", encodeBmpFile(patternPicture(20, 10), 24));
    HBITMAP bitmap = LoadBitmapFile(path, screen.dc());
    ASSERT_NE(bitmap, nullptr);
    screen.fill([](int, int) { return 0u; });
    // Twips: 15 logical units a pixel at 96 dots per inch, y growing upwards.
    SetMapMode(screen.dc(), MM_TWIPS);
    ASSERT_EQ(GetDeviceCaps(screen.dc(), LOGPIXELSX), 96);
    DrawBitmapAt(bitmap, screen.dc(), 150, -300);
    SetMapMode(screen.dc(), MM_TEXT);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(screen.pixel(10 + x, 20 + y), exactPattern(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(screen.pixel(30, 20), 0u);
    EXPECT_EQ(screen.pixel(10, 30), 0u);
    DeleteObject(bitmap);
}

TEST_F(BitmapFileTest, RefusesFilesOutsideTheFormatWithoutAMessage) {
    const std::vector<std::uint8_t> good = encodeBmpFile(patternPicture(8, 4), 24);
    struct Case {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> change;
        bool loads;
    };
    const Case cases[] = {
        {"as written", [](auto&) {}, true},
        {"declared size past the end", [](auto& f) { putU32(&f[2], 0xFFFFFFFF); }, true},
        {"no type field check", [](auto& f) { f[0] = 'X'; }, true},
        {"empty", [](auto& f) { f.clear(); }, false},
        {"13 bytes", [](auto& f) { f.resize(13); }, false},
        {"header only", [](auto& f) { f.resize(14); }, false},
        {"declared size 0", [](auto& f) { putU32(&f[2], 0); }, false},
        {"declared size cuts the pixels", [](auto& f) { putU32(&f[2], 14 + 40 + 95); }, false},
        {"file cut in the pixels", [](auto& f) { f.resize(f.size() - 1); }, false},
        {"8-bit without table length", [](auto& f) { putU16(&f[28], 8); }, false},
        {"run-length compressed", [](auto& f) { putU32(&f[30], 1); }, false},
        {"bit fields with a short header", [](auto& f) { putU32(&f[30], 3); }, false},
        {"absurd width", [](auto& f) { putU32(&f[18], 0x7FFFFFFF); }, false},
        {"absurd height", [](auto& f) { putU32(&f[22], 0x80000000); }, false},
        // GDI reads biClrUsed colours after the header: they must be in the file.
        {"10 colours inside the file", [](auto& f) { putU32(&f[46], 10); }, true},
        {"256 colours past the end", [](auto& f) { putU32(&f[46], 256); }, false},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> file = good;
        c.change(file);
        HBITMAP bitmap = LoadBitmapFile(writeBytes(directory.path(), "b.bmp", file), screen.dc());
        EXPECT_EQ(bitmap != nullptr, c.loads) << c.what;
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
    }
    EXPECT_EQ(LoadBitmapFile(directory.path() + "\\missing.bmp", screen.dc()), nullptr);
    EXPECT_TRUE(fake.messageBoxes.empty());
}

TEST_F(BitmapFileTest, FindsTheEightBitPixelsAfterAColourTableOfBiClrUsedEntries) {
    // 16 entries put the pixels 64 bytes after the table's start; 0 means 256 entries, 1024.
    // A top-down picture (negative height) is drawn upright too.
    struct Case {
        std::uint32_t clrUsed;
        bool topDown;
    };
    for (const auto [clrUsed, topDown] :
         {Case{16, false}, Case{0, false}, Case{256, false}, Case{3, false}, Case{16, true}}) {
        screen.fill([](int, int) { return 0xABCDEFu; });
        const std::uint32_t entries = clrUsed == 0 ? 256 : clrUsed;
        DrawBitmapFile(writeBytes(directory.path(), "h.bmp", paletteFile(30, 7, clrUsed, topDown)),
                       screen.dc());
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 30; ++x) {
                ASSERT_EQ(screen.pixel(x, y), paletteColour((x + y) % entries))
                    << "biClrUsed " << clrUsed << " at " << x << "," << y;
            }
        }
        EXPECT_EQ(screen.pixel(30, 0), 0xABCDEFu);
        EXPECT_EQ(screen.pixel(0, 7), 0xABCDEFu);
    }
    EXPECT_TRUE(fake.messageBoxes.empty());
}

TEST_F(BitmapFileTest, TellsTheUserOfAPictureThatIsNotEightBitAndLeavesTheScreen) {
    screen.fill(busyPattern);
    const PixelImage before = screen.snapshot();
    DrawBitmapFile(writeBytes(directory.path(), "h.bmp", encodeBmpFile(patternPicture(9, 9), 24)),
                   screen.dc());
    ASSERT_EQ(fake.messageBoxes.size(), 1u);
    EXPECT_EQ(fake.messageBoxes[0].text, "Not an 8 bit BMP");
    EXPECT_EQ(fake.messageBoxes[0].caption, "Image Load Error");
    EXPECT_EQ(fake.messageBoxes[0].type, static_cast<unsigned>(MB_OK));
    EXPECT_TRUE(screen.snapshot().pixels == before.pixels);

    // Unreadable 8-bit files and missing files draw nothing and say nothing.
    std::vector<std::uint8_t> tooManyColours = paletteFile(4, 4, 16);
    putU32(&tooManyColours[46], 257);
    std::vector<std::uint8_t> cut = paletteFile(4, 4, 0);
    cut.resize(cut.size() - 1);
    std::vector<std::uint8_t> compressed = paletteFile(4, 4, 16);
    putU32(&compressed[30], 1);
    for (const auto& file : {tooManyColours, cut, compressed, std::vector<std::uint8_t>(20, 0)}) {
        DrawBitmapFile(writeBytes(directory.path(), "bad.bmp", file), screen.dc());
    }
    DrawBitmapFile(directory.path() + "\\missing.bmp", screen.dc());
    EXPECT_EQ(fake.messageBoxes.size(), 1u);
    EXPECT_TRUE(screen.snapshot().pixels == before.pixels);
}

TEST_F(BitmapFileTest, ClearScreenBlacksTheWholeScreen) {
    screen.fill(busyPattern);
    ClearScreen(screen.dc());
    const PixelImage after = screen.snapshot();
    for (std::uint32_t p : after.pixels) {
        ASSERT_EQ(p, 0u);
    }
}

TEST_F(BitmapFileTest, ReadsWhatImageMagickWrites) {
    const std::string source = writeBytes(directory.path(), "source.ppm", exactPatternPpm(37, 23));
    struct Case {
        const char* arguments;
        const char* format;
        const char* name;
        bool eightBit;
        bool loads;
    };
    const Case cases[] = {
        {"-type truecolor", "", "t24.bmp", false, true},                 // 124-byte header
        {"-type truecolor", "BMP3:", "t24b.bmp", false, true},           // 40-byte header
        {"-alpha set -type truecolormatte", "", "t32.bmp", false, true}, // masks in the header
        {"-define bmp:subtype=RGB555", "", "t16.bmp", false, true},      // masks in the header
        // ImageMagick's 40-byte 16-bit file says BI_BITFIELDS but stores no masks: refused.
        {"-define bmp:subtype=RGB555", "BMP3:", "t16b.bmp", false, false},
        // 8-bit pictures are run-length compressed unless told otherwise.
        {"-type palette", "", "p8.bmp", true, true},
        {"-type palette", "BMP3:", "p8b.bmp", true, true},
        {"-type palette -compress none", "", "p8u.bmp", true, true},
        {"-type palette -compress none", "BMP3:", "p8ub.bmp", true, true},
    };
    for (const Case& c : cases) {
        std::string message;
        const std::string path = directory.path() + "\\" + c.name;
        ASSERT_TRUE(runConvert(source, c.arguments, c.format, path, message)) << message;
        screen.fill([](int, int) { return 0x010203u; });
        if (c.eightBit) {
            DrawBitmapFile(path, screen.dc());
        } else {
            HBITMAP bitmap = LoadBitmapFile(path, screen.dc());
            ASSERT_EQ(bitmap != nullptr, c.loads) << c.name;
            DrawBitmap(bitmap, screen.dc());
            DeleteObject(bitmap);
        }
        if (!c.loads) {
            EXPECT_EQ(screen.pixel(0, 0), 0x010203u) << c.name;
            continue;
        }
        for (int y = 0; y < 23; ++y) {
            for (int x = 0; x < 37; ++x) {
                ASSERT_EQ(screen.pixel(x, y), exactPattern(x, y)) << c.name << " " << x << "," << y;
            }
        }
        EXPECT_EQ(screen.pixel(37, 0), 0x010203u) << c.name;
    }
    EXPECT_TRUE(fake.messageBoxes.empty());
}
