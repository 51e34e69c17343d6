// The tools' own file handling: wave files told apart from everything else, 8-bit help
// pictures the program's checks accept, picture files written and read back in each
// format, and the fitting of pictures into a view.
#include <gtest/gtest.h>

#include <span>

#include "common/author_paths.h"
#include "common/bmp8_encoder.h"
#include "common/picture_files.h"
#include "common/wave_file.h"
#include "imaging/bmp_file.h"
#include "tools_test_support.h"

namespace {

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

void put16(std::vector<std::uint8_t>& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void tag(std::vector<std::uint8_t>& b, const char* t) {
    b.insert(b.end(), t, t + 4);
}

// A wave of `dataBytes` bytes of 16-bit mono sound at 22050 Hz.
std::vector<std::uint8_t> wave(unsigned format, std::uint32_t declaredData, std::size_t dataBytes,
                               bool formatFirst = true) {
    std::vector<std::uint8_t> b;
    tag(b, "RIFF");
    put32(b, 0);
    tag(b, "WAVE");
    std::vector<std::uint8_t> fmt;
    tag(fmt, "fmt ");
    put32(fmt, 16);
    put16(fmt, format);
    put16(fmt, 1);
    put32(fmt, 22050);
    put32(fmt, 44100);
    put16(fmt, 2);
    put16(fmt, 16);
    std::vector<std::uint8_t> data;
    tag(data, "data");
    put32(data, declaredData);
    data.resize(data.size() + dataBytes);
    for (const auto* chunk : formatFirst ? std::vector{&fmt, &data} : std::vector{&data, &fmt}) {
        b.insert(b.end(), chunk->begin(), chunk->end());
    }
    return b;
}

TEST(WaveFiles, PlayablePcmOnly) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool valid;
        double seconds;
    };
    std::vector<std::uint8_t> riffOnly = wave(1, 0, 0);
    riffOnly.resize(12);
    std::vector<std::uint8_t> cutFormat = wave(1, 0, 0);
    cutFormat.resize(24);
    const Case cases[] = {
        {"two seconds", wave(1, 88200, 88200), true, 2.0},
        {"a streamed size placeholder", wave(1, 0x7FFFF000, 44100), true, 1.0},
        {"compressed", wave(2, 100, 100), false, 0},
        {"data before format", wave(1, 100, 100, false), false, 0},
        {"no chunks", riffOnly, false, 0},
        {"a format chunk cut short", cutFormat, false, 0},
        {"text", std::vector<std::uint8_t>{'h', 'e', 'l', 'l', 'o'}, false, 0},
        {"empty", {}, false, 0},
    };
    for (const Case& c : cases) {
        const WaveInfo info = inspectWave(c.bytes);
        EXPECT_EQ(info.valid, c.valid) << c.what << ": " << info.problem;
        if (c.valid) {
            EXPECT_DOUBLE_EQ(info.seconds, c.seconds) << c.what;
        } else {
            EXPECT_FALSE(info.problem.empty()) << c.what;
        }
    }
    // Every prefix of a playable wave, each in a buffer of exactly its length: the walk over
    // the chunks never reads past the end, and the wave is playable once its data chunk's
    // header is there (44 bytes).
    const std::vector<std::uint8_t> whole = wave(1, 8, 8);
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        const std::vector<std::uint8_t> cut(whole.begin(),
                                            whole.begin() + static_cast<long>(length));
        EXPECT_EQ(inspectWave(cut).valid, length >= 44) << length;
    }
}

TEST(HelpPictures, EightBitFilesPassTheProgramsCheckWithEitherColourCount) {
    Picture picture(37, 5, {10, 200, 30}); // rows padded to 40 bytes
    picture.set(0, 0, {255, 255, 255});
    for (std::uint32_t declared : {0u, 256u}) {
        const std::vector<std::uint8_t> file = encodeBmp8File(picture, declared);
        const std::uint64_t length = bmpPayloadLength(file, file.size());
        EXPECT_EQ(length, file.size() - kBmpFileHeaderSize);
        const PaletteBitmap checked =
            checkPaletteBitmap(std::span(file).subspan(kBmpFileHeaderSize));
        ASSERT_EQ(checked.status, PaletteCheck::Drawable) << declared;
        EXPECT_EQ(checked.layout.colourCount, 256u);
        // The top-left pixel is the last row of the file; white is the cube's last colour.
        const std::size_t topRow = file.size() - 40;
        EXPECT_EQ(file[topRow], 215);
    }
}

