// coursecheck: nothing to report on the demo course; each of a set of faults planted in a
// copy of it found where it lies, and nothing else; its exit codes; and the JSON of what
// the program's readers make of a slide, of index.dat and of an index entry.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "coursecheck/coursecheck_commands.h"
#include "tools_test_support.h"

namespace {

using Json = nlohmann::ordered_json;

void appendText(const fs::path& path, const std::string& text) {
    writeText(path, readText(path) + text);
}

void replaceText(const fs::path& path, const std::string& from, const std::string& to) {
    std::string text = readText(path);
    const auto at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from << " in " << path;
    text.replace(at, from.size(), to);
    writeText(path, text);
}

struct PlantedFault {
    const char* what;
    std::function<void(const fs::path& root)> plant;
    const char* file; // where the problem is reported, relative to the root
    const char* text; // part of the report
};

std::vector<PlantedFault> plantedFaults() {
    return {
        {"an unknown keyword",
         [](const fs::path& r) { appendText(r / "Skull/Slide3/Lateral.scp", "title Heart\r\n"); },
         "Skull/Slide3/Lateral.scp", "truncates the slide here"},
        {"a missing narration",
         [](const fs::path& r) { fs::remove(r / "Skull/Slide2/orbits.wav"); },
         "Skull/Slide2/Orbits.scp", "orbits.wav is missing"},
        {"a missing query file",
         [](const fs::path& r) { fs::remove(r / "Heart/Slide2/trunk.qer"); },
         "Heart/Slide2/Vessels.scp", "trunk.qer is missing"},
        {"a missing icon", [](const fs::path& r) { fs::remove(r / "Knee/Slide1/Bones.icn"); },
         "Knee/Slide1", "no .icn icon"},
        {"a slot beyond 99",
         [](const fs::path& r) {
             appendText(r / "Heart/Slide1/Surface.scp", "EText X,100 200 0 120\r\n");
         },
         "Heart/Slide1/Surface.scp", "slot number 120 is outside 0 to 99"},
        {"a gap in the slides",
         [](const fs::path& r) { fs::remove(r / "Knee/Slide3/Ligaments.scp"); }, "Knee/Slide4",
         "never reached: the series ends at slide 2"},
        {"a slide beyond the gap", [](const fs::path&) {}, "Knee/Slide3", "never reached"},
        {"an index term without its block",
         [](const fs::path& r) { appendText(r / "index.dat", "Ghost~Skull 2\r\n"); }, "index.dat",
         "has no \"Entry Ghost\" block"},
        {"a help picture of 24 bits",
         [](const fs::path& r) {
             fs::copy_file(r / "program/intro.bmp", r / "program/helplect.bmp",
                           fs::copy_options::overwrite_existing);
         },
         "program/helplect.bmp", "Not an 8 bit BMP"},
        {"a stereo picture cut short",
         [](const fs::path& r) { fs::resize_file(r / "Spine/Slide3/processes.duo", 5000); },
         "Spine/Slide3/processes.duo", "ends before its second view block"},
        {"a path beyond 79 characters",
         [](const fs::path& r) {
             appendText(r / "Spine/Slide1/Vertebrae.scp", "Image " + std::string(62, 'v') + "\r\n");
         },
         "Spine/Slide1/Vertebrae.scp", "the program's limit is 79"},
        {"a query file without Locate",
         [](const fs::path& r) { replaceText(r / "Skull/Slide6/lower.qer", "Locate", "Find"); },
         "Skull/Slide6/lower.qer", "Query File Error"},
        {"an abstract line too long",
         [](const fs::path& r) {
             appendText(r / "Heart/abstract.txt", std::string(50, 'a') + "\r\n");
         },
         "Heart/abstract.txt", "longer than 43 characters"},
        {"a series that is not there",
         [](const fs::path& r) { appendText(r / "config.dat", "Ghost,The Ghost Series\r\n"); },
         "config.dat", "series directory Ghost is missing"},
        {"too many hexadecimal colours",
         [](const fs::path& r) {
             std::string colours;
             for (int i = 0; i < 191; ++i) {
                 colours += "Color 1020" + std::to_string(10 + i % 80) + "\r\n";
             }
             appendText(r / "Knee/Slide2/Condyles.qiz", colours);
         },
         "Knee/Slide2/Condyles.qiz", "more than 190 hexadecimal colours"},
        {"a block with a foreign keyword",
         [](const fs::path& r) {
             replaceText(r / "Knee/Slide1/Bones.ind", "Entry Femur\r\n",
                         "Entry Femur\r\nTitle Femur\r\n");
         },
         "Knee/Slide1/Bones.ind", "the block of \"Femur\" is truncated here"},
        {"a narration that is not a wave",
         [](const fs::path& r) { writeText(r / "Spine/Slide2/canal.wav", "not a wave"); },
         "Spine/Slide2/canal.wav", "not a playable wave file"},
        {"a text without its comma",
         [](const fs::path& r) {
             appendText(r / "Heart/Slide3/LeftSide.scp", "Text Left side 100 200 3\r\n");
         },
         "Heart/Slide3/LeftSide.scp", "no comma after the text"},
        {"a last group after the last Mark and Delay",
         [](const fs::path& r) {
             appendText(r / "Heart/Slide4/Coronary.scp", "Text Late,500 200 2\r\n");
         },
         "Heart/Slide4/Coronary.scp", "Lecture Mode draws this after the slide's last \"Mark\""},
        {"the same in Tutorial Mode", [](const fs::path&) {}, "Heart/Slide4/Coronary.scp",
         "Tutorial Mode draws this after the slide's last \"Delay\""},
        {"a quiz script's last caption",
         [](const fs::path& r) { appendText(r / "Knee/Slide1/Bones.qiz", "Caption Late\r\n"); },
         "Knee/Slide1/Bones.qiz", "Quiz Mode draws this after the slide's last \"Mark\""},
        {"an abstract of seven lines",
         [](const fs::path& r) {
             appendText(r / "Spine/abstract.txt", "one\r\ntwo\r\nthree\r\nfour\r\n");
         },
         "Spine/abstract.txt:7:", "past the sixth line"},
        {"a label past the view's edge",
         [](const fs::path& r) {
             appendText(r / "Heart/Slide2/Vessels.scp", "Text Far right,1015 200 0\r\nMark\r\n");
         },
         "Heart/Slide2/Vessels.scp", "\"Far right\" reaches past the right edge of the upper view"},
        {"a text too dark for its picture",
         [](const fs::path& r) {
             appendText(r / "Skull/Slide10/Review.scp",
                        "Color 303030\r\nText Dim,950 330 0\r\nLine 5 100 20 50 100 0\r\n"
                        "Delay 3\r\nMark\r\n");
         },
         "Skull/Slide10/Review.scp", "\"Dim\" is hard to read in both views: contrast 1."},
        {"a line's end outside the lower view", [](const fs::path&) {}, "Skull/Slide10/Review.scp",
         "the line's end at x 5 with disparity 20 lies outside"},
    };
}

class CourseCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        const fs::path hardDisk = demoCourse() / "HardDisk" / "Corpus";
        ASSERT_TRUE(fs::exists(hardDisk / "program")) << "the demo course is not built";
        fs::copy(hardDisk, root(), fs::copy_options::recursive);
    }
    fs::path root() const { return dir.path() / "Corpus"; }

    TempDir dir;
};

