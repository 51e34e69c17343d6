// The content directory as a whole: its program files, its series list and series, and its
// index, with the combined files that Volume II carries for the hard-disk copy.
#include <set>
#include <span>

#include "common/picture_files.h"

#include "content/content_paths.h"
#include "content/line_walker.h"
#include "coursecheck/course_checks.h"
#include "coursecheck/file_checks.h"
#include "imaging/dib_layout.h"

namespace {

constexpr std::size_t kMaxSeriesDirectory = 43;
constexpr int kMaxSeries = 20;
constexpr std::size_t kAbstractShownCharacters = 43;
constexpr int kAbstractShownLines = 6;
// The abstract band: pictures at (681, 109) must end inside (38, 102) - (987, 314).
constexpr int kAbstractPictureWidth = 987 - 681;
constexpr int kAbstractPictureHeight = 314 - 109;

void requireFile(const CheckContext& c, const std::string& relative,
                 std::optional<std::string> (*check)(const fs::path&)) {
    const auto path = findPath(c.root, relative);
    if (!path) {
        c.problems.add(contentPath(c.root, relative), 0, "missing");
        return;
    }
    if (const auto problem = check(*path)) {
        c.problems.add(*path, 0, *problem);
    }
}

void checkAbstract(const CheckContext& c, const fs::path& seriesDir) {
    const auto text = findEntry(seriesDir, kAbstractTextFile);
    if (!text) {
        c.problems.add(seriesDir / kAbstractTextFile, 0, "missing: the abstract stays empty");
    } else if (const auto bytes = readHostFile(*text)) {
        LineWalker walker(*bytes, kAbstractLineRules);
        ContentLine line{};
        while (walker.next(line)) {
            std::string_view shown = line.text;
            if (!shown.empty() && shown.back() == '\r') {
                shown.remove_suffix(1);
            }
            if (line.number > kAbstractShownLines) {
                if (shown.find_first_not_of(' ') != std::string_view::npos) {
                    c.problems.add(*text, line.number,
                                   "past the sixth line: the table of contents shows six lines "
                                   "and never this one");
                    break;
                }
                continue;
            }
            if (line.overlong) {
                c.problems.add(*text, line.number, "longer than 80 bytes with its line end");
            } else if (shown.size() > kAbstractShownCharacters) {
                c.problems.add(*text, line.number,
                               "longer than 43 characters: the table of contents cuts it");
            }
        }
        const std::size_t rest = bytes->size() - std::min(bytes->size(), walker.position());
        if (line.number < kAbstractShownLines && rest > 0 &&
            bytes->find_first_not_of("\r\n", walker.position()) != std::string::npos) {
            c.problems.add(*text, line.number + 1,
                           "shorter than 4 bytes with its line end: not shown");
        }
    }
    const auto picture = findEntry(seriesDir, kAbstractPictureFile);
    if (!picture) {
        c.problems.add(seriesDir / kAbstractPictureFile, 0, "missing: the picture stays black");
        return;
    }
    if (const auto problem = directBitmapProblem(*picture)) {
        c.problems.add(*picture, 0, *problem);
        return;
    }
    const auto bytes = readFileBytes(picture->string());
    const auto header = readInfoHeader(std::span(*bytes).subspan(14));
    if (header && (header->width > kAbstractPictureWidth ||
                   std::abs(header->height) > kAbstractPictureHeight)) {
        // Built by appending: GCC 12's -Wrestrict misfires on a literal + std::string.
        std::string problem = "larger than ";
        problem += std::to_string(kAbstractPictureWidth);
        problem += " x ";
        problem += std::to_string(kAbstractPictureHeight);
        problem += ": it reaches beyond the abstract's band";
        c.problems.add(*picture, 0, problem);
    }
}

} // namespace

void checkProgramFiles(const CheckContext& c) {
    requireFile(c, kIntroPictureFile, directBitmapProblem);
    requireFile(c, kLectureHelpPictureFile, eightBitBitmapProblem);
    requireFile(c, kTutorialHelpPictureFile, eightBitBitmapProblem);
    requireFile(c, kPromptWaveFile, waveProblem);
    requireFile(c, kNoNarrationWaveFile, waveProblem);
    if (findPath(c.root, kVolumeTwoMarker) && !findPath(c.root, kVolumeOneMarker)) {
        // A Volume II CD: the installation copies its combined files over the copy.
        requireFile(c, kFullIntroPictureFile, directBitmapProblem);
        if (!findPath(c.root, kFullSeriesListFile)) {
            c.problems.add(contentPath(c.root, kFullSeriesListFile), 0, "missing on Volume II");
        }
        if (!findPath(c.root, kFullIndexListFile)) {
            c.problems.add(contentPath(c.root, kFullIndexListFile), 0, "missing on Volume II");
        }
    }
}

