#include "coursecheck/coursecheck_commands.h"

#include <array>
#include <charconv>
#include <memory>
#include <optional>

#include "common/command_line.h"
#include "ground/colours.h"
#include "content/content_paths.h"
#include "content/index_list.h"
#include "content/index_slide.h"
#include "content/script_line.h"
#include "content/slide_script.h"
#include "coursecheck/course_checks.h"
#include "coursecheck/slide_dump.h"

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  coursecheck ROOT            check the content directory ROOT (the one holding program)\n"
    "  coursecheck --help          this text\n"
    "  coursecheck --dump-slide SLIDE_DIR --mode lecture|tutorial|quiz [--narration-seen]\n"
    "              [--root ROOT]   what the program reads of a slide, as JSON\n"
    "  coursecheck --dump-index ROOT           index.dat as JSON\n"
    "  coursecheck --dump-index-slide ROOT N   what the program reads for index entry N\n"
    "                                          (counted from 0), as JSON\n";

int usage(std::ostream& err, const std::string& problem = "") {
    return usageError(err, "coursecheck", kUsage, problem);
}

bool isDirectory(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// The content directory as the program's courseRoot: with a trailing backslash.
std::string courseRootText(const std::string& root) {
    if (root.empty() || root.back() == '\\' || root.back() == '/') {
        return root;
    }
    return root + "\\";
}

int checkRoot(const std::string& root, std::ostream& out, std::ostream& err, bool showProgress) {
    if (!isDirectory(root)) {
        return usage(err, root + " is not a directory");
    }
    if (!findEntry(root, kProgramEntryName)) {
        err << "coursecheck: " << root
            << " is not a content directory: it holds no \"program\" entry\n";
        return 1;
    }
    ProblemList problems(root);
    ProgressLine progress(err, showProgress);
    const std::function<void(const std::string&)> report = [&](const std::string& text) {
        progress.show("coursecheck: " + text);
    };
    checkCourse({root, problems, &report});
    progress.clear();
    problems.print(out);
    if (problems.empty()) {
        out << "coursecheck: " << root << ": no problems\n";
        return 0;
    }
    out << "coursecheck: " << root << ": " << problems.problems().size()
        << (problems.problems().size() == 1 ? " problem\n" : " problems\n");
    return 1;
}

int dumpSlide(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string dir;
    std::string mode;
    std::string root;
    bool narrationSeen = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--dump-slide" && hasValue) {
            dir = args[++i];
        } else if (a == "--mode" && hasValue) {
            mode = args[++i];
        } else if (a == "--root" && hasValue) {
            root = args[++i];
        } else if (a == "--narration-seen") {
            narrationSeen = true;
        } else if (looksLikeOption(a)) {
            return usage(err, "unknown option " + a);
        } else {
            return usage(err, "unexpected " + a);
        }
    }
    ModeFlags flags{};
    if (mode == "lecture") {
        flags = modeFlagsFor(ChosenMode::Lecture);
    } else if (mode == "tutorial") {
        flags = modeFlagsFor(ChosenMode::Tutorial);
    } else if (mode == "quiz") {
        flags = modeFlagsFor(ChosenMode::Quiz);
    } else {
        return usage(err, "--mode takes lecture, tutorial or quiz");
    }
    if (looksLikeOption(dir) || looksLikeOption(root) || !isDirectory(dir)) {
        return usage(err, "--dump-slide needs a slide directory");
    }
    std::vector<SlideElement> elements(kSlideElementRecords);
    std::uint32_t colours[kColourCount];
    fillInitialColourTable(colours);
    std::int32_t seen = narrationSeen ? 1 : 0;
    const SlideReading reading =
        readSlideScriptIn(hostSlideDirectory(dir), flags, seen, colours,
                          ElementRecords(elements.data(), kSlideElementRecords));
    out << readingJson(reading, elements.data(), colours, root.empty() ? "" : courseRootText(root))
               .dump(2)
        << "\n";
    return 0;
}

