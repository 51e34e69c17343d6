// What every reading of untrusted content must leave behind, checked after each input.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ground/colours.h"
#include "fuzz_check.h"
#include "ground/slide_element.h"
#include "content/slide_reading.h"

// A colour table as the program starts with it.
inline std::vector<std::uint32_t> initialColours() {
    std::vector<std::uint32_t> colours(kColourCount, 0);
    for (int i = 0; i < kNamedColourCount; ++i) {
        colours[static_cast<std::size_t>(i)] = kNamedColours[i].colour;
    }
    return colours;
}

// The element list and colour table that every input is read into: made once and reset
// for each input, as the program's own tables are, so that a run spends its time in the
// reader rather than in the allocator.
struct FuzzTables {
    std::vector<SlideElement> elements = std::vector<SlideElement>(kSlideElementRecords);
    std::vector<std::uint32_t> colours;

    FuzzTables& reset();
};

// The list holds N within bounds, the end marker after it, NUL-terminated texts, and the
// named colours are untouched; hexadecimal colours took entries 10 to 199, each once.
inline void checkSlideReading(const SlideReading& reading,
                              const std::vector<SlideElement>& elements,
                              const std::vector<std::uint32_t>& colours) {
    if (reading.result == 1) {
        const int count = elements[0].kind;
        fuzzCheck(count == reading.elementCount);
        fuzzCheck(count >= 0 && count <= kMaxSlideElements);
        fuzzCheck(elements[static_cast<std::size_t>(count) + 1].kind == EndOfSlide);
        fuzzCheck(reading.elementLines.size() == static_cast<std::size_t>(count));
    }
    for (const SlideElement& e : elements) {
        fuzzCheck(std::memchr(e.text, '\0', sizeof e.text) != nullptr);
    }
    for (int i = 0; i < kNamedColourCount; ++i) {
        fuzzCheck(colours[static_cast<std::size_t>(i)] == kNamedColours[i].colour);
    }
    fuzzCheck(reading.hexColourIndexes.size() <= kColourCount - kNamedColourCount);
    int expected = kColourCount - 1;
    for (const int entry : reading.hexColourIndexes) {
        fuzzCheck(entry == expected--);
    }
}

inline FuzzTables& FuzzTables::reset() {
    std::memset(elements.data(), 0, elements.size() * sizeof(SlideElement));
    colours = initialColours();
    return *this;
}

inline FuzzTables& fuzzTables() {
    static FuzzTables tables;
    return tables.reset();
}
