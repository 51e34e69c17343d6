// The slide script reader on arbitrary bytes, and the drawing arithmetic on every element
// it reads: the lower view's points and the erase boxes, at a lowerImageTop across the
// calibration's range. The first byte chooses the mode and whether a narration was seen
// earlier.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "app/erase_boxes.h"
#include "app/view_coordinates.h"
#include "ground/mode_flags.h"
#include "content/slide_script.h"
#include "fuzz_content_checks.h"

namespace {

volatile std::int32_t sink;

// What drawing an element computes from its numbers, with a font measure as large as a
// "Fontsize" element can make it.
void drawingArithmetic(const SlideElement& e, std::int32_t lowerImageTop) {
    const FontMeasure measure = {INT32_MAX, INT32_MAX, INT32_MAX};
    const ViewPoint start = lowerViewPoint(e.x, e.y, e.value, lowerImageTop);
    const ViewPoint end = lowerViewPoint(e.x2, e.y2, e.value2, lowerImageTop);
    const EraseBox text = textBox(e.x, e.y, e.value, e.extra, measure);
    const LineBox line = lineBox(e.x, e.y, e.value, e.x2, e.y2, e.value2);
    sink = start.x ^ start.y ^ end.x ^ end.y ^ lowerRect(text, lowerImageTop).top ^
           upperRect(text).left ^ lowerRect(line, lowerImageTop).top ^
           lowerRect(headingBox(e.y, e.x, measure), lowerImageTop).left;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static const ModeFlags modes[] = {
        modeFlagsFor(ChosenMode::Lecture), modeFlagsFor(ChosenMode::Tutorial),
        modeFlagsFor(ChosenMode::Quiz), modeFlagsFor(ChosenMode::IndexEntry)};
    const ModeFlags& mode = modes[data[0] % 4];
    std::int32_t narrationSeen = (data[0] >> 2) & 1;
    FuzzTables& tables = fuzzTables();
    std::vector<SlideElement>& elements = tables.elements;
    std::vector<std::uint32_t>& colours = tables.colours;
    const std::string_view script(reinterpret_cast<const char*>(data) + 1, size - 1);
    const SlideReading reading =
        readScriptBytes(script, mode, narrationSeen, ColourEntries{colours.data(), colours.size()},
                        ElementRecords{elements.data(), elements.size()});
    checkSlideReading(reading, elements, colours);
    const std::int32_t lowerImageTop = 354 + data[0] % 101;
    for (int i = 1; i <= elements[0].kind && i < kSlideElementRecords; ++i) {
        drawingArithmetic(elements[static_cast<std::size_t>(i)], lowerImageTop);
    }
    fuzzCheck(reading.message.has_value() == (reading.truncatedAtLine > 0));
    return 0;
}
