// The line model of the course's text files (slide scripts, query files, ".ind" files,
// index.dat, config.dat, abstract.txt): a fixed window is read at the current position, a
// window holding too few bytes ends the file, the line is the window's text up to its line
// end, and the next window starts just after that line end.
//
// The walker works on the file's bytes in memory. A line that does not end within a full
// window (longer than the format allows) is taken whole, up to its line end, and marked
// `overlong`; the readers then cut the fields that it feeds to their sizes. So the tail of
// an overlong line never becomes a line of its own.
#pragma once

#include <cstddef>
#include <string_view>

enum class LineEnds {
    // A line ends at a line feed; a carriage return before it stays in the line.
    LineFeed,
    // A line ends at a carriage return or a line feed, and a second one right after it
    // (CR LF, LF CR, CR CR, LF LF) belongs to the same line end.
    CarriageReturnOrLineFeed,
};

struct LineRules {
    std::size_t window;        // bytes read at each position
    std::size_t endsAtOrBelow; // a window of this many bytes or fewer ends the file
    LineEnds ends;
};

constexpr LineRules kScriptLineRules = {100, 3, LineEnds::LineFeed};
constexpr LineRules kIndexListLineRules = {99, 3, LineEnds::CarriageReturnOrLineFeed};
constexpr LineRules kSeriesListLineRules = {100, 6, LineEnds::LineFeed};
constexpr LineRules kAbstractLineRules = {80, 3, LineEnds::LineFeed};

struct ContentLine {
    // The line without its line end, cut at its first NUL byte (the text a C string of it
    // holds). With LineEnds::LineFeed a carriage return before the line feed is kept.
    std::string_view text;
    int number;    // 1 for the first line the walker yields
    bool overlong; // did not end within its window
};

class LineWalker {
  public:
    LineWalker(std::string_view bytes, LineRules rules) : bytes_(bytes), rules_(rules) {}

    // The next line; false when the window at the current position ends the file.
    bool next(ContentLine& line);
    // Where the next window starts.
    std::size_t position() const { return position_; }

  private:
    std::size_t findLineEnd(std::size_t from, std::size_t to) const;

    std::string_view bytes_;
    LineRules rules_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
};
