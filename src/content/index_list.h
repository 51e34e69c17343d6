// The index.dat reader: one term per line, "term~series slide", read into the in-memory
// index in the order of the lines.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "ground/index_entry.h"

struct IndexListReading {
    int count = 0;
    // The line that ended the list (no "~", or no series and slide number); 0 when the
    // list ran to the end of the file or filled the index.
    int endedAtLine = 0;
    // True when the index was full (6000 entries) and the file went on.
    bool indexFull = false;
    // Lines whose term or series was longer than its field and was cut.
    std::vector<int> cutLines;
    // Lines longer than their window; taken whole.
    std::vector<int> overlongLines;
};

IndexListReading readIndexListBytes(std::string_view bytes,
                                    std::span<IndexEntry, kMaxIndexEntries> entries);
