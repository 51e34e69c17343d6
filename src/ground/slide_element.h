// The slide element record, its kind codes and the limits of the element list.
#pragma once

#include <cstdint>

enum ElementKind : std::int32_t {
    Image = 1,
    Narration = 2,
    Delay = 3,
    Text = 4,
    Title = 5,
    Caption = 6,
    Color = 7,
    Line = 8,
    Query = 9,
    Mark = 10,
    EText = 14,
    ELine = 18,
    EraseText = 24,
    EraseTitle = 25,
    EraseCaption = 26,
    EraseLine = 28,
    Fontsize = 30,
    NoNarration = 42,
    EndOfSlide = 100,
};

constexpr int kElementTextSize = 100;

struct SlideElement {
    std::int32_t kind; // in record 0 of a list: the number of elements
    char text[kElementTextSize];
    std::int32_t x;
    std::int32_t y;
    std::int32_t value;
    std::int32_t x2;
    std::int32_t y2;
    std::int32_t value2;
    std::int32_t extra;
};

// Records in the list: record 0 holds the count, records 1..N the elements, N+1 the end.
constexpr int kSlideElementRecords = 1000;
// The most elements a list holds, so that the end marker stays inside the records.
constexpr int kMaxSlideElements = kSlideElementRecords - 2;
// Slots of the "EText"/"EraseText" and "ELine"/"EraseLine" pairs.
constexpr int kEraseSlots = 100;
