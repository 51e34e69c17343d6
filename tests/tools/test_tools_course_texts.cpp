// The demo course's text files from its plan: the query file's answer region lies around
// its landmark, quiz scripts number the labels before they name them, index lines are in
// alphabetical order, and every line ends with CR LF.
#include <gtest/gtest.h>

#include "demo_course/course_texts.h"

namespace {

struct Fixture {
    AnatomyModel model;
    StereoCamera camera;
    SlidePlan slide;
    Fixture() {
        model.landmarks = {{"a", {0, 0, 0}}, {"b", {5, 3, 2}}};
        slide.imageName = "pic";
        slide.title = "Two";
        slide.labels = {{"Alpha", "a", 100, 0}, {"Beta", "b", -100, 20}};
        slide.indexTerms = {"Beta"};
    }
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos) {
            break;
        }
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

TEST(CourseTexts, QueryRegionSurroundsItsLandmark) {
    Fixture f;
    const SlideGeometry geometry(f.model, f.camera, {});
    const ScreenPoint at = geometry.landmark("b");
    const QueryPlan q{"q", 10, 20, 300, 90, 4, {"One", "Two", "Three"}, "b", 30, 12};
    const auto l = lines(queryFile(q, geometry));
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[0], "Locate 10 20 300 90 4");
    EXPECT_EQ(l[3], "Three");
    EXPECT_EQ(l[4], std::to_string(at.x - 30) + " " + std::to_string(at.y - 12) + " " +
                        std::to_string(at.x + 30) + " " + std::to_string(at.y + 12));
}

TEST(CourseTexts, QuizScriptsNumberFirstThenName) {
    Fixture f;
    const SlideGeometry geometry(f.model, f.camera, {});
    const auto l = lines(quizScript(f.slide, geometry));
    auto find = [&](const std::string& prefix) {
        for (std::size_t i = 0; i < l.size(); ++i) {
            if (l[i].rfind(prefix, 0) == 0) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    const int one = find("EText 1,");
    const int two = find("EText 2,");
    const int firstMark = find("Mark");
    const int erase = find("EraseText 20");
    const int named = find("Text Alpha,");
    ASSERT_GE(one, 0);
    EXPECT_LT(one, two);
    EXPECT_LT(two, firstMark);
    EXPECT_LT(firstMark, erase);
    EXPECT_LT(erase, named);
    EXPECT_EQ(l[static_cast<std::size_t>(find("Image"))], "Image pic");
}

TEST(CourseTexts, IndexLinesInAlphabeticalOrderAndAnnotationBlocks) {
    SeriesPlan a;
    a.directory = "Alpha";
    a.slides.resize(2);
    a.slides[0].indexTerms = {"zygoma", "Aorta"};
    a.slides[1].indexTerms = {"Bone"};
    const std::string text = indexListText(indexLinesOf({&a}));
    EXPECT_EQ(text, "Aorta~Alpha 1\r\nBone~Alpha 2\r\nzygoma~Alpha 1\r\n");
    Fixture f;
    const SlideGeometry geometry(f.model, f.camera, {});
    const auto l = lines(indexAnnotations(f.slide, geometry));
    ASSERT_GE(l.size(), 4u);
    EXPECT_EQ(l[0].rfind("# ", 0), 0u); // a comment before the first block is skipped
    EXPECT_EQ(l[1], "Entry Beta");
    f.slide.indexTerms = {"Gamma"};
    EXPECT_THROW(indexAnnotations(f.slide, geometry), std::logic_error);
}

} // namespace