TEST_F(CourseCheck, TheDemoCourseIsClean) {
    for (const char* part : {"VolumeI", "VolumeII", "HardDisk"}) {
        const ToolRun run = runTool(runCoursecheck, {(demoCourse() / part / "Corpus").string()});
        EXPECT_EQ(run.code, 0) << part << ":\n" << run.out << run.err;
        EXPECT_NE(run.out.find("no problems"), std::string::npos);
    }
}

TEST_F(CourseCheck, FindsEachPlantedFaultAndNothingElse) {
    const std::vector<PlantedFault> faults = plantedFaults();
    for (const PlantedFault& f : faults) {
        f.plant(root());
    }
    const ToolRun run = runTool(runCoursecheck, {root().string()});
    EXPECT_EQ(run.code, 1);
    std::vector<std::string> lines;
    std::istringstream out(run.out);
    for (std::string line; std::getline(out, line);) {
        if (line.rfind("coursecheck:", 0) != 0) {
            lines.push_back(line);
        }
    }
    std::vector<bool> explained(lines.size(), false);
    for (const PlantedFault& f : faults) {
        bool found = false;
        std::string prefix = (root() / f.file).generic_string();
        prefix += prefix.back() == ':' ? "" : ":";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].rfind(prefix, 0) == 0 && lines[i].find(f.text) != std::string::npos) {
                found = explained[i] = true;
            }
        }
        EXPECT_TRUE(found) << f.what << ": no line " << prefix << " ... " << f.text;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Planted faults may be reported in more than one form (the long image name is also
        // missing); every line must name a planted file.
        bool planted = explained[i];
        for (const PlantedFault& f : faults) {
            planted = planted || lines[i].rfind((root() / f.file).generic_string(), 0) == 0;
        }
        EXPECT_TRUE(planted) << "unexpected: " << lines[i];
    }
    EXPECT_NE(run.out.find(std::to_string(lines.size()) + " problems"), std::string::npos);
}

