// Photographs as cameras store them: the EXIF orientation of a JPEG file found or refused
// on hostile bytes, the EXIF block and the multi-picture index read inside every cut of
// them, Huffman tables the decoder must not see, pictures turned by each orientation, duo
// pack standing a turned photograph upright and saying so, and its warnings about pairs
// that cannot match.
#include <gtest/gtest.h>

#include <stb/stb_image_write.h>

#include "common/exif_orientation.h"
#include "common/jpeg_huffman_check.h"
#include "common/mpo_reader.h"
#include "common/picture_files.h"
#include "duo/duo_commands.h"
#include "duo/pack_warnings.h"
#include "stereo_test_pictures.h"
#include "tools_test_support.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& out, unsigned v, bool bigEndian) {
    const auto hi = static_cast<std::uint8_t>(v >> 8);
    const auto lo = static_cast<std::uint8_t>(v);
    out.insert(out.end(), bigEndian ? std::initializer_list<std::uint8_t>{hi, lo}
                                    : std::initializer_list<std::uint8_t>{lo, hi});
}

void put32(Bytes& out, std::uint32_t v, bool bigEndian) {
    put16(out, bigEndian ? v >> 16 : v & 0xFFFF, bigEndian);
    put16(out, bigEndian ? v & 0xFFFF : v >> 16, bigEndian);
}

// A TIFF block whose first directory holds one entry, the orientation.
Bytes tiffBlock(int orientation, bool bigEndian, std::uint32_t directory = 8,
                unsigned entries = 1) {
    Bytes t = {static_cast<std::uint8_t>(bigEndian ? 'M' : 'I'),
               static_cast<std::uint8_t>(bigEndian ? 'M' : 'I')};
    put16(t, 42, bigEndian);
    put32(t, directory, bigEndian);
    put16(t, entries, bigEndian);
    put16(t, 0x0112, bigEndian);
    put16(t, 3, bigEndian);
    put32(t, 1, bigEndian);
    put16(t, static_cast<unsigned>(orientation), bigEndian);
    put16(t, 0, bigEndian);
    put32(t, 0, bigEndian);
    return t;
}

// The APP1 segment that carries a TIFF block.
Bytes exifSegment(const Bytes& tiff) {
    Bytes s = {0xFF, 0xE1};
    put16(s, static_cast<unsigned>(tiff.size() + 8), true);
    s.insert(s.end(), {'E', 'x', 'i', 'f', 0, 0});
    s.insert(s.end(), tiff.begin(), tiff.end());
    return s;
}

// A JPEG file's start, the segments, and a start of scan.
Bytes jpegWith(const Bytes& segments) {
    Bytes j = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 'a', 'b'};
    j.insert(j.end(), segments.begin(), segments.end());
    j.insert(j.end(), {0xFF, 0xDA, 0x00, 0x02, 0xFF, 0xD9});
    return j;
}

TEST(ExifOrientation, FoundInEitherByteOrderAndRefusedWhenMalformed) {
    Bytes shortSegment = exifSegment(tiffBlock(6, false));
    shortSegment[3] = 0xFF; // a length past the data
    Bytes afterScan = {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02};
    const Bytes late = exifSegment(tiffBlock(6, false));
    afterScan.insert(afterScan.end(), late.begin(), late.end());
    const struct {
        const char* what;
        Bytes bytes;
        int orientation;
    } cases[] = {
        {"Intel order", jpegWith(exifSegment(tiffBlock(6, false))), 6},
        {"Motorola order", jpegWith(exifSegment(tiffBlock(8, true))), 8},
        {"as stored", jpegWith(exifSegment(tiffBlock(1, false))), 1},
        {"no EXIF", jpegWith({}), 0},
        {"not a JPEG", {'P', 'N', 'G', 0, 1, 2}, 0},
        {"orientation 9", jpegWith(exifSegment(tiffBlock(9, false))), 0},
        {"directory past the block", jpegWith(exifSegment(tiffBlock(6, false, 4000))), 0},
        {"more entries than bytes", jpegWith(exifSegment(tiffBlock(5, false, 8, 60000))), 5},
        {"segment longer than the file", jpegWith(shortSegment), 0},
        {"EXIF after the image data", afterScan, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jpegExifOrientation(c.bytes), c.orientation) << c.what;
    }
    Bytes cut = jpegWith(exifSegment(tiffBlock(6, false, 8, 2)));
    cut.resize(cut.size() - 12); // the second entry's bytes are gone
    EXPECT_EQ(jpegExifOrientation(cut), 0);
}

