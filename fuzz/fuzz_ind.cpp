// The ".ind" reader on arbitrary bytes. The input's first line is the term looked for; the
// rest is the ".ind" file.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "ground/index_entry.h"
#include "content/index_slide.h"
#include "fuzz_content_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    if (split == std::string_view::npos) {
        return 0;
    }
    const std::string_view term = input.substr(0, std::min<std::size_t>(split, kIndexTermSize - 1));
    FuzzTables& tables = fuzzTables();
    std::vector<SlideElement>& elements = tables.elements;
    std::vector<std::uint32_t>& colours = tables.colours;
    const SlideReading reading = readIndexSlideBytes(
        input.substr(split + 1), term, "picture", ColourEntries{colours.data(), colours.size()},
        ElementRecords{elements.data(), elements.size()});
    checkSlideReading(reading, elements, colours);
    fuzzCheck(reading.result == 1 || !reading.message);
    return 0;
}
