// coursecheck on small crafted courses: the forms of config.dat, abstract.txt, the query
// files and index.dat that the program reads wrongly or not at all.
#include <gtest/gtest.h>

#include "coursecheck/course_checks.h"
#include "coursecheck/coursecheck_commands.h"
#include "tools_test_support.h"

namespace {

std::vector<Problem> check(const fs::path& root) {
    ProblemList problems(root);
    checkCourse({root, problems});
    return problems.problems();
}

bool reported(const std::vector<Problem>& problems, const std::string& fileSuffix, int line,
              const std::string& text) {
    for (const Problem& p : problems) {
        if (p.path.size() >= fileSuffix.size() &&
            p.path.compare(p.path.size() - fileSuffix.size(), fileSuffix.size(), fileSuffix) == 0 &&
            p.line == line && p.text.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::string dump(const std::vector<Problem>& problems) {
    std::string out;
    for (const Problem& p : problems) {
        out += p.path + ":" + std::to_string(p.line) + ": " + p.text + "\n";
    }
    return out;
}

TEST(CourseForms, SeriesListAndAbstract) {
    TempDir dir;
    const fs::path root = dir.path() / "Corpus";
    fs::create_directories(root / "program");
    fs::create_directories(root / "Skull/Slide1");
    writeText(root / "Skull/Slide1/a.scp", "Title A\r\n");
    writeText(root / "Skull/abstract.txt", "one\r\n" + std::string(44, 'x') + "\r\nthree\r\nab");
    writeText(root / "config.dat", "Skull,The Skull\r\nNoComma\r\nSkull,Again\nA,B\r\n");
    const auto problems = check(root);
    EXPECT_TRUE(reported(problems, "config.dat", 2, "no comma")) << dump(problems);
    EXPECT_TRUE(reported(problems, "config.dat", 3, "listed twice")) << dump(problems);
    EXPECT_TRUE(reported(problems, "config.dat", 3, "loses its last character"));
    EXPECT_TRUE(reported(problems, "config.dat", 4, "shorter than 7 bytes"));
    EXPECT_TRUE(reported(problems, "Skull/abstract.txt", 2, "longer than 43 characters"));
    EXPECT_TRUE(reported(problems, "Skull/abstract.txt", 4, "shorter than 4 bytes"));
    EXPECT_TRUE(reported(problems, "Skull/abstract.bmp", 0, "missing"));
    EXPECT_TRUE(reported(problems, "program/helplect.bmp", 0, "missing"));
    EXPECT_TRUE(reported(problems, "index.dat", 0, "missing"));
}

TEST(CourseForms, QueryFiles) {
    struct Case {
        const char* what;
        std::string text;
        int line;
        const char* report;
    } cases[] = {
        {"four lines", "Locate 1 2 300 90 0\nA\nB\nC\n", 0, "has 4 lines"},
        {"an empty prompt", "Locate 1 2 300 90 0\nA\n\nC\n10 10 50 50\n", 3, "an empty line"},
        {"no line feed at the end", "Locate 1 2 300 90 0\nA\nB\nC\n10 10 50 50", 5,
         "does not end with a line feed"},
        {"a panel below the view", "Locate 1 300 300 400 0\nA\nB\nC\n10 10 50 50\n", 1,
         "within the upper view"},
        {"a lower copy off the left", "Locate 2 2 300 90 5\nA\nB\nC\n10 10 50 50\n", 1,
         "lower copy"},
        {"numbers missing", "Locate 1 2 300\nA\nB\nC\n10 10 50\n", 1, "five numbers"},
        {"a region of borders only", "Locate 1 2 300 90 0\nA\nB\nC\n10 10 11 50\n", 5,
         "holds no point"},
        {"a region out of the mouse's reach", "Locate 1 2 300 90 0\nA\nB\nC\n10 355 50 363\n", 5,
         "mouse's reach"},
        {"another keyword", "locate 1 2 300 90 0\nA\nB\nC\n10 10 50 50\n", 1, "Query File Error"},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<int, std::string>> found;
        checkQueryBytes(c.text, [&](int line, const std::string& t) {
            found.push_back({line, t});
        });
        bool ok = false;
        for (const auto& [line, text] : found) {
            ok = ok || (line == c.line && text.find(c.report) != std::string::npos);
        }
        EXPECT_TRUE(ok) << c.what;
    }
    int none = 0;
    checkQueryBytes("Locate 100 50 400 120 6\r\nWhere is\r\nthe\r\norbit?\r\n200 150 260 190\r\n",
                    [&](int, const std::string&) { ++none; });
    EXPECT_EQ(none, 0);
}

TEST(CourseForms, IndexListEndsAtABlankLineWithTermsAfterIt) {
    TempDir dir;
    const fs::path root = dir.path() / "Corpus";
    fs::create_directories(root / "program");
    writeText(root / "index.dat", "Aorta~Heart 1\r\n\r\nBone~Heart 2\r\n");
    ProblemList problems(root);
    checkIndexList({root, problems}, "index.dat", false);
    EXPECT_TRUE(reported(problems.problems(), "index.dat", 2, "the index ends here"))
        << dump(problems.problems());
    ProblemList lf(root);
    writeText(root / "index.dat", "Aorta~Heart 1\n\nBone~Heart 2\n"); // one LF pair: one end
    checkIndexList({root, lf}, "index.dat", false);
    EXPECT_TRUE(lf.empty()) << dump(lf.problems());
}

} // namespace

namespace {

// The example slide of the authoring guide, as written there.
std::string guideExampleScript() {
    const std::string readme = readText(fs::path(CORPUS_SOURCE_DIR) / "docs" / "authoring.md");
    const auto start = readme.find("```\n# The skull from the front\n");
    const auto end = readme.find("```\n", start + 4);
    if (start == std::string::npos || end == std::string::npos) {
        return "";
    }
    std::string script;
    std::istringstream lines(readme.substr(start + 4, end - start - 4));
    for (std::string line; std::getline(lines, line);) {
        script += line + "\r\n";
    }
    return script;
}

int unseenGroupReports(const std::string& script) {
    TempDir dir;
    const fs::path root = dir.path() / "Corpus";
    fs::create_directories(root / "program");
    writeText(root / "config.dat", "Ex,Example\r\n");
    writeText(root / "Ex/Slide1/ex.scp", script);
    int count = 0;
    for (const Problem& p : check(root)) {
        count += p.text.find("is never seen") != std::string::npos ? 1 : 0;
    }
    return count;
}

TEST(CourseCheckForms, TheGuidesExampleShowsEveryGroupInEveryMode) {
    const std::string script = guideExampleScript();
    ASSERT_NE(script.find("Text Orbit"), std::string::npos) << "the guide's example moved";
    EXPECT_EQ(unseenGroupReports(script), 0);
    // Without its closing Delay and Mark, its last label flashes by in all three modes.
    const std::string cut = script.substr(0, script.rfind("Delay"));
    EXPECT_EQ(unseenGroupReports(cut), 3);
}

} // namespace