TEST(PictureFiles, EachFormatReadsBackAndUnknownOnesAreRefused) {
    TempDir dir;
    const Picture p = patternPicture(33, 17, 9);
    for (const char* name : {"a.png", "a.BMP", "a.ppm"}) {
        std::string error;
        ASSERT_TRUE(writePictureFile(dir / name, p, error)) << error;
        const auto back = readPictureFile(dir / name, error);
        ASSERT_TRUE(back) << error;
        EXPECT_EQ(back->pixels, p.pixels) << name;
    }
    std::string error;
    EXPECT_FALSE(writePictureFile(dir / "a.tif", p, error));
    EXPECT_FALSE(readPictureFile(dir / "missing.png", error));
    EXPECT_NE(error.find("cannot read"), std::string::npos);
}

// PNM files that the picture library would read past, and PNG files that would make it take
// memory for chunks the file does not hold: refused with a reason instead.
TEST(PictureFiles, HostileHeadersAreRefusedBeforeDecoding) {
    const std::string pngStart = std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) +
                                 std::string("\0\0\0\x04\0\0\0\x03\x08\x02\0\0\0", 13) + "crc!";
    const std::pair<std::string, const char*> cases[] = {
        {pngStart + std::string("\x7f\xff\xff\xffIDAT", 8) + "data", "shorter than its chunks"},
        {std::string("P59\n60\n24544\n\x1a"), "16-bit"}, // found by fuzzing
        {std::string("P6\n4 4\n255\n") + std::string(47, 'x'), "shorter than its pixels"},
        {std::string("P6\n99999999999 99999999999 255\n"), "16 million"},
        {std::string("P5 # no numbers"), "without its width"},
        {std::string("P5 # ends at CR\r888 888 888\n1 1 255\n"), "16-bit"}, // found by fuzzing
        {std::string("P5 12345678901234567890 1 255\n"), "too long"},
    };
    for (const auto& [text, reason] : cases) {
        std::string error;
        EXPECT_FALSE(decodePicture(std::vector<std::uint8_t>(text.begin(), text.end()), error));
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    }
    std::string error;
    const std::string ok = "P6\n1 1\n255\n\x01\x02\x03";
    const auto picture = decodePicture(std::vector<std::uint8_t>(ok.begin(), ok.end()), error);
    ASSERT_TRUE(picture) << error;
    EXPECT_EQ(picture->at(0, 0), (Rgb{1, 2, 3}));
}

TEST(PictureFitting, KeepsTheProportionsAsSeen) {
    struct Case {
        int sourceW, sourceH, w, h;
        double aspect;
        FittedSize expected;
    } cases[] = {
        {1024, 728, 1024, 364, 2.0, {1024, 364}}, {4000, 1000, 1024, 364, 2.0, {1024, 128}},
        {1000, 4000, 1024, 364, 2.0, {182, 364}}, {96, 72, 96, 72, 1.0, {96, 72}},
        {1, 100000, 1024, 364, 2.0, {1, 364}}, // never less than one pixel
    };
    for (const Case& c : cases) {
        const FittedSize s = fittedSize(c.sourceW, c.sourceH, c.w, c.h, c.aspect);
        EXPECT_EQ(s.width, c.expected.width) << c.sourceW << " x " << c.sourceH;
        EXPECT_EQ(s.height, c.expected.height) << c.sourceW << " x " << c.sourceH;
    }
}

} // namespace

// The preview's messages name files as the author typed the slide or series: Wine's full
// form of that path is given back in the author's, with the author's separators to the
// end of the path and nothing after it touched.
TEST(AuthorPaths, MessagesNameFilesAsTheAuthorTypedThem) {
    const std::string full = "Z:\\home\\ann\\Corpus\\Skull";
    const struct {
        const char* message;
        const char* typed;
        const char* expected;
    } cases[] = {
        {"Z:\\home\\ann\\Corpus\\Skull\\Slide1\\front.duo: not a DUO file", "Corpus/Skull",
         "Corpus/Skull/Slide1/front.duo: not a DUO file"},
        {"Z:\\home\\ann\\Corpus\\Skull\\Slide2\\a b.wav, (Z:\\home\\ann\\Corpus\\Skull\\x)",
         "/home/ann/Corpus/Skull/",
         "/home/ann/Corpus/Skull/Slide2/a b.wav, (/home/ann/Corpus/Skull/x)"},
        {"Z:\\home\\ann\\Corpus\\Skull\\Slide1\\q.qer", "Corpus\\Skull",
         "Corpus\\Skull\\Slide1\\q.qer"},
        {"C:\\elsewhere\\Slide1\\front.duo: missing", "Corpus/Skull",
         "C:\\elsewhere\\Slide1\\front.duo: missing"},
        {"", "Corpus/Skull", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(inAuthorsTerms(c.message, full, c.typed), c.expected) << c.message;
    }
}
