// The query file (".qer") of a "Query" element: the keyword "Locate" with the question
// panel's corners and depth, three prompt lines, and the answer region. The reader works on
// the file's bytes and never reads past them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The bytes read for one line; a line with its line end must fit in them.
constexpr std::size_t kQueryLineWindow = 100;
constexpr int kQueryPromptCount = 3;
constexpr const char* kQueryKeyword = "Locate";

// Upper-view pixels; the corners are inclusive. The lower copy lies `depth` pixels further
// left.
struct QueryPanel {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
    std::int32_t depth;
};

// A click hits when it lies strictly inside: the border rows and columns miss.
struct QueryTarget {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

struct QueryFile {
    QueryPanel panel;
    std::string prompts[kQueryPromptCount];
    QueryTarget target;
};

enum class QueryFileStatus {
    Read,
    // The first word of line 1 is not "Locate": the question reports it by that word.
    NotLocate,
    // Fewer than five lines, a line over 100 bytes with its line end, an empty line or
    // prompt, or fewer numbers than the line needs: the question is left out silently.
    Malformed,
};

struct QueryFileReading {
    QueryFileStatus status;
    std::string firstWord; // line 1's first word, for the "Query File Error" message
    QueryFile query;
};

QueryFileReading readQueryFile(std::string_view bytes);

// One line as the question reads it: the window of 100 bytes at `position`, line feeds at
// its very start skipped, the line up to the next line feed, and the next position at the
// start plus the line's length plus 1 (just after that line feed when nothing was skipped).
struct QueryLine {
    std::string_view text; // without its line feed; a carriage return before it stays
    std::size_t next;
    bool present;         // the window held something besides line feeds
    bool skippedLineFeed; // an empty line lay at the position
    bool ended;           // a line feed ended it within the window, or the file ended
};

QueryLine readQueryLine(std::string_view bytes, std::size_t position);
