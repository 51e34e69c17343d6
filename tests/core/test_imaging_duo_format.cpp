// The DUO file's bytes: the header's fields at their offsets, the inverted view headers,
// and every way a file can fall short of its own numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "imaging/dib_pixels.h"
#include "imaging/duo_format.h"
#include "imaging/little_endian.h"

namespace {

PixelImage patternImage(int width, int height, unsigned salt) {
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = pixelRgb(x * 7 + salt, y * 13 + salt, (x ^ y) + salt);
        }
    }
    return image;
}

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

const DuoPlacement kPlacement = {-41, -40, 50, 40, 3, 4, 20, -7};

} // namespace

TEST(DuoFormat, WritesTheHeaderFieldsAtTheirOffsetsAndReadsThemBack) {
    const std::vector<std::uint8_t> lower = encodePackedDib(patternImage(5, 3, 1), 24);
    const std::vector<std::uint8_t> upper = encodePackedDib(patternImage(5, 3, 2), 32, true);
    const std::vector<std::uint8_t> file = encodeDuoFile(kPlacement, lower, upper);

    ASSERT_EQ(file.size(), kDuoHeaderSize + 2 * upper.size()); // the longer block sets viewSize
    EXPECT_EQ(std::string(file.begin(), file.begin() + 3), "DUO");
    EXPECT_EQ(readU32(&file[17]), upper.size());
    const std::int32_t fields[] = {-41, -40, 50, 40, 3, 4, 20, -7};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(readI32(&file[21 + 4 * i]), fields[i]) << "field " << i;
    }
    for (std::size_t i = 53; i < kDuoHeaderSize; ++i) {
        ASSERT_EQ(file[i], 0) << "reserved byte " << i;
    }
    // Only the first 40 bytes of each block are inverted.
    const std::size_t second = kDuoHeaderSize + upper.size();
    for (std::size_t i = 0; i < 40; ++i) {
        ASSERT_EQ(file[kDuoHeaderSize + i], static_cast<std::uint8_t>(~lower[i])) << i;
        ASSERT_EQ(file[second + i], static_cast<std::uint8_t>(~upper[i])) << i;
    }
    EXPECT_EQ(file[kDuoHeaderSize + 40], lower[40]);
    EXPECT_EQ(file[second + 40], upper[40]);

    DuoFile duo;
    ASSERT_EQ(readDuoFile(file, duo), DuoStatus::Loaded);
    EXPECT_EQ(duo.placement, kPlacement);
    EXPECT_EQ(duo.lower.layout.bitCount, 24);
    EXPECT_FALSE(duo.lower.layout.topDown);
    EXPECT_EQ(duo.upper.layout.bitCount, 32);
    EXPECT_TRUE(duo.upper.layout.topDown);
    EXPECT_EQ(std::vector<std::uint8_t>(duo.lower.header),
              std::vector<std::uint8_t>(lower.begin(), lower.begin() + 40));
    // Picture row 0 of a bottom-up view is its last stored row.
    EXPECT_EQ(duo.lower.row(0), duo.lower.block.data() + 40 + 2 * duo.lower.layout.stride);
    EXPECT_EQ(duo.upper.row(0), duo.upper.block.data() + 40);
}

TEST(DuoFormat, TellsDuoFilesFromObsoleteBitmapsAndOtherFiles) {
    struct Case {
        const char* start;
        DuoStart kind;
    };
    const Case cases[] = {
        {"DUO", DuoStart::Duo},           {"DUOx", DuoStart::Duo},
        {"BM", DuoStart::ObsoleteBitmap}, {"BMP", DuoStart::ObsoleteBitmap},
        {"DU", DuoStart::Unknown},        {"duo", DuoStart::Unknown},
        {"DUX", DuoStart::Unknown},       {"B", DuoStart::Unknown},
        {"", DuoStart::Unknown},          {"MB", DuoStart::Unknown},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(classifyDuoStart(bytesOf(c.start)), c.kind) << c.start;
    }
    DuoFile duo;
    EXPECT_EQ(readDuoFile(bytesOf("BM and then a bitmap"), duo), DuoStatus::Obsolete);
    EXPECT_EQ(readDuoFile(bytesOf("RIFF"), duo), DuoStatus::NotDuo);
}

