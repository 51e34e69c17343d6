#include "contact_sheet/sheet_plan.h"

#include <algorithm>
#include <cstdint>
#include <sstream>

#include "ground/colours.h"
#include "content/content_paths.h"
#include "content/slide_script.h"
#include "coursecheck/course_checks.h"
#include "coursecheck/host_files.h"
#include "coursecheck/problem_list.h"
#include "dialogs/series_list.h"

namespace {

const ChosenMode kModes[3] = {ChosenMode::Lecture, ChosenMode::Tutorial, ChosenMode::Quiz};

bool isSlideDirectory(const fs::path& p) {
    const std::string name = p.filename().string();
    return fs::is_directory(p) && name.size() > 5 && name.rfind("Slide", 0) == 0 &&
           std::all_of(name.begin() + 5, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The series' slides as the program numbers them: Slide1, Slide2, ... up to the first gap.
std::vector<int> slideNumbers(const fs::path& series) {
    std::vector<int> numbers;
    for (int n = 1; findEntry(series, "Slide" + std::to_string(n)); ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

// Fills the script name, element counts and coursecheck's findings of each slide. The
// element counts follow a run of the series from its first slide, as the program's
// narration notice does.
void describeSlides(const fs::path& root, SheetSeries& series, int mode) {
    std::int32_t seen[3] = {0, 0, 0};
    ModeLooks looks; // the text colour and size each mode carries from slide to slide
    for (SheetSlide& slide : series.slides) {
        for (int m = 0; m < 3; ++m) {
            std::vector<SlideElement> records(kSlideElementRecords);
            std::uint32_t colours[kColourCount];
            fillInitialColourTable(colours);
            const SlideReading reading = readSlideScriptIn(
                hostSlideDirectory(slide.directory), modeFlagsFor(kModes[m]), seen[m], colours,
                ElementRecords(records.data(), kSlideElementRecords));
            slide.elements[m] = reading.elementCount;
            if (m == mode) {
                slide.script = reading.fileName;
            }
        }
        ProblemList problems(root);
        checkSlide(CheckContext{root, problems}, slide.directory, series.directory, slide.number,
                   looks);
        for (const Problem& p : problems.problems()) {
            std::ostringstream line;
            line << fs::path(p.path).filename().string();
            if (p.line > 0) {
                line << ":" << p.line;
            }
            line << ": " << p.text;
            slide.checks.push_back(line.str());
        }
        slide.marks = depthMarks(problems.problems());
    }
}

SheetSeries seriesAt(const fs::path& dir, const std::string& title) {
    SheetSeries s;
    s.directory = dir.filename().string();
    s.path = dir;
    s.title = title.empty() ? s.directory : title;
    for (int n : slideNumbers(dir)) {
        s.slides.push_back(
            {n, *findEntry(dir, "Slide" + std::to_string(n)), "", {}, {}, {}, {}, {}});
    }
    return s;
}

} // namespace

std::optional<SheetPlan> planSheet(const fs::path& given, int mode, std::string& error) {
    const fs::path path = fs::absolute(given).lexically_normal();
    const fs::path trimmed = path.has_filename() ? path : path.parent_path();
    SheetPlan plan;
    if (isSlideDirectory(trimmed)) {
        plan.root = trimmed.parent_path().parent_path();
        SheetSeries s = seriesAt(trimmed.parent_path(), "");
        const int number = std::stoi(trimmed.filename().string().substr(5));
        s.slides.erase(std::remove_if(s.slides.begin(), s.slides.end(),
                                      [&](const SheetSlide& x) { return x.number != number; }),
                       s.slides.end());
        if (s.slides.empty()) {
            s.slides.push_back({number, trimmed, "", {}, {}, {}, {}, {}});
        }
        plan.series.push_back(std::move(s));
    } else if (fs::is_directory(trimmed) && findEntry(trimmed, "Slide1")) {
        plan.root = trimmed.parent_path();
        plan.series.push_back(seriesAt(trimmed, ""));
    } else if (const auto list = findPath(trimmed, kSeriesListFile)) {
        plan.root = trimmed;
        static SeriesEntry table[kMaxSeries];
        const int count = readSeriesList(readHostFile(*list).value_or(""), table);
        for (int i = 0; i < count; ++i) {
            if (const auto dir = findEntry(trimmed, table[i].directory)) {
                plan.series.push_back(seriesAt(*dir, table[i].title));
            }
        }
    } else {
        error = given.string() + " is no content directory (with " + kSeriesListFile +
                "), series directory (with Slide1) or slide directory (SlideN)";
        return std::nullopt;
    }
    for (SheetSeries& s : plan.series) {
        describeSlides(plan.root, s, mode);
    }
    return plan;
}
