// A query file: five lines, "Locate" with the panel's corners and depth, three prompt lines
// and the answer region, kept within the upper view and within reach of the mouse.
#include <vector>

#include "content/lenient_number.h"
#include "content/line_walker.h"
#include "content/script_line.h"
#include "coursecheck/course_checks.h"

namespace {

constexpr int kQueryLines = 5;
// The question reads each line from a window of 100 bytes; any bytes left make a line.
constexpr LineRules kQueryLineRules = {100, 0, LineEnds::LineFeed};
// The question confines the mouse to columns 0 to 1022 and rows 0 to 349.
constexpr int kMouseRight = 1022;
constexpr int kMouseBottom = 349;

// The numbers of a line, read leniently and separated by spaces; how many had digits.
int readNumbers(std::string_view text, std::vector<std::int32_t>& values, std::size_t count) {
    int found = 0;
    std::size_t at = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const LenientNumber n = readLenientNumber(text, at);
        values.push_back(n.value);
        if (n.hasDigits) {
            ++found;
            at = n.end;
        }
    }
    return found;
}

} // namespace

void checkQueryFile(const CheckContext& c, const fs::path& path) {
    const auto bytes = readHostFile(path);
    if (!bytes) {
        c.problems.add(path, 0, "cannot be read");
        return;
    }
    checkQueryBytes(*bytes,
                    [&](int line, const std::string& text) { c.problems.add(path, line, text); });
}

void checkQueryBytes(std::string_view bytes,
                     const std::function<void(int line, const std::string& text)>& report) {
    LineWalker walker(bytes, kQueryLineRules);
    std::vector<std::string> lines;
    ContentLine line{};
    while (lines.size() < kQueryLines && walker.next(line)) {
        std::string text(line.text);
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        if (line.overlong) {
            report(line.number, "longer than 100 bytes with its line end");
        }
        if (text.empty()) {
            report(line.number, "an empty line: the question is read wrongly");
        }
        const std::size_t next = walker.position();
        if (next == 0 || next > bytes.size() || bytes[next - 1] != '\n') {
            report(line.number, "does not end with a line feed");
        }
        lines.push_back(text);
    }
    if (lines.size() < kQueryLines) {
        report(0, "has " + std::to_string(lines.size()) +
                      " lines: a question needs five (Locate, three prompts, the answer)");
        return;
    }
    const KeywordSplit first = splitKeyword(lines[0]);
    if (first.keyword != "Locate") {
        report(1, "starts with \"" + std::string(first.keyword) +
                      "\", not \"Locate\": the program shows \"Query File Error\"");
        return;
    }
    std::vector<std::int32_t> panel;
    std::vector<std::int32_t> target;
    if (readNumbers(first.arguments, panel, 5) < 5) {
        report(1, "needs five numbers: left, top, right, bottom and depth");
    }
    if (readNumbers(lines[4], target, 4) < 4) {
        report(5, "needs four numbers: left, top, right and bottom");
    }
    // Wide enough for the differences of any two numbers of the file.
    const std::int64_t left = panel[0], top = panel[1], right = panel[2], bottom = panel[3];
    const std::int64_t depth = panel[4];
    if (left < 0 || top < 0 || right > 1023 || bottom > 363 || left > right || top > bottom) {
        report(1, "the panel does not lie within the upper view (0 to 1023, 0 to 363)");
    } else if (left - depth < 0 || right - depth > 1023) {
        report(1, "the panel's lower copy, shifted left by its depth, leaves the view");
    }
    const std::int64_t tl = target[0], tt = target[1], tr = target[2], tb = target[3];
    if (tr - tl < 2 || tb - tt < 2) {
        report(5, "the answer region holds no point: its borders miss");
    } else if (tl >= kMouseRight || tt >= kMouseBottom || tr <= 0 || tb <= 0) {
        report(5, "the answer region lies outside the mouse's reach (0 to 1022, 0 to 349)");
    }
}