TEST(DuoFormat, RefusesFilesShorterThanTheirNumbersAndViewsOutsideTheFormat) {
    const std::vector<std::uint8_t> good = encodePackedDib(patternImage(4, 2, 9), 24);
    const std::size_t heightField = 8, planesField = 12, bitsField = 14, compressionField = 16;
    struct Case {
        const char* what;
        std::function<void(std::vector<std::uint8_t>& lower, std::vector<std::uint8_t>& upper)>
            change;
        DuoStatus status;
    };
    auto field32 = [](std::size_t offset, std::uint32_t value) {
        return [=](std::vector<std::uint8_t>& dib) { putU32(&dib[offset], value); };
    };
    const Case cases[] = {
        {"both good", [](auto&, auto&) {}, DuoStatus::Loaded},
        {"compressed lower", [&](auto& l, auto&) { field32(compressionField, 1)(l); },
         DuoStatus::BadLowerView},
        {"bit fields upper", [&](auto&, auto& u) { field32(compressionField, 3)(u); },
         DuoStatus::BadUpperView},
        {"8-bit palette upper", [&](auto&, auto& u) { putU16(&u[bitsField], 8); },
         DuoStatus::BadUpperView},
        {"1-bit lower", [&](auto& l, auto&) { putU16(&l[bitsField], 1); }, DuoStatus::BadLowerView},
        {"two planes", [&](auto& l, auto&) { putU16(&l[planesField], 2); },
         DuoStatus::BadLowerView},
        {"header size 39", [&](auto& l, auto&) { field32(0, 39)(l); }, DuoStatus::BadLowerView},
        {"header size past the block", [&](auto& l, auto&) { field32(0, 5000)(l); },
         DuoStatus::BadLowerView},
        {"width 0", [&](auto& l, auto&) { field32(4, 0)(l); }, DuoStatus::BadLowerView},
        {"negative width", [&](auto& l, auto&) { field32(4, static_cast<std::uint32_t>(-4))(l); },
         DuoStatus::BadLowerView},
        {"absurd width", [&](auto&, auto& u) { field32(4, 1u << 30)(u); }, DuoStatus::BadUpperView},
        {"height 0", [&](auto& l, auto&) { field32(heightField, 0)(l); }, DuoStatus::BadLowerView},
        {"absurd top-down height",
         [&](auto& l, auto&) { field32(heightField, static_cast<std::uint32_t>(INT32_MIN))(l); },
         DuoStatus::BadLowerView},
        {"one row more than the block holds", [&](auto&, auto& u) { field32(heightField, 3)(u); },
         DuoStatus::BadUpperView},
        {"colours GDI would read past the block", [&](auto& l, auto&) { field32(32, 256)(l); },
         DuoStatus::BadLowerView},
        {"top-down view",
         [&](auto& l, auto&) { field32(heightField, static_cast<std::uint32_t>(-2))(l); },
         DuoStatus::Loaded},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> lower = good, upper = good;
        c.change(lower, upper);
        DuoFile duo;
        EXPECT_EQ(readDuoFile(encodeDuoFile({}, lower, upper), duo), c.status) << c.what;
    }
}

TEST(DuoFormat, NeverReadsPastTheEndOfATruncatedFile) {
    const std::vector<std::uint8_t> dib = encodePackedDib(patternImage(4, 2, 3), 16);
    const std::vector<std::uint8_t> file = encodeDuoFile(kPlacement, dib, dib);
    struct Case {
        std::size_t length;
        DuoStatus status;
    };
    const Case cases[] = {
        {0, DuoStatus::NotDuo},
        {3, DuoStatus::ShortHeader},
        {kDuoHeaderSize - 1, DuoStatus::ShortHeader},
        {kDuoHeaderSize, DuoStatus::ShortViews},
        {file.size() - 1, DuoStatus::ShortViews},
        {file.size(), DuoStatus::Loaded},
    };
    for (const Case& c : cases) {
        // A copy of exactly `length` bytes, so that the address sanitizer sees any overread.
        const std::vector<std::uint8_t> cut(file.begin(), file.begin() + c.length);
        DuoFile duo;
        EXPECT_EQ(readDuoFile(cut, duo), c.status) << c.length;
    }
    // A viewSize whose two blocks pass the end of any file, and one too small for a header.
    for (std::uint32_t viewSize : {0xFFFFFFFFu, 0x80000000u, 39u, 0u}) {
        std::vector<std::uint8_t> patched = file;
        putU32(&patched[17], viewSize);
        DuoFile duo;
        const DuoStatus status = readDuoFile(patched, duo);
        EXPECT_TRUE(status == DuoStatus::ShortViews || status == DuoStatus::BadLowerView)
            << viewSize;
    }
    // A file exactly as long as its header and two tiny views: each view block is too
    // short for the 40 inverted header bytes, and nothing past the file may be read.
    for (std::uint32_t viewSize = 0; viewSize < 40; ++viewSize) {
        // Made at its final length: a buffer with room beyond its end would hide a read
        // past the file from the address sanitizer.
        std::vector<std::uint8_t> tiny(kDuoHeaderSize + 2 * std::size_t{viewSize}, 0xFF);
        std::copy_n(file.begin(), kDuoHeaderSize, tiny.begin());
        putU32(&tiny[17], viewSize);
        DuoFile duo;
        EXPECT_EQ(readDuoFile(tiny, duo), DuoStatus::BadLowerView) << viewSize;
    }
}

TEST(DuoFormat, ReadsAViewWhosePixelsFollowALongerHeader) {
    // A 108-byte header (the V4 generation): the pixels start at biSize, and only the
    // first 40 bytes were inverted.
    const std::vector<std::uint8_t> plain = encodePackedDib(patternImage(3, 2, 5), 24);
    std::vector<std::uint8_t> longer(plain.begin(), plain.begin() + 40);
    longer.resize(108, 0xA5);
    longer.insert(longer.end(), plain.begin() + 40, plain.end());
    putU32(&longer[0], 108);
    const std::vector<std::uint8_t> file = encodeDuoFile({}, longer, plain);
    DuoFile duo;
    ASSERT_EQ(readDuoFile(file, duo), DuoStatus::Loaded);
    EXPECT_EQ(duo.lower.layout.pixelOffset, 108u);
    ASSERT_EQ(duo.lower.header.size(), 108u);
    EXPECT_EQ(duo.lower.header[60], 0xA5); // stored plainly beyond the first 40 bytes
    EXPECT_EQ(duo.lower.row(1)[0], plain[40]);
    EXPECT_TRUE(isValidDuoView(longer));

    // A colour count makes GDI read two table entries after the header: the view's bitmap
    // information holds them, so that GDI never reads past it.
    std::vector<std::uint8_t> counted = plain;
    putU32(&counted[32], 2);
    DuoFile withColours;
    ASSERT_EQ(readDuoFile(encodeDuoFile({}, counted, counted), withColours), DuoStatus::Loaded);
    EXPECT_EQ(withColours.lower.header.size(), 48u);
    EXPECT_EQ(withColours.lower.layout.pixelOffset, 40u);
}
