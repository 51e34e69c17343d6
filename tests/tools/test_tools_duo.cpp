// duo: packing and unpacking give the pictures back, pictures of another size are fitted,
// the header shows as stable JSON, the composed screen places both views, and refused
// files and bad usage get their reasons and exit codes.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "common/duo_packing.h"
#include "common/picture_files.h"
#include "duo/duo_commands.h"
#include "tools_test_support.h"

namespace {

std::string writePicture(const TempDir& dir, const std::string& name, const Picture& p) {
    std::string error;
    EXPECT_TRUE(writePictureFile(dir / name, p, error)) << error;
    return dir / name;
}

Picture readPicture(const std::string& path) {
    std::string error;
    auto p = readPictureFile(path, error);
    EXPECT_TRUE(p.has_value()) << error;
    return p ? *p : Picture();
}

int firstDifference(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height) {
        return -2;
    }
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        if (a.pixels[i] != b.pixels[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST(DuoTool, PackThenUnpackGivesThePicturesBackPixelForPixel) {
    struct Case {
        const char* bits;
        const char* upper;
        const char* leftFile;
    } cases[] = {{"24", "left", "left.png"},
                 {"32", "left", "left.bmp"},
                 {"24", "right", "left.ppm"},
                 {"32", "right", "left.png"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.bits) + " bits, upper " + c.upper + ", " + c.leftFile);
        TempDir dir;
        const Picture left = patternPicture(1024, 364, 1);
        const Picture right = patternPicture(1024, 364, 2);
        const ToolRun pack =
            runTool(runDuo, {"pack", "--bits", c.bits, "--upper", c.upper,
                             writePicture(dir, c.leftFile, left),
                             writePicture(dir, "right.png", right), dir / "s.duo"});
        ASSERT_EQ(pack.code, 0) << pack.err;
        EXPECT_NE(pack.out.find("taken pixel for pixel"), std::string::npos);
        const ToolRun unpack =
            runTool(runDuo, {"unpack", dir / "s.duo", dir / "upper.png", dir / "lower.png"});
        ASSERT_EQ(unpack.code, 0) << unpack.err;
        const bool leftUp = std::string(c.upper) == "left";
        EXPECT_EQ(firstDifference(readPicture(dir / "upper.png"), leftUp ? left : right), -1);
        EXPECT_EQ(firstDifference(readPicture(dir / "lower.png"), leftUp ? right : left), -1);
    }
}

TEST(DuoTool, SixteenBitViewsKeepFiveBitsOfEachChannel) {
    TempDir dir;
    const Picture left = patternPicture(1024, 364, 3);
    ASSERT_EQ(runTool(runDuo, {"pack", "--bits", "16", writePicture(dir, "l.png", left),
                               writePicture(dir, "r.png", left), dir / "s.duo"})
                  .code,
              0);
    ASSERT_EQ(runTool(runDuo, {"unpack", dir / "s.duo", dir / "u.png", dir / "d.png"}).code, 0);
    const Picture back = readPicture(dir / "u.png");
    for (int y = 0; y < 364; y += 37) {
        for (int x = 0; x < 1024; x += 53) {
            const Rgb a = left.at(x, y);
            const Rgb b = back.at(x, y);
            auto widened = [](std::uint8_t v) { return (v >> 3 << 3) | (v >> 5); };
            EXPECT_EQ(b.red, widened(a.red));
            EXPECT_EQ(b.green, widened(a.green));
            EXPECT_EQ(b.blue, widened(a.blue));
        }
    }
}

TEST(DuoTool, OtherSizesAreFittedAsTheViewerSeesThemAndCentredOnBlack) {
    struct Case {
        int width, height;
        int shownWidth, shownHeight; // the non-black part of the view
    } cases[] = {
        {1024, 728, 1024, 364}, // a picture of the view's shape as seen: fills it
        {2048, 728, 1024, 182}, // twice as wide: half the rows
        {512, 728, 512, 364},   // half as wide as seen: half the columns
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        TempDir dir;
        const Picture red(c.width, c.height, {250, 10, 10});
        const ToolRun pack = runTool(runDuo, {"pack", writePicture(dir, "l.png", red),
                                              writePicture(dir, "r.png", red), dir / "s.duo"});
        ASSERT_EQ(pack.code, 0) << pack.err;
        EXPECT_NE(pack.out.find("to " + std::to_string(c.shownWidth) + " x " +
                                std::to_string(c.shownHeight)),
                  std::string::npos)
            << pack.out;
        ASSERT_EQ(runTool(runDuo, {"unpack", dir / "s.duo", dir / "u.png", dir / "d.png"}).code, 0);
        const Picture view = readPicture(dir / "u.png");
        const int left = (1024 - c.shownWidth) / 2;
        const int top = (364 - c.shownHeight) / 2;
        EXPECT_EQ(view.at(512, 182).red, 250);
        EXPECT_EQ(view.at(left + 2, top + 2).red, 250);
        if (left > 0) {
            EXPECT_EQ(view.at(left - 2, 182), (Rgb{0, 0, 0}));
        }
        if (top > 0) {
            EXPECT_EQ(view.at(512, top - 2), (Rgb{0, 0, 0}));
        }
    }
}

TEST(DuoTool, InfoPrintsTheHeaderAsStableJson) {
    TempDir dir;
    const Picture p = patternPicture(1024, 364, 4);
    const std::string l = writePicture(dir, "l.png", p);
    ASSERT_EQ(runTool(runDuo, {"pack", "--bits",        "32", "--lower-x",
                               "-7",   "--lower-y",     "3",  "--upper-x",
                               "5",    "--upper-y",     "-2", "--top-band",
                               "11",   "--bottom-band", "12", "--left-band",
                               "13",   "--right-band",  "14", l,
                               l,      dir / "s.duo"})
                  .code,
              0);
    const ToolRun info = runTool(runDuo, {"info", dir / "s.duo"});
    ASSERT_EQ(info.code, 0) << info.err;
    const auto json = nlohmann::ordered_json::parse(info.out);
    const std::uint32_t viewSize = 40 + 1024 * 4 * 364;
    const nlohmann::ordered_json expected = {
        {"magic", "DUO"},
        {"viewSize", viewSize},
        {"lowerX", -7},
        {"lowerY", 3},
        {"upperX", 5},
        {"upperY", -2},
        {"topBand", 11},
        {"bottomBand", 12},
        {"leftBand", 13},
        {"rightBand", 14},
        {"lower", {{"width", 1024}, {"height", 364}, {"bits", 32}}},
        {"upper", {{"width", 1024}, {"height", 364}, {"bits", 32}}}};
    EXPECT_EQ(json, expected);
    EXPECT_EQ(json.dump(), expected.dump()); // the keys in this order, every time
}

TEST(DuoTool, ComposePlacesBothViewsWithTheParallax) {
    for (int parallax : {0, 7, -12}) {
        SCOPED_TRACE(parallax);
        TempDir dir;
        const Picture upper(1024, 364, {200, 0, 0});
        const Picture lower(1024, 364, {0, 0, 200});
        ASSERT_EQ(runTool(runDuo, {"pack", "--left-band", "20", writePicture(dir, "l.png", upper),
                                   writePicture(dir, "r.png", lower), dir / "s.duo"})
                      .code,
                  0);
        const ToolRun compose = runTool(runDuo, {"compose", "--parallax", std::to_string(parallax),
                                                 dir / "s.duo", dir / "c.png"});
        ASSERT_EQ(compose.code, 0) << compose.err;
        const Picture screen = readPicture(dir / "c.png");
        ASSERT_EQ(screen.width, 1024);
        ASSERT_EQ(screen.height, 768);
        const int lowerTop = 404 + parallax;
        EXPECT_EQ(screen.at(500, 363), (Rgb{200, 0, 0}));
        EXPECT_EQ(screen.at(500, 364), (Rgb{0, 0, 0}));
        EXPECT_EQ(screen.at(500, lowerTop - 1), (Rgb{0, 0, 0}));
        EXPECT_EQ(screen.at(500, lowerTop), (Rgb{0, 0, 200}));
        EXPECT_EQ(screen.at(19, 100), (Rgb{0, 0, 0})); // the left band
        EXPECT_EQ(screen.at(20, 100), (Rgb{200, 0, 0}));
    }
}

TEST(DuoTool, RefusedFilesGetTheReasonAndExitCodeOne) {
    TempDir dir;
    writeText(dir.path() / "old.duo", "BM" + std::string(2000, '\0'));
    writeText(dir.path() / "other.duo", "XYZ" + std::string(2000, '\0'));
    writeText(dir.path() / "short.duo", "DUO" + std::string(100, '\0'));
    const Picture p = patternPicture(1024, 364, 5);
    const std::string l = writePicture(dir, "l.png", p);
    ASSERT_EQ(runTool(runDuo, {"pack", l, l, dir / "cut.duo"}).code, 0);
    std::string whole = readText(dir.path() / "cut.duo");
    writeText(dir.path() / "cut.duo", whole.substr(0, whole.size() - 1));
    const std::pair<const char*, const char*> cases[] = {
        {"old.duo", "This is an Version 1.0 DUO file.  Use DUOn to convert."},
        {"other.duo", "does not start with \"DUO\""},
        {"short.duo", "shorter than the 893-byte header"},
        {"cut.duo", "ends before its second view block"},
        {"missing.duo", "cannot read"},
    };
    for (const auto& [file, reason] : cases) {
        for (const char* command : {"info", "unpack", "compose"}) {
            SCOPED_TRACE(std::string(command) + " " + file);
            std::vector<std::string> args = {command, dir / file};
            if (std::string(command) == "unpack") {
                args.insert(args.end(), {dir / "u.png", dir / "d.png"});
            } else if (std::string(command) == "compose") {
                args.push_back(dir / "c.png");
            }
            const ToolRun run = runTool(runDuo, args);
            EXPECT_EQ(run.code, 1);
            EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
        }
    }
}

TEST(DuoTool, BadUsageExitsWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"pack", "a.png"},
        {"pack", "--side-by-side", "cross", "a.png", "b.png", "c.duo"},
        {"pack", "--bits", "8", "a.png", "b.png", "c.duo"},
        {"pack", "--upper", "middle", "a.png", "b.png", "c.duo"},
        {"pack", "--lower-x", "12x", "a.png", "b.png", "c.duo"},
        {"pack", "--top-band", "-1", "a.png", "b.png", "c.duo"},
        {"pack", "--left-band"},
        {"info"},
        {"compose", "--parallax", "51", "a.duo", "c.png"},
        {"unpack", "a.duo", "u.png"},
        {"pack", "-x", "a.png", "b.png", "c.duo"},
        {"compose", "-p", "a.duo", "c.png"},
        {"unpack", "a.duo", "-u", "d.png"},
    };
    for (const auto& args : cases) {
        const ToolRun run = runTool(runDuo, args);
        EXPECT_EQ(run.code, 2) << (args.empty() ? "" : args[0]) << " " << args.size();
        EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
}

TEST(DuoTool, HelpGoesToStandardOutput) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"pack", "-h"}, {"info", "--help"}}) {
        const ToolRun run = runTool(runDuo, args);
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.out.rfind("usage:", 0), 0u);
        EXPECT_EQ(run.err, "");
    }
}

TEST(DuoTool, UnreadablePictureAndUnknownOutputFormat) {
    TempDir dir;
    writeText(dir.path() / "bad.png", "not a picture");
    const Picture p = patternPicture(1024, 364, 6);
    const std::string l = writePicture(dir, "l.png", p);
    const ToolRun bad = runTool(runDuo, {"pack", dir / "bad.png", l, dir / "s.duo"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.err.find("bad.png"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.path() / "s.duo"));
    ASSERT_EQ(runTool(runDuo, {"pack", l, l, dir / "s.duo"}).code, 0);
    const ToolRun gif = runTool(runDuo, {"compose", dir / "s.duo", dir / "c.gif"});
    EXPECT_EQ(gif.code, 1);
    EXPECT_NE(gif.err.find(".png, .jpg, .bmp or .ppm"), std::string::npos);
}

} // namespace
