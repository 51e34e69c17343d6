// Helpers of the content reader tests: an element list and colour table to read into, and
// a short description of an element by the fields its kind sets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ground/colours.h"
#include "content/element_list.h"
#include "ground/slide_element.h"

struct ContentTables {
    // Exactly the list's records and the table's entries, on the heap, so that the address
    // sanitizer sees any access beyond them.
    std::vector<SlideElement> elements = std::vector<SlideElement>(kSlideElementRecords);
    std::vector<std::uint32_t> colours = std::vector<std::uint32_t>(kColourCount);

    ContentTables() {
        for (int i = 0; i < kColourCount; ++i) {
            colours[i] = i < kNamedColourCount ? kNamedColours[i].colour : 0;
        }
    }
    ElementRecords records() { return ElementRecords{elements.data(), elements.size()}; }
    ColourEntries colourEntries() { return ColourEntries{colours.data(), colours.size()}; }

    // Records 1 to N as described by describeElement; N is taken from record 0.
    std::vector<std::string> described() const;
};

inline std::string describeElement(const SlideElement& e) {
    auto numbers = [](std::initializer_list<std::int32_t> values) {
        std::string out;
        for (const std::int32_t v : values) {
            out += (out.empty() ? "" : " ") + std::to_string(v);
        }
        return out;
    };
    const std::string text(e.text);
    switch (e.kind) {
    case Image:
        return "Image|" + text;
    case Narration:
        return "Narration|" + text;
    case Title:
        return "Title|" + text;
    case Caption:
        return "Caption|" + text;
    case Query:
        return "Query|" + text;
    case Delay:
        return "Delay " + numbers({e.value});
    case Color:
        return "Color " + numbers({e.value});
    case EraseText:
        return "EraseText " + numbers({e.value});
    case EraseLine:
        return "EraseLine " + numbers({e.value});
    case Fontsize:
        return "Fontsize " + numbers({e.value});
    case Text:
        return "Text|" + text + "|" + numbers({e.x, e.y, e.value});
    case EText:
        return "EText|" + text + "|" + numbers({e.x, e.y, e.value, e.x2});
    case Line:
        return "Line " + numbers({e.x, e.y, e.value, e.x2, e.y2, e.value2});
    case ELine:
        return "ELine " + numbers({e.x, e.y, e.value, e.x2, e.y2, e.value2, e.extra});
    case Mark:
        return "Mark";
    case EraseTitle:
        return "EraseTitle";
    case EraseCaption:
        return "EraseCaption";
    case NoNarration:
        return "NoNarration";
    case EndOfSlide:
        return "EndOfSlide";
    }
    return "kind " + std::to_string(e.kind);
}

inline std::vector<std::string> ContentTables::described() const {
    std::vector<std::string> out;
    const int count = elements[0].kind;
    for (int i = 1; i <= count && i < kSlideElementRecords; ++i) {
        out.push_back(describeElement(elements[i]));
    }
    return out;
}
