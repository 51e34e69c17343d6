// index.dat: the list as the program reads it, and for each term the slide, its stereo
// picture, its ".ind" file and the term's block of annotations there.
#include <array>
#include <memory>
#include <span>
#include <vector>

#include "ground/colours.h"
#include "content/index_list.h"
#include "content/index_slide.h"
#include "content/line_walker.h"
#include "content/script_line.h"
#include "coursecheck/course_checks.h"

namespace {

void checkEntry(const CheckContext& c, const fs::path& list, int line, const IndexEntry& entry,
                std::vector<SlideElement>& elements) {
    const std::string term(textFieldView(entry.term));
    const std::string series(textFieldView(entry.series));
    const std::string where = "\"" + term + "\": ";
    const auto seriesDir = findEntry(c.root, series);
    if (!seriesDir || !fs::is_directory(*seriesDir)) {
        c.problems.add(list, line, where + "series " + series + " is missing");
        return;
    }
    const std::string slideName = "Slide" + std::to_string(entry.slide);
    const auto slideDir = findEntry(*seriesDir, slideName);
    if (!slideDir || !fs::is_directory(*slideDir)) {
        c.problems.add(list, line, where + series + "\\" + slideName + " is missing");
        return;
    }
    bool complete = true;
    for (const char* pattern : {"*.duo", "*.ind"}) {
        if (matchingFiles(*slideDir, pattern).empty()) {
            c.problems.add(list, line,
                           where + series + "\\" + slideName + " has no " + (pattern + 1) +
                               " file: the program beeps and shows nothing");
            complete = false;
        }
    }
    if (!complete) {
        return;
    }
    std::uint32_t colours[kColourCount];
    fillInitialColourTable(colours);
    const SlideReading reading =
        readIndexSlideIn(hostSlideDirectory(*slideDir), term, colours,
                         ElementRecords(elements.data(), kSlideElementRecords));
    const fs::path ind = *slideDir / reading.fileName;
    if (reading.result == 0) {
        c.problems.add(list, line,
                       where + reading.fileName + " has no \"Entry " + term + "\" block");
        return;
    }
    if (reading.message) {
        c.problems.add(ind, reading.truncatedAtLine,
                       "the block of \"" + term + "\" is truncated here at element " +
                           std::to_string(reading.elementCount) + " (\"Script File Error\": " +
                           reading.message->text.substr(0, reading.message->text.find('\n')) + ")");
    }
    for (int overlong : reading.overlongLines) {
        c.problems.add(ind, overlong, "longer than 100 bytes with its line end");
    }
    for (int i = 2; i <= reading.elementCount; ++i) {
        const SlideElement& e = elements[static_cast<std::size_t>(i)];
        const int at = reading.elementLines[static_cast<std::size_t>(i - 1)];
        const bool outside =
            (e.kind == Text || e.kind == Line) &&
            (e.x < 0 || e.x > 1023 || e.y < 0 || e.y > 363 ||
             (e.kind == Line && (e.x2 < 0 || e.x2 > 1023 || e.y2 < 0 || e.y2 > 363)));
        if (outside) {
            c.problems.add(ind, at, "a point lies outside the upper view (0 to 1023, 0 to 363)");
        }
        if (e.kind == Fontsize && e.value <= 0) {
            c.problems.add(ind, at,
                           "text size " + std::to_string(e.value) +
                               " is not a positive number of pixels");
        }
    }
}

} // namespace

void checkIndexList(const CheckContext& c, const std::string& relative, bool entries) {
    const auto path = findPath(c.root, relative);
    if (!path) {
        c.problems.add(contentPath(c.root, relative), 0, "missing: the index stays empty");
        return;
    }
    const auto bytes = readHostFile(*path);
    if (!bytes) {
        c.problems.add(*path, 0, "cannot be read");
        return;
    }
    auto table = std::make_unique<std::array<IndexEntry, kMaxIndexEntries>>();
    const IndexListReading reading =
        readIndexListBytes(*bytes, std::span<IndexEntry, kMaxIndexEntries>(*table));
    for (int line : reading.cutLines) {
        c.problems.add(*path, line, "the term (79 characters at most) or the series (19) is cut");
    }
    for (int line : reading.overlongLines) {
        c.problems.add(*path, line, "longer than 98 characters before its line end");
    }
    if (reading.indexFull) {
        c.problems.add(*path, 0, "more than 6000 terms: the index holds 6000");
    }
    if (reading.endedAtLine > 0) {
        // Whether anything but line ends follows: then entries are lost.
        LineWalker walker(*bytes, kIndexListLineRules);
        ContentLine line{};
        bool more = false;
        while (walker.next(line)) {
            more = more || (line.number > reading.endedAtLine &&
                            line.text.find_first_not_of(" \t") != std::string_view::npos);
        }
        if (more) {
            c.problems.add(*path, reading.endedAtLine,
                           "the index ends here (a line without \"~\", or without a series "
                           "and slide number): the terms after it are not listed");
        }
    }
    if (reading.count == 0) {
        c.problems.add(*path, 0, "lists no terms");
    }
    if (!entries) {
        return;
    }
    std::vector<SlideElement> elements(kSlideElementRecords);
    for (int i = 0; i < reading.count; ++i) {
        checkEntry(c, *path, i + 1, (*table)[static_cast<std::size_t>(i)], elements);
    }
}
