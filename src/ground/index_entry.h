// One term of the in-memory index.
#pragma once

#include <cstdint>

constexpr int kIndexTermSize = 80;
constexpr int kIndexSeriesSize = 20;
constexpr int kMaxIndexEntries = 6000;

struct IndexEntry {
    char term[kIndexTermSize];
    char series[kIndexSeriesSize];
    std::int32_t slide;
};
