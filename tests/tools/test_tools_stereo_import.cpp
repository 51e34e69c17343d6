// duo pack from stereo cameras: an MPO file found through its index, a JPS file and
// side-by-side pictures give the right eye's picture to the right view, broken indexes are
// refused with a reason, and --align recovers a vertical shift and a disparity applied here.
#include <gtest/gtest.h>

#include <cmath>

#include "common/mpo_reader.h"
#include "common/picture_files.h"
#include "duo/duo_commands.h"
#include "duo/stereo_align.h"
#include "stereo_test_pictures.h"
#include "tools_test_support.h"

namespace {

double meanDifference(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height) {
        return 1e9;
    }
    double sum = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        sum += std::abs(a.pixels[i] - b.pixels[i]);
    }
    return sum / static_cast<double>(a.pixels.size());
}

Picture readBack(const std::string& path) {
    std::string error;
    auto p = readPictureFile(path, error);
    EXPECT_TRUE(p.has_value()) << error;
    return p ? *p : Picture();
}

Picture sideBySide(const Picture& a, const Picture& b) {
    Picture out(a.width * 2, a.height);
    pastePicture(out, a, 0, 0);
    pastePicture(out, b, a.width, 0);
    return out;
}

const SceneShifts kShifts{-4, 10, 6};

TEST(StereoImport, EachStereoFileGivesTheLeftEyeToTheUpperView) {
    const Picture left = sceneView(1024, 364, false, kShifts);
    const Picture right = sceneView(1024, 364, true, kShifts);
    TempDir dir;
    const std::string mpo = dir / "pair.mpo";
    writeFileBytes(mpo, makeMpo(encodeJpeg(left, 95), encodeJpeg(right, 95)));
    const std::string jps = dir / "pair.JPS";
    writeFileBytes(jps, encodeJpeg(sideBySide(right, left), 95));
    std::string error;
    writePictureFile(dir / "parallel.ppm", sideBySide(left, right), error);
    writePictureFile(dir / "cross.ppm", sideBySide(right, left), error);
    struct Case {
        std::vector<std::string> args;
        double tolerance; // JPEG pictures come back close, PNG ones exactly
        const char* how;
    } cases[] = {
        {{mpo}, 4, "MPO file of 2 pictures"},
        {{jps}, 4, "JPS file, side by side for cross viewing"},
        {{"--side-by-side", "parallel", dir / "parallel.ppm"}, 0, "parallel viewing"},
        {{"--side-by-side", "cross", dir / "cross.ppm"}, 0, "cross viewing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        std::vector<std::string> args = {"pack"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.push_back(dir / "out.duo");
        const ToolRun pack = runTool(runDuo, args);
        ASSERT_EQ(pack.code, 0) << pack.err;
        EXPECT_NE(pack.out.find(c.how), std::string::npos) << pack.out;
        ASSERT_EQ(runTool(runDuo, {"unpack", dir / "out.duo", dir / "u.ppm", dir / "l.ppm"}).code,
                  0);
        EXPECT_LE(meanDifference(readBack(dir / "u.ppm"), left), c.tolerance);
        EXPECT_LE(meanDifference(readBack(dir / "l.ppm"), right), c.tolerance);
        EXPECT_GT(meanDifference(readBack(dir / "l.ppm"), left), 20); // the eyes differ
    }
}

TEST(StereoImport, BrokenIndexesAndPlainPicturesAreRefusedWithAReason) {
    const Picture p = sceneView(64, 32, false, kShifts);
    const std::vector<std::uint8_t> jpeg = encodeJpeg(p, 90);
    std::vector<std::uint8_t> cut = makeMpo(jpeg, jpeg);
    cut.resize(cut.size() - 10);
    std::vector<std::uint8_t> shortSegment = makeMpo(jpeg, jpeg);
    shortSegment.resize(30);
    struct Case {
        std::vector<std::uint8_t> bytes;
        const char* reason;
    } cases[] = {
        {makeMpo(jpeg, jpeg, 0x7FFFFFF0), "lies outside the file"},
        {cut, "lies outside the file"},
        {shortSegment, "runs past the end"},
        {jpeg, "without a multi-picture index"},
        {{'P', '6'}, "not a JPEG file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        TempDir dir;
        writeFileBytes(dir / "pair.mpo", c.bytes);
        const ToolRun pack = runTool(runDuo, {"pack", dir / "pair.mpo", dir / "out.duo"});
        EXPECT_EQ(pack.code, 1);
        EXPECT_NE(pack.err.find(c.reason), std::string::npos) << pack.err;
        EXPECT_FALSE(fs::exists(dir / "out.duo"));
    }
}

TEST(StereoImport, AlignRecoversTheVerticalShiftAndPutsTheNearestPartAtTheScreen) {
    TempDir dir;
    std::string error;
    writePictureFile(dir / "l.ppm", sceneView(1024, 364, false, kShifts), error);
    writePictureFile(dir / "r.ppm", sceneView(1024, 364, true, kShifts), error);
    const ToolRun pack =
        runTool(runDuo, {"pack", "--align", dir / "l.ppm", dir / "r.ppm", dir / "a.duo"});
    ASSERT_EQ(pack.code, 0) << pack.err;
    EXPECT_NE(pack.out.find("sits 6 rows lower than the left; moved up"), std::string::npos)
        << pack.out;
    EXPECT_NE(pack.out.find("from -4 (farthest) to 10 (nearest)"), std::string::npos);
    EXPECT_NE(pack.out.find("moved 10 columns to the right"), std::string::npos);
    ASSERT_EQ(runTool(runDuo, {"unpack", dir / "a.duo", dir / "u.ppm", dir / "w.ppm"}).code, 0);
    const Picture upper = readBack(dir / "u.ppm");
    const Picture lower = readBack(dir / "w.ppm");
    // The square now lies at the screen: the same pixels at the same places in both views.
    for (const auto& [x, y] : {std::pair{kSquareLeft + 5, kSquareTop + 5}, std::pair{520, 200}}) {
        EXPECT_EQ(upper.at(x, y), lower.at(x, y)) << x << "," << y;
    }
    // The background lies 14 pixels behind it; the margins that lost content are black in both.
    EXPECT_EQ(upper.at(100, 50), lower.at(100 + 14, 50));
    EXPECT_EQ(upper.at(5, 50), (Rgb{}));
    EXPECT_EQ(lower.at(500, 363), (Rgb{}));
    EXPECT_EQ(upper.at(500, 363), (Rgb{}));
}

} // namespace
