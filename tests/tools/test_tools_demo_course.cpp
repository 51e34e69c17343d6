// The demo course: what it must hold for the program and the tests (every keyword and
// element kind, the three modes, questions, index, icons, abstracts, the volume files and
// the hard-disk copy), narration that the delays outlast, and stereo views whose
// disparity is real and matches what the labels are given.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "common/duo_file_reading.h"
#include "common/picture_files.h"
#include "common/wave_file.h"
#include "content/script_keywords.h"
#include "demo_course/scene_renderer.h"
#include "demo_course/slide_geometry.h"
#include "imaging/dib_layout.h"
#include "tools_test_support.h"

namespace {

std::vector<fs::path> filesUnder(const fs::path& dir, const std::string& extension) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (entry.is_regular_file() && entry.path().extension() == extension) {
            found.push_back(entry.path());
        }
    }
    return found;
}

std::vector<std::string> linesOf(const fs::path& path) {
    std::vector<std::string> lines;
    std::istringstream in(readText(path));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

const fs::path& hardDisk() {
    static const fs::path path = demoCourse() / "HardDisk" / "Corpus";
    return path;
}

TEST(DemoCourse, UsesEveryKeywordAndAllThreeModes) {
    std::set<std::string> keywords;
    std::set<std::string> quizKeywords;
    for (const char* extension : {".scp", ".qiz"}) {
        for (const fs::path& script : filesUnder(hardDisk(), extension)) {
            for (const std::string& line : linesOf(script)) {
                const std::string keyword = line.substr(0, line.find(' '));
                (std::string(extension) == ".qiz" ? quizKeywords : keywords).insert(keyword);
            }
        }
    }
    for (const ScriptKeyword& k : kScriptKeywords) {
        EXPECT_TRUE(keywords.count(std::string(k.name)) || quizKeywords.count(std::string(k.name)))
            << k.name;
    }
    EXPECT_TRUE(keywords.count("#")) << "comments";
    EXPECT_TRUE(quizKeywords.count("Mark")) << "quiz scripts step by marks";
    EXPECT_GE(filesUnder(hardDisk(), ".qiz").size(), 10u);
    EXPECT_GE(filesUnder(hardDisk(), ".qer").size(), 2u);
}

TEST(DemoCourse, HoldsTheSeriesIndexIconsAndAbstracts) {
    const std::vector<std::string> config = linesOf(hardDisk() / "config.dat");
    ASSERT_GE(config.size(), 3u);
    std::size_t longest = 0;
    bool emptyAbstractLine = false;
    for (const std::string& line : config) {
        const fs::path series = hardDisk() / line.substr(0, line.find(','));
        std::size_t slides = 0;
        while (fs::exists(series / ("Slide" + std::to_string(slides + 1)))) {
            const fs::path slide = series / ("Slide" + std::to_string(++slides));
            EXPECT_EQ(filesUnder(slide, ".icn").size(), 1u) << slide;
            EXPECT_EQ(filesUnder(slide, ".scp").size(), 1u) << slide;
        }
        longest = std::max(longest, slides);
        const std::vector<std::string> abstract = linesOf(series / "abstract.txt");
        EXPECT_LE(abstract.size(), 6u) << series << ": the table of contents shows six lines";
        emptyAbstractLine =
            emptyAbstractLine || std::find(abstract.begin(), abstract.end(), "") != abstract.end();
        EXPECT_TRUE(fs::exists(series / "abstract.bmp")) << series;
    }
    EXPECT_GE(longest, 9u);
    EXPECT_TRUE(emptyAbstractLine);
    EXPECT_GE(linesOf(hardDisk() / "index.dat").size(), 20u);
    EXPECT_GE(linesOf(demoCourse() / "VolumeI/Corpus/index.dat").size(), 20u);
    EXPECT_FALSE(filesUnder(hardDisk(), ".ind").empty());
}

TEST(DemoCourse, ViewsUseEachBitDepthAndSomeOffsetsAndBands) {
    std::set<int> bits;
    bool offsets = false;
    bool bands = false;
    for (const fs::path& duo : filesUnder(hardDisk(), ".duo")) {
        std::string error;
        const auto opened = openDuoFile(duo.string(), error);
        ASSERT_TRUE(opened) << error;
        const DuoPlacement& p = opened->file.placement;
        bits.insert(opened->file.upper.layout.bitCount);
        EXPECT_EQ(opened->file.lower.layout.bitCount, opened->file.upper.layout.bitCount);
        offsets = offsets || p.lowerX != 0 || p.lowerY != 0 || p.upperX != 0 || p.upperY != 0;
        bands = bands || p.topBand != 0 || p.bottomBand != 0 || p.leftBand != 0 || p.rightBand != 0;
        EXPECT_EQ(p.lowerY, p.upperY) << duo << ": the views would stand at different heights";
    }
    EXPECT_EQ(bits, (std::set<int>{16, 24, 32}));
    EXPECT_TRUE(offsets);
    EXPECT_TRUE(bands);
}

TEST(DemoCourse, EachVolumeAndTheHardDiskCopyAsTheInstallationMakesIt) {
    const fs::path one = demoCourse() / "VolumeI/Corpus";
    const fs::path two = demoCourse() / "VolumeII/Corpus";
    EXPECT_TRUE(fs::exists(one / "program/volume1"));
    EXPECT_FALSE(fs::exists(one / "program/volume2"));
    EXPECT_TRUE(fs::exists(two / "program/volume2"));
    for (const char* file : {"fullconfig.dat", "fullindex.dat", "fullintro.bmp"}) {
        EXPECT_TRUE(fs::exists(two / "program" / file)) << file;
    }
    EXPECT_EQ(readText(hardDisk() / "config.dat"), readText(two / "program/fullconfig.dat"));
    EXPECT_EQ(readText(hardDisk() / "index.dat"), readText(two / "program/fullindex.dat"));
    EXPECT_EQ(readText(hardDisk() / "program/intro.bmp"), readText(two / "program/fullintro.bmp"));
    EXPECT_NE(readText(one / "config.dat"), readText(two / "config.dat"));
    // Both volumes' series are in the copy, and the full list names them all.
    for (const fs::path& volume : {one, two}) {
        for (const std::string& line : linesOf(volume / "config.dat")) {
            const std::string series = line.substr(0, line.find(','));
            EXPECT_TRUE(fs::is_directory(hardDisk() / series)) << series;
            const auto full = linesOf(hardDisk() / "config.dat");
            EXPECT_NE(std::find(full.begin(), full.end(), line), full.end()) << line;
        }
    }
    // The help pictures are 8-bit, the others have no colour table.
    for (const char* help : {"helplect.bmp", "helpauto.bmp"}) {
        const std::string bytes = readText(hardDisk() / "program" / help);
        ASSERT_GT(bytes.size(), 30u);
        EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 8) << help;
    }
}

