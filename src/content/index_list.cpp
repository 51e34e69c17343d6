#include "content/index_list.h"

#include "content/lenient_number.h"
#include "content/line_walker.h"
#include "content/script_line.h"

namespace {

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

struct SeriesAndSlide {
    std::string_view series;
    LenientNumber slide;
};

// The series word (leading white space skipped, up to the next white space) and the slide
// number after it.
SeriesAndSlide readSeriesAndSlide(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isWhiteSpace(text[start])) {
        ++start;
    }
    std::size_t end = start;
    while (end < text.size() && !isWhiteSpace(text[end])) {
        ++end;
    }
    return {text.substr(start, end - start), readLenientNumber(text, end)};
}

} // namespace

IndexListReading readIndexListBytes(std::string_view bytes,
                                    std::span<IndexEntry, kMaxIndexEntries> entries) {
    IndexListReading reading;
    LineWalker lines(bytes, kIndexListLineRules);
    ContentLine line;
    while (lines.next(line)) {
        if (reading.count == kMaxIndexEntries) {
            reading.indexFull = true;
            break;
        }
        if (line.overlong) {
            reading.overlongLines.push_back(line.number);
        }
        const std::size_t tilde = line.text.find('~');
        if (tilde == std::string_view::npos) {
            reading.endedAtLine = line.number;
            break;
        }
        const std::string_view term = line.text.substr(0, tilde);
        const SeriesAndSlide rest = readSeriesAndSlide(line.text.substr(tilde + 1));
        if (rest.series.empty() || !rest.slide.hasDigits) {
            reading.endedAtLine = line.number;
            break;
        }
        IndexEntry& entry = entries[static_cast<std::size_t>(reading.count)];
        copyTextField(entry.term, term);
        copyTextField(entry.series, rest.series);
        entry.slide = rest.slide.value;
        if (term.size() >= sizeof entry.term || rest.series.size() >= sizeof entry.series) {
            reading.cutLines.push_back(line.number);
        }
        ++reading.count;
    }
    return reading;
}
