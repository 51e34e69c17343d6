// The stereo picture loader under GDI: the bitmap holds every pixel the core composer
// composes, on a memory screen and on the display; the obsolete-file message; bad files;
// and the GDI calls of the loader's steps, made one by one, give the same picture but for
// the one place where Wine's PatBlt differs from Windows'.
#include "support/program_harness.h"
#include "test_imaging_support.h"

#include "display/display_globals.h"
#include "imaging/bitmap_primitives.h"
#include "imaging/dib_pixels.h"
#include "imaging/little_endian.h"
#include "imaging/stereo_composer.h"
#include "imaging/stereo_image.h"
#include "imaging/stereo_image_gdi.h"

namespace {

PixelImage viewPicture(unsigned salt, int width = 1024, int height = 364) {
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = busyPattern(x + salt, y * 3 + salt);
        }
    }
    return image;
}

struct StereoCase {
    const char* what;
    DuoPlacement placement;
    int parallax;
    int bits;
    bool topDown = false;
};

const StereoCase kCases[] = {
    {"all zero", {}, 0, 24},
    {"thresholds below", {0, -41, 0, 41, 0, 0, 0, 0}, 0, 24},
    {"thresholds at", {0, -40, 0, 40, 0, 0, 0, 0}, 0, 32},
    {"bands and shifts", {-30, 12, 25, -8, 10, 5, 20, 24}, 17, 24},
    {"highest parallax", {3, -50, -3, 50, 2, 2, 2, 2}, 50, 16},
    {"lowest parallax", {0, 0, 0, 0, 0, 0, 0, 0}, -50, 24},
    {"lowest parallax, bands", {7, -45, 0, 45, 4, 6, 1, 1}, -50, 32},
    {"one below the separator threshold", {}, -41, 16},
    {"top-down views", {0, 20, 0, -20, 0, 0, 0, 0}, -7, 24, true},
};

class StereoImageTest : public ProgramTest {
  protected:
    // Writes the case's file and opens it for the core composer.
    std::string writeCase(const StereoCase& c) {
        bytes = encodeDuoFile(c.placement, encodePackedDib(viewPicture(1), c.bits, c.topDown),
                              encodePackedDib(viewPicture(2), c.bits, c.topDown));
        EXPECT_EQ(readDuoFile(bytes, file), DuoStatus::Loaded);
        return writeBytes(directory.path(), "slide.duo", bytes);
    }

    TemporaryDirectory directory;
    TestScreen screen;
    std::vector<std::uint8_t> bytes;
    DuoFile file;
};

// Rows where two composites differ.
std::vector<int> differingRows(const PixelImage& a, const PixelImage& b) {
    std::vector<int> rows;
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            if (a.at(x, y) != b.at(x, y)) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

bool underWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

} // namespace

TEST_F(StereoImageTest, HoldsEveryPixelTheCoreComposerComposes) {
    for (const StereoCase& c : kCases) {
        lowerImageTop = 404 + c.parallax;
        HBITMAP bitmap = LoadStereoImage(writeCase(c), screen.dc());
        ASSERT_NE(bitmap, nullptr) << c.what;
        BITMAP size = {};
        GetObjectA(bitmap, sizeof size, &size);
        EXPECT_EQ(size.bmWidth, 1024);
        EXPECT_EQ(size.bmHeight, 768);
        const PixelImage loaded = readBitmap(screen.dc(), bitmap);
        EXPECT_EQ(differingRows(loaded, composeStereoImage(file, lowerImageTop)),
                  std::vector<int>{})
            << c.what;
        DeleteObject(bitmap);
    }
}

TEST_F(StereoImageTest, GivesTheDisplayACompatibleBitmapThatDrawsUnchanged) {
    HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    ASSERT_NE(display, nullptr);
    const StereoCase c = kCases[3];
    lowerImageTop = 404 + c.parallax;
    HBITMAP bitmap = LoadStereoImage(writeCase(c), display);
    ASSERT_NE(bitmap, nullptr);
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    EXPECT_EQ(size.bmBitsPixel, GetDeviceCaps(display, BITSPIXEL));
    DrawBitmap(bitmap, display);
    BitBlt(screen.dc(), 0, 0, 1024, 768, display, 0, 0, SRCCOPY);
    EXPECT_EQ(differingRows(screen.snapshot(), composeStereoImage(file, lowerImageTop)),
              std::vector<int>{});
    DeleteObject(bitmap);
    DeleteDC(display);
}