// The file's bytes up to the segment that starts at `segment`, and that segment cut to
// `bodyBytes` bytes after its length field, the length field saying so: the segment ends
// where the file ends, so a read past the segment is a read past the buffer.
Bytes cutSegment(const Bytes& file, std::size_t segment, std::size_t bodyBytes) {
    Bytes cut(file.begin(), file.begin() + static_cast<long>(segment + 4 + bodyBytes));
    cut[segment + 2] = static_cast<std::uint8_t>((bodyBytes + 2) >> 8);
    cut[segment + 3] = static_cast<std::uint8_t>(bodyBytes + 2);
    return cut;
}

std::size_t segmentBody(const Bytes& file, std::size_t segment) {
    return (std::size_t{file[segment + 2]} << 8 | file[segment + 3]) - 2;
}

TEST(CameraReaders, EveryCutOfTheExifBlockOrTheMultiPictureIndexStaysInsideTheFile) {
    // The EXIF block: the orientation is found once its entry is whole (6 bytes of "Exif",
    // 8 of TIFF header, 2 of count, 12 of entry).
    const Bytes exif = jpegWith(exifSegment(tiffBlock(6, true)));
    const std::size_t app1 = 8;
    for (std::size_t body = 0; body <= segmentBody(exif, app1); ++body) {
        EXPECT_EQ(jpegExifOrientation(cutSegment(exif, app1, body)), body >= 28 ? 6 : 0) << body;
    }
    // The multi-picture index: the pictures are listed only from the whole index on.
    const Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xD9};
    const Bytes mpo = makeMpo(jpeg, jpeg);
    const std::size_t app2 = 2 + 12;
    ASSERT_EQ(mpo[app2 + 1], 0xE2);
    std::string error;
    for (std::size_t body = 0; body < segmentBody(mpo, app2); ++body) {
        EXPECT_FALSE(readMpoIndex(cutSegment(mpo, app2, body), error)) << body;
    }
    // And every prefix of the whole file: the pictures lie past the index.
    for (std::size_t length = 0; length <= mpo.size(); ++length) {
        EXPECT_EQ(readMpoIndex(Bytes(mpo.begin(), mpo.begin() + static_cast<long>(length)), error)
                      .has_value(),
                  length == mpo.size())
            << length;
    }
}

TEST(ExifOrientation, EachOrientationTurnsThePictureToStandUpright) {
    // A 3 x 2 picture: where its top-left and top-right pixels end up.
    Picture stored(3, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            stored.set(x, y, {static_cast<std::uint8_t>(10 * x + y), 0, 0});
        }
    }
    const struct {
        int orientation, width, height, topLeftX, topLeftY, topRightX, topRightY;
    } cases[] = {{1, 3, 2, 0, 0, 2, 0}, {2, 3, 2, 2, 0, 0, 0}, {3, 3, 2, 2, 1, 0, 1},
                 {4, 3, 2, 0, 1, 2, 1}, {5, 2, 3, 0, 0, 0, 2}, {6, 2, 3, 1, 0, 1, 2},
                 {7, 2, 3, 1, 2, 1, 0}, {8, 2, 3, 0, 2, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.orientation);
        const Picture p = orientedPicture(stored, c.orientation);
        ASSERT_EQ(p.width, c.width);
        ASSERT_EQ(p.height, c.height);
        EXPECT_EQ(p.at(c.topLeftX, c.topLeftY).red, 0);
        EXPECT_EQ(p.at(c.topRightX, c.topRightY).red, 20);
    }
}

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    out->insert(out->end(), static_cast<std::uint8_t*>(data),
                static_cast<std::uint8_t*>(data) + size);
}

TEST(ExifOrientation, DuoPackStandsATurnedPhotographUprightAndSaysSo) {
    // Stored as the sensor saw it: dark on the left, bright on the right; the camera was
    // held turned, so the dark side is the top.
    Picture sensor(64, 32);
    sensor.fillRect(0, 0, 32, 32, {20, 20, 20});
    sensor.fillRect(32, 0, 32, 32, {230, 230, 230});
    Bytes encoded;
    ASSERT_NE(stbi_write_jpg_to_func(appendBytes, &encoded, sensor.width, sensor.height, 3,
                                     sensor.pixels.data(), 95),
              0);
    Bytes photo(encoded.begin(), encoded.begin() + 2);
    const Bytes exif = exifSegment(tiffBlock(6, false));
    photo.insert(photo.end(), exif.begin(), exif.end());
    photo.insert(photo.end(), encoded.begin() + 2, encoded.end());
    TempDir dir;
    ASSERT_TRUE(writeFileBytes(dir / "photo.jpg", photo));
    const ToolRun pack =
        runTool(runDuo, {"pack", dir / "photo.jpg", dir / "photo.jpg", dir / "s.duo"});
    ASSERT_EQ(pack.code, 0) << pack.err;
    EXPECT_NE(pack.out.find("EXIF orientation 6: turned 90 degrees clockwise"), std::string::npos)
        << pack.out;
    EXPECT_NE(pack.out.find("to 364 x 364"), std::string::npos) << pack.out;
    ASSERT_EQ(runTool(runDuo, {"unpack", dir / "s.duo", dir / "u.png", dir / "d.png"}).code, 0);
    std::string error;
    const auto view = readPictureFile(dir / "u.png", error);
    ASSERT_TRUE(view) << error;
    EXPECT_LT(view->at(512, 60).red, 60);
    EXPECT_GT(view->at(512, 300).red, 200);
}