TEST_F(CourseCheck, ReportsLineNumbersOfTheScript) {
    appendText(root() / "Skull/Slide3/Lateral.scp", "EraseText 100\r\n");
    const std::string script = readText(root() / "Skull/Slide3/Lateral.scp");
    const int lines = static_cast<int>(std::count(script.begin(), script.end(), '\n'));
    const ToolRun run = runTool(runCoursecheck, {root().string()});
    EXPECT_NE(run.out.find((root() / "Skull/Slide3/Lateral.scp").generic_string() + ":" +
                           std::to_string(lines) + ": slot number 100"),
              std::string::npos)
        << run.out;
}

TEST(CourseCheckUsage, ExitCodes) {
    TempDir dir;
    fs::create_directories(dir.path() / "NoProgram");
    EXPECT_EQ(runTool(runCoursecheck, {}).code, 2);
    EXPECT_EQ(runTool(runCoursecheck, {"--frobnicate"}).code, 2);
    EXPECT_EQ(runTool(runCoursecheck, {dir / "missing"}).code, 2);
    EXPECT_EQ(runTool(runCoursecheck, {"a", "b"}).code, 2);
    EXPECT_EQ(runTool(runCoursecheck, {"--dump-slide", dir / "NoProgram", "--mode", "film"}).code,
              2);
    EXPECT_EQ(runTool(runCoursecheck, {"--dump-index-slide", dir / "NoProgram", "x"}).code, 2);
    EXPECT_EQ(runTool(runCoursecheck, {"--dump-slide", "--mode", "--mode", "lecture"}).code, 2);
    EXPECT_EQ(runTool(runCoursecheck, {"-v"}).code, 2);
    for (const char* help : {"--help", "-h"}) {
        const ToolRun run = runTool(runCoursecheck, {"--dump-slide", help});
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.out.rfind("usage:", 0), 0u);
        EXPECT_EQ(run.err, "");
    }
    const ToolRun notContent = runTool(runCoursecheck, {dir / "NoProgram"});
    EXPECT_EQ(notContent.code, 1);
    EXPECT_NE(notContent.err.find("no \"program\" entry"), std::string::npos);
}

class ReaderDumps : public ::testing::Test {
  protected:
    void SetUp() override {
        writeText(dir.path() / "Corpus/program/nonarate.wav", "");
        writeText(dir.path() / "Corpus/Heart/Slide1/heart.scp",
                  "Image heart\r\nTitle The Heart\r\nDelay 5\r\nColor 80FF00\r\n"
                  "EText A,1 2 3 4\r\nMark\r\ntitle X\r\nCaption never\r\n");
        writeText(dir.path() / "Corpus/Heart/Slide1/heart.duo", "DUO");
        writeText(dir.path() / "Corpus/Heart/Slide1/heart.ind",
                  "Entry Aorta\r\nText Aorta,10 20 2\r\nEntry Left atrium\r\nColor Yellow\r\n"
                  "Text LA,30 40 5\r\n");
        writeText(dir.path() / "Corpus/index.dat",
                  "Aorta~Heart 1\r\nLeft atrium~Heart 1\r\nGone~Heart 9\r\n");
    }
    std::string slide() const { return dir / "Corpus/Heart/Slide1"; }
    std::string root() const { return dir / "Corpus"; }
    TempDir dir;
};

