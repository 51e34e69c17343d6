// The index.dat reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "content/index_list.h"
#include "fuzz_content_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One list for every input: clearing 6,000 entries per input would slow the run a
    // hundredfold, and only the entries read are checked.
    static std::vector<IndexEntry> entries(kMaxIndexEntries);
    const IndexListReading reading =
        readIndexListBytes(std::string_view(reinterpret_cast<const char*>(data), size),
                           std::span<IndexEntry, kMaxIndexEntries>{entries.data(), entries.size()});
    fuzzCheck(reading.count >= 0 && reading.count <= kMaxIndexEntries);
    for (int i = 0; i < reading.count; ++i) {
        const IndexEntry& e = entries[static_cast<std::size_t>(i)];
        fuzzCheck(std::memchr(e.term, '\0', sizeof e.term) != nullptr);
        fuzzCheck(std::memchr(e.series, '\0', sizeof e.series) != nullptr);
        fuzzCheck(e.series[0] != '\0');
    }
    return 0;
}