// A DHT segment with one table of `codes` codes (all of one length each up to 16).
Bytes huffmanSegment(int codes) {
    Bytes s = {0xFF, 0xC4};
    put16(s, static_cast<unsigned>(2 + 17 + codes), true);
    s.push_back(0x10); // an AC table, number 0
    for (int length = 1; length <= 16; ++length) {
        s.push_back(static_cast<std::uint8_t>(length < 16 ? 16 : codes - 15 * 16));
    }
    s.insert(s.end(), static_cast<std::size_t>(codes), 0x01);
    return s;
}

TEST(JpegHuffmanTables, MoreThan256CodesAreRefusedWhereverTheDecoderWouldReadThem) {
    Bytes afterScan = jpegWith({});
    const Bytes late = huffmanSegment(257);
    // Entropy-coded data with a stuffed 0xFF and a restart marker, then the table.
    afterScan.insert(afterScan.end() - 2, {0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56});
    afterScan.insert(afterScan.end() - 2, late.begin(), late.end());
    Bytes filled = jpegWith(huffmanSegment(257));
    filled.insert(filled.begin(), {0xFF, 0xFF, 0xFF});
    Bytes inApp2 = {0xFF, 0xE2};
    put16(inApp2, static_cast<unsigned>(late.size() + 2), true);
    inApp2.insert(inApp2.end(), late.begin(), late.end());
    const struct {
        const char* what;
        Bytes bytes;
        bool fits;
    } cases[] = {
        {"256 codes", jpegWith(huffmanSegment(256)), true},
        {"257 codes", jpegWith(huffmanSegment(257)), false},
        {"257 codes after a scan", afterScan, false},
        {"257 codes after fill bytes before the start", filled, false},
        {"a table's bytes inside an application segment", jpegWith(inApp2), true},
        {"not a JPEG", {'B', 'M', 0xFF, 0xC4}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jpegHuffmanTablesFit(c.bytes), c.fits) << c.what;
    }
    // A picture found by fuzzing: the decoder is not reached, and the reason is given.
    std::string error;
    EXPECT_FALSE(decodePicture(jpegWith(huffmanSegment(300)), error));
    EXPECT_NE(error.find("Huffman table"), std::string::npos) << error;
}

TEST(PackWarnings, PairsThatCannotMatchAndViewsAtDifferentHeights) {
    const struct {
        const char* what;
        int leftW, leftH, rightW, rightH, upperY, lowerY;
        const char* warning; // nullptr: none
    } cases[] = {
        {"a sound pair", 800, 600, 800, 600, 3, 3, nullptr},
        {"another size", 800, 600, 1600, 1200, 0, 0, "differ in size (800 x 600 and 1600 x 1200)"},
        {"another shape", 800, 600, 800, 500, 0, 0, "different aspect ratios"},
        {"heights", 800, 600, 800, 600, 4, 0, "--upper-y 4 differs from --lower-y 0"},
    };
    for (const auto& c : cases) {
        DuoPlacement placement{};
        placement.upperY = c.upperY;
        placement.lowerY = c.lowerY;
        const auto warnings =
            packWarnings(Picture(c.leftW, c.leftH), Picture(c.rightW, c.rightH), placement);
        if (c.warning == nullptr) {
            EXPECT_TRUE(warnings.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(warnings.size(), 1u) << c.what;
        EXPECT_NE(warnings[0].find(c.warning), std::string::npos) << c.what << ": " << warnings[0];
    }
    // Offsets that correct a pair whose right picture stands 4 rows lower are no fault;
    // the same offsets the other way make the views disagree.
    const Picture left = sceneView(1024, 364, false, {-2, 6, 0});
    const Picture right = sceneView(1024, 364, true, {-2, 6, 4});
    for (const int lowerY : {-4, 4}) {
        DuoPlacement placement{};
        placement.lowerY = lowerY;
        EXPECT_EQ(packWarnings(left, right, placement).size(), lowerY < 0 ? 0u : 1u) << lowerY;
    }
    TempDir dir;
    std::string error;
    ASSERT_TRUE(writePictureFile(dir / "l.png", Picture(64, 32), error));
    const ToolRun pack =
        runTool(runDuo, {"pack", "--upper-y", "4", dir / "l.png", dir / "l.png", dir / "s.duo"});
    EXPECT_EQ(pack.code, 0);
    EXPECT_NE(pack.err.find("duo: warning: --upper-y 4"), std::string::npos) << pack.err;
}

} // namespace