TEST_F(ReaderDumps, SlideInLectureMode) {
    const ToolRun run = runTool(runCoursecheck, {"--dump-slide", slide(), "--mode", "lecture"});
    ASSERT_EQ(run.code, 0) << run.err;
    const Json expected = {{"count", 5},
                           {"elements",
                            {{{"kind", "Image"}, {"code", 1}, {"text", "heart"}},
                             {{"kind", "Title"}, {"code", 5}, {"text", "The Heart"}},
                             {{"kind", "Color"}, {"code", 7}, {"value", 199}, {"rgb", "80FF00"}},
                             {{"kind", "EText"},
                              {"code", 14},
                              {"text", "A"},
                              {"x", 1},
                              {"y", 2},
                              {"value", 3},
                              {"x2", 4}},
                             {{"kind", "Mark"}, {"code", 10}}}},
                           {"messages",
                            {{{"caption", "Script File Error"},
                              {"text", "Problem with: title\nTruncating slide at line 5."}}}},
                           {"beeps", 0}};
    EXPECT_EQ(run.out, expected.dump(2) + "\n");
}

TEST_F(ReaderDumps, SlideInTutorialAndQuizMode) {
    const Json firstRun = Json::parse(
        runTool(runCoursecheck, {"--dump-slide", slide(), "--mode", "tutorial", "--root", root()})
            .out);
    // Delay taken, Mark dropped, and the no-narration pair at the end, naming its wave.
    ASSERT_EQ(firstRun["count"], 7);
    EXPECT_EQ(firstRun["elements"][2]["kind"], "Delay");
    EXPECT_EQ(firstRun["elements"][4]["kind"], "EText");
    EXPECT_EQ(firstRun["elements"][5]["kind"], "NoNarration");
    EXPECT_EQ(firstRun["elements"][5]["code"], 42);
    EXPECT_EQ(firstRun["elements"][5]["wave"], root() + "\\program\\nonarate.wav");
    EXPECT_EQ(firstRun["elements"][6]["kind"], "Delay");
    EXPECT_EQ(firstRun["elements"][6]["value"], 10);
    const Json seen = Json::parse(
        runTool(runCoursecheck, {"--dump-slide", slide(), "--mode", "tutorial", "--narration-seen"})
            .out);
    EXPECT_EQ(seen["count"], 5);
    // Quiz Mode without a .qiz file: one beep, then the .scp.
    const Json quiz =
        Json::parse(runTool(runCoursecheck, {"--dump-slide", slide(), "--mode", "quiz"}).out);
    EXPECT_EQ(quiz["beeps"], 1);
    EXPECT_EQ(quiz["count"], 5);
}

TEST_F(ReaderDumps, IndexAndIndexSlides) {
    const ToolRun index = runTool(runCoursecheck, {"--dump-index", root()});
    ASSERT_EQ(index.code, 0) << index.err;
    EXPECT_EQ(Json::parse(index.out),
              (Json{{"count", 3},
                    {"entries",
                     {{{"term", "Aorta"}, {"series", "Heart"}, {"slide", 1}},
                      {{"term", "Left atrium"}, {"series", "Heart"}, {"slide", 1}},
                      {{"term", "Gone"}, {"series", "Heart"}, {"slide", 9}}}}}));
    const Json atrium =
        Json::parse(runTool(runCoursecheck, {"--dump-index-slide", root(), "1"}).out);
    EXPECT_EQ(atrium["result"], 1);
    ASSERT_EQ(atrium["count"], 3);
    EXPECT_EQ(atrium["elements"][0]["text"], "heart");
    EXPECT_EQ(atrium["elements"][1]["rgb"], "FFFF00");
    EXPECT_EQ(atrium["elements"][2]["text"], "LA");
    const Json gone = Json::parse(runTool(runCoursecheck, {"--dump-index-slide", root(), "2"}).out);
    EXPECT_EQ(gone["result"], 0);
    EXPECT_EQ(gone["beeps"], 1);
    EXPECT_EQ(gone["count"], 0);
    EXPECT_EQ(runTool(runCoursecheck, {"--dump-index-slide", root(), "3"}).code, 1);
}

} // namespace