void checkSeriesList(const CheckContext& c, const std::string& relative, bool series) {
    const auto path = findPath(c.root, relative);
    if (!path) {
        c.problems.add(contentPath(c.root, relative), 0,
                       "missing: the table of contents stays empty");
        return;
    }
    const auto bytes = readHostFile(*path);
    if (!bytes) {
        c.problems.add(*path, 0, "cannot be read");
        return;
    }
    LineWalker walker(*bytes, kSeriesListLineRules);
    ContentLine line{};
    int listed = 0;
    std::set<std::string> seen;
    while (walker.next(line)) {
        ++listed;
        const std::string text(line.text);
        if (line.overlong) {
            c.problems.add(*path, line.number, "longer than 100 bytes with its line end");
        }
        if (text.empty() || text.back() != '\r') {
            c.problems.add(*path, line.number,
                           "does not end with CR LF: the title loses its last character");
        }
        const std::size_t comma = text.find(',');
        if (comma == std::string::npos) {
            c.problems.add(*path, line.number, "no comma between directory and title");
            continue;
        }
        const std::string directory = text.substr(0, comma);
        if (directory.empty() || directory.size() > kMaxSeriesDirectory) {
            c.problems.add(*path, line.number, "the directory name must have 1 to 43 characters");
            continue;
        }
        if (listed == kMaxSeries + 1) {
            c.problems.add(*path, line.number, "more than 20 series: the list holds 20");
        }
        if (!seen.insert(directory).second) {
            c.problems.add(*path, line.number, "series " + directory + " is listed twice");
        }
        if (!series) {
            continue;
        }
        const auto dir = findEntry(c.root, directory);
        if (!dir || !fs::is_directory(*dir)) {
            c.problems.add(*path, line.number, "series directory " + directory + " is missing");
            continue;
        }
        checkSeries(c, dir->filename().string());
    }
    if (bytes->find_first_not_of("\r\n \t", walker.position()) != std::string::npos) {
        c.problems.add(*path, line.number + 1,
                       "shorter than 7 bytes with its line end: not listed");
    }
    if (listed == 0) {
        c.problems.add(*path, 0, "lists no series");
    }
}

void checkSeries(const CheckContext& c, const std::string& directory) {
    const fs::path seriesDir = c.root / directory;
    checkAbstract(c, seriesDir);
    // Slides count from Slide1 while each holds a script; anything beyond is never reached.
    int count = 0;
    while (true) {
        const auto slide = findEntry(seriesDir, "Slide" + std::to_string(count + 1));
        if (!slide || matchingFiles(*slide, "*.scp").empty()) {
            break;
        }
        ++count;
    }
    if (count == 0) {
        c.problems.add(seriesDir, 0, "no slides: Slide1 is missing or holds no .scp file");
    }
    std::error_code ec;
    for (fs::directory_iterator it(seriesDir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > 5 && (name.rfind("Slide", 0) == 0 || name.rfind("slide", 0) == 0) &&
            name.find_first_not_of("0123456789", 5) == std::string::npos) {
            const int n = std::stoi(name.substr(5, 6));
            if (n > count + 1 || (n == count + 1 && count > 0)) {
                c.problems.add(it->path(), 0,
                               "never reached: the series ends at slide " + std::to_string(count) +
                                   " (Slide" + std::to_string(count + 1) +
                                   " is missing or holds no .scp file)");
            }
        }
    }
    ModeLooks looks{};
    for (int n = 1; n <= count; ++n) {
        if (c.progress != nullptr) {
            std::string where = directory;
            where.append(" slide ").append(std::to_string(n));
            where.append(" of ").append(std::to_string(count));
            (*c.progress)(where);
        }
        checkSlide(c, *findEntry(seriesDir, "Slide" + std::to_string(n)), directory, n, looks);
    }
}

void checkCourse(const CheckContext& c) {
    checkProgramFiles(c);
    checkSeriesList(c, kSeriesListFile, true);
    checkIndexList(c, kIndexListFile, true);
    if (findPath(c.root, kFullSeriesListFile)) {
        // On a CD, the combined lists name the other volume's series too: only their form
        // is checked here; the hard-disk copy checks them as its config.dat and index.dat.
        checkSeriesList(c, kFullSeriesListFile, false);
    }
    if (findPath(c.root, kFullIndexListFile)) {
        checkIndexList(c, kFullIndexListFile, false);
    }
}
