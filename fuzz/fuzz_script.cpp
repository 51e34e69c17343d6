// The slide script reader on arbitrary bytes. The first byte chooses the mode and whether
// a narration was seen earlier.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "content/mode_flags.h"
#include "content/slide_script.h"
#include "fuzz_content_checks.h"

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
    fuzzCheck(reading.message.has_value() == (reading.truncatedAtLine > 0));
    return 0;
}
