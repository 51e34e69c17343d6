// config.dat, the course's series list: one "directory,title" line per series, and the
// text of a series' abstract.txt as the table of contents shows it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

constexpr int kMaxSeries = 20;
constexpr int kSeriesDirectorySize = 44;
constexpr int kSeriesTitleFieldSize = 200;
constexpr int kAbstractLines = 6;
constexpr std::size_t kAbstractLineLength = 43;

struct SeriesEntry {
    char directory[kSeriesDirectorySize];
    char title[kSeriesTitleFieldSize];
};

// Fills rows 0.. of `table` from config.dat's bytes and returns how many were read. The
// directory is the text before the first comma, the title the rest less its last
// character (the carriage return of its CR LF). A line without a comma (a blank line
// among them) names no series and is passed over; a last line without any line end
// keeps its last character; fields are cut to their sizes; at most 20 rows.
int readSeriesList(std::string_view bytes, SeriesEntry (&table)[kMaxSeries]);

// The lines of abstract.txt as drawn: at most six, each cut at its first CR or LF and
// after its 43rd character; an empty line is three spaces.
std::vector<std::string> readAbstractLines(std::string_view bytes);