TEST_F(StereoImageTest, RefusesAVersionOneFileWithAMessageEachTimeItIsLoaded) {
    const std::string path =
        writeBytes(directory.path(), "old.duo", encodeBmpFile(viewPicture(3, 64, 32), 24));
    EXPECT_EQ(LoadStereoImage(path, screen.dc()), nullptr);
    EXPECT_EQ(LoadStereoImage(path, screen.dc()), nullptr);
    ASSERT_EQ(fake.messageBoxes.size(), 2u);
    for (const RecordedMessageBox& box : fake.messageBoxes) {
        EXPECT_EQ(box.text, "This is an Version 1.0 DUO file.  Use DUOn to convert.");
        EXPECT_EQ(box.caption, "Obsolete file warning!");
        EXPECT_EQ(box.type, static_cast<unsigned>(MB_OK));
    }
    // Two bytes "BM" are enough to be a version 1.0 file.
    EXPECT_EQ(LoadStereoImage(writeBytes(directory.path(), "bm.duo", {'B', 'M'}), screen.dc()),
              nullptr);
    EXPECT_EQ(fake.messageBoxes.size(), 3u);
}

TEST_F(StereoImageTest, GivesNoImageAndSaysNothingForFilesOutsideTheFormat) {
    writeCase(kCases[0]);
    const std::vector<std::uint8_t> good = bytes;
    struct Case {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> change;
    };
    auto viewField = [&](std::size_t block, std::size_t offset, std::uint32_t value) {
        return [=](std::vector<std::uint8_t>& f) {
            const std::size_t at = kDuoHeaderSize + block * readU32(&f[17]) + offset;
            putU32(&f[at], ~value); // the header bytes are stored inverted
        };
    };
    const Case cases[] = {
        {"empty", [](auto& f) { f.clear(); }},
        {"not a DUO file", [](auto& f) { f[0] = 'd'; }},
        {"only the magic", [](auto& f) { f.resize(3); }},
        {"header cut short", [](auto& f) { f.resize(kDuoHeaderSize - 1); }},
        {"header without views", [](auto& f) { f.resize(kDuoHeaderSize); }},
        {"second view cut short", [](auto& f) { f.resize(f.size() - 1); }},
        {"view size past the end", [](auto& f) { putU32(&f[17], readU32(&f[17]) + 1); }},
        {"view size of 4 GB", [](auto& f) { putU32(&f[17], 0xFFFFFFFF); }},
        {"view size below a header", [](auto& f) { putU32(&f[17], 39); }},
        {"compressed lower view", viewField(0, 16, 1)},
        {"palette upper view", viewField(1, 14, 8)},
        {"absurd width", viewField(0, 4, 0x40000000)},
        {"absurd height", viewField(1, 8, 0x40000000)},
        {"header longer than the block", viewField(1, 0, 0x10000000)},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> changed = good;
        c.change(changed);
        HBITMAP bitmap =
            LoadStereoImage(writeBytes(directory.path(), "bad.duo", changed), screen.dc());
        EXPECT_EQ(bitmap, nullptr) << c.what;
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
    }
    EXPECT_EQ(LoadStereoImage(directory.path() + "\\missing.duo", screen.dc()), nullptr);
    EXPECT_TRUE(fake.messageBoxes.empty());
}

TEST_F(StereoImageTest, WinePatBltCoversTheRowsFromYUpForANegativeHeight) {
    // Windows fills y + height .. y - 1 for a negative height; Wine fills y + height + 1 .. y.
    // The composer keeps Windows' rule; this records what the GDI under test does.
    screen.fill([](int, int) { return 0xFFFFFFu; });
    PatBlt(screen.dc(), 0, 10, 4, -3, BLACKNESS);
    GdiFlush();
    std::vector<int> black;
    for (int y = 0; y < 20; ++y) {
        if (screen.pixel(0, y) == 0) {
            black.push_back(y);
        }
    }
    EXPECT_EQ(black, underWine() ? std::vector<int>({8, 9, 10}) : std::vector<int>({7, 8, 9}));
}

TEST_F(StereoImageTest, MatchesTheGdiCallsOfEachStepButWherePatBltsDiffer) {
    for (const StereoCase& c : kCases) {
        lowerImageTop = 404 + c.parallax;
        HBITMAP loaded = LoadStereoImage(writeCase(c), screen.dc());
        HBITMAP byGdi = composeStereoImageWithGdi(file, lowerImageTop, screen.dc());
        ASSERT_NE(loaded, nullptr);
        ASSERT_NE(byGdi, nullptr);
        const std::vector<int> rows =
            differingRows(readBitmap(screen.dc(), loaded), readBitmap(screen.dc(), byGdi));
        // Below a parallax of -40 the separator's black-out has a negative height. Wine
        // blacks out row 364 instead of row lowerImageTop (unless the lower view's top band
        // blacks that row anyway); Windows does what the composer does.
        std::vector<int> expected;
        if (lowerImageTop < 364 && underWine()) {
            expected = c.placement.topBand > 0 ? std::vector<int>{364}
                                               : std::vector<int>{lowerImageTop, 364};
        }
        EXPECT_EQ(rows, expected) << c.what;
        DeleteObject(loaded);
        DeleteObject(byGdi);
    }
}
