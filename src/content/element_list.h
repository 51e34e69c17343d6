// Fills a slide element list for one reading: the elements in order, their count in
// record 0 and the end marker after them, within the list's 1000 records, giving
// hexadecimal colours their colour-table entries.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "content/colour_argument.h"
#include "content/script_keywords.h"
#include "ground/slide_element.h"
#include "content/slide_reading.h"

using ElementRecords = std::span<SlideElement, kSlideElementRecords>;
using ColourEntries = std::span<std::uint32_t, kColourCount>;

class ElementList {
  public:
    ElementList(ElementRecords elements, ColourEntries colours, SlideReading& reading)
        : elements_(elements), colours_(colours), reading_(reading) {}

    int count() const { return count_; }
    int room() const { return kMaxSlideElements - count_; }

    // Stores the element of a keyword line; a hexadecimal colour takes the next entry of
    // the colour table. Nothing is stored when the list is full or the colours are used up.
    void addLine(const ScriptKeyword& keyword, std::string_view arguments, int line);
    // Stores an element the reader makes itself; the caller checks room().
    SlideElement& addOwn(ElementKind kind);
    // Stores N in record 0 and the end marker in record N+1.
    void finish();

  private:
    SlideElement& append(int line);

    ElementRecords elements_;
    ColourEntries colours_;
    SlideReading& reading_;
    HexColourEntries hexEntries_;
    int count_ = 0;
};