TEST(DemoCourse, NarrationIsSpeechAndTutorialDelaysOutlastIt) {
    const std::vector<fs::path> waves = filesUnder(hardDisk(), ".wav");
    ASSERT_GE(waves.size(), 20u);
    for (const fs::path& wave : waves) {
        const auto bytes = readFileBytes(wave.string());
        const WaveInfo info = inspectWave(*bytes);
        ASSERT_TRUE(info.valid) << wave << ": " << info.problem;
        EXPECT_EQ(info.format, 1);
        EXPECT_GT(info.seconds, 1.0) << wave;
        if (wave.parent_path().filename() == "program") {
            continue;
        }
        int delays = 0;
        for (const fs::path& script : filesUnder(wave.parent_path(), ".scp")) {
            for (const std::string& line : linesOf(script)) {
                if (line.rfind("Delay ", 0) == 0) {
                    delays += std::stoi(line.substr(6));
                }
            }
        }
        EXPECT_GE(delays, info.seconds) << wave << ": the slide moves on mid-sentence";
    }
}

// A sphere in front of the convergence distance: its centre, found in each rendered view,
// is shifted by the disparity the geometry gives the labels.
TEST(StereoRendering, ViewsShowTheDisparityTheLabelsAreGiven) {
    Scene scene;
    scene.add("ball", sphere({2, 0, 12}, 3), Material{{0.9, 0.9, 0.9}, 0, 1, 0, 1});
    StereoCamera camera;
    camera.position = {0, 0, 60};
    camera.target = {0, 0, 0};
    camera.eyeSeparation = 3;
    const Picture left = renderView(scene, camera, Eye::Left);
    const Picture right = renderView(scene, camera, Eye::Right);
    auto centreX = [](const Picture& p) {
        double sum = 0;
        int count = 0;
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                if (p.at(x, y).red > 60) {
                    sum += x;
                    ++count;
                }
            }
        }
        return count ? sum / count : -1.0;
    };
    AnatomyModel model;
    model.landmarks["centre"] = {2, 0, 12};
    const ScreenPoint at = SlideGeometry(model, camera, {}).landmark("centre");
    const double measured = centreX(left) - centreX(right);
    EXPECT_GT(measured, 5.0) << "nearer than the convergence: crossed disparity";
    EXPECT_NEAR(measured, at.disparity, 1.5);
    EXPECT_NEAR(centreX(left), at.x, 2.0);
    // At the convergence distance both eyes agree; beyond it the disparity turns negative.
    EXPECT_NEAR(disparity(camera, {5, 3, 0}), 0.0, 1e-9);
    EXPECT_LT(disparity(camera, {0, 0, -20}), 0.0);
    // A view offset moves the labels with the view.
    DuoLayout shifted;
    shifted.lowerX = 6;
    shifted.upperX = 2;
    const ScreenPoint moved = SlideGeometry(model, camera, shifted).landmark("centre");
    EXPECT_EQ(moved.x, at.x + 2);
    EXPECT_EQ(moved.disparity, at.disparity - 4);
}

} // namespace
