#include "dialogs/series_list.h"

#include "content/line_walker.h"
#include "content/script_line.h"

#include <algorithm>

int readSeriesList(std::string_view bytes, SeriesEntry (&table)[kMaxSeries]) {
    LineWalker walker(bytes, kSeriesListLineRules);
    ContentLine line;
    int rows = 0;
    while (rows < kMaxSeries && walker.next(line)) {
        const std::size_t comma = line.text.find(',');
        if (comma == std::string_view::npos) {
            continue;
        }
        std::string_view title = line.text.substr(comma + 1);
        const bool endedByLineFeed = bytes[walker.position() - 1] == '\n';
        if (!title.empty() && (endedByLineFeed || title.back() == '\r')) {
            title.remove_suffix(1);
        }
        SeriesEntry& row = table[rows++];
        copyTextField(row.directory, line.text.substr(0, comma));
        copyTextField(row.title, title);
    }
    return rows;
}

std::vector<std::string> readAbstractLines(std::string_view bytes) {
    LineWalker walker(bytes, kAbstractLineRules);
    ContentLine line;
    std::vector<std::string> lines;
    while (static_cast<int>(lines.size()) < kAbstractLines && walker.next(line)) {
        std::string_view text = line.text;
        if (text.size() < 2) {
            lines.emplace_back("   ");
            continue;
        }
        text = text.substr(0, std::min(text.find_first_of("\r\n"), text.size()));
        lines.emplace_back(text.substr(0, std::min(text.size(), kAbstractLineLength)));
    }
    return lines;
}