// index.dat of ROOT read into `table`; nothing when it cannot be read.
std::optional<IndexListReading> readIndex(const std::string& root,
                                          std::array<IndexEntry, kMaxIndexEntries>& table,
                                          std::ostream& err) {
    const auto path = findPath(root, kIndexListFile);
    const auto bytes = path ? readHostFile(*path) : std::nullopt;
    if (!bytes) {
        err << "coursecheck: " << root << " holds no readable index.dat\n";
        return std::nullopt;
    }
    return readIndexListBytes(*bytes, std::span<IndexEntry, kMaxIndexEntries>(table));
}

int dumpIndex(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 || looksLikeOption(args[1]) || !isDirectory(args[1])) {
        return usage(err, "--dump-index needs a content directory");
    }
    auto table = std::make_unique<std::array<IndexEntry, kMaxIndexEntries>>();
    const auto reading = readIndex(args[1], *table, err);
    if (!reading) {
        return 1;
    }
    Json entries = Json::array();
    for (int i = 0; i < reading->count; ++i) {
        const IndexEntry& e = (*table)[static_cast<std::size_t>(i)];
        entries.push_back({{"term", std::string(textFieldView(e.term))},
                           {"series", std::string(textFieldView(e.series))},
                           {"slide", e.slide}});
    }
    out << Json{{"count", reading->count}, {"entries", entries}}.dump(2) << "\n";
    return 0;
}

int dumpIndexSlide(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int entry = -1;
    if (args.size() == 3) {
        const std::string& n = args[2];
        const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), entry);
        if (ec != std::errc() || end != n.data() + n.size()) {
            entry = -1;
        }
    }
    if (args.size() != 3 || looksLikeOption(args[1]) || !isDirectory(args[1]) || entry < 0) {
        return usage(err, "--dump-index-slide needs a content directory and an entry number");
    }
    auto table = std::make_unique<std::array<IndexEntry, kMaxIndexEntries>>();
    const auto reading = readIndex(args[1], *table, err);
    if (!reading) {
        return 1;
    }
    if (entry >= reading->count) {
        err << "coursecheck: index.dat has " << reading->count << " entries, counted from 0\n";
        return 1;
    }
    const IndexEntry& e = (*table)[static_cast<std::size_t>(entry)];
    const auto series = findEntry(args[1], std::string(textFieldView(e.series)));
    const auto slide =
        series ? findEntry(*series, "Slide" + std::to_string(e.slide)) : std::optional<fs::path>();
    std::vector<SlideElement> elements(kSlideElementRecords);
    std::uint32_t colours[kColourCount];
    fillInitialColourTable(colours);
    SlideReading result;
    if (slide) {
        result = readIndexSlideIn(hostSlideDirectory(*slide), textFieldView(e.term), colours,
                                  ElementRecords(elements.data(), kSlideElementRecords));
    } else {
        // The program's directory search finds nothing: one beep and no slide.
        result.result = 0;
        result.beeps = 1;
    }
    Json json = {{"result", result.result}};
    const Json reading_ = readingJson(result, elements.data(), colours, "");
    for (const auto& [key, value] : reading_.items()) {
        json[key] = value;
    }
    if (result.result == 0) {
        json["count"] = 0;
        json["elements"] = Json::array();
    }
    out << json.dump(2) << "\n";
    return 0;
}

int runCoursecheckWith(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                       bool showProgress) {
    if (asksForHelp(args)) {
        return printHelp(out, kUsage);
    }
    if (args.empty()) {
        return usage(err, "no content directory given");
    }
    if (args[0] == "--dump-slide") {
        return dumpSlide(args, out, err);
    }
    if (args[0] == "--dump-index") {
        return dumpIndex(args, out, err);
    }
    if (args[0] == "--dump-index-slide") {
        return dumpIndexSlide(args, out, err);
    }
    if (looksLikeOption(args[0])) {
        return usage(err, "unknown option " + args[0]);
    }
    if (args.size() != 1) {
        return usage(err, "one content directory at a time");
    }
    return checkRoot(args[0], out, err, showProgress);
}

} // namespace

int runCoursecheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return runCoursecheckWith(args, out, err, false);
}

int runCoursecheckShowingProgress(const std::vector<std::string>& args, std::ostream& out,
                                  std::ostream& err) {
    return runCoursecheckWith(args, out, err, true);
}
