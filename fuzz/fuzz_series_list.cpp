// config.dat and abstract.txt on arbitrary bytes: the series list fills at most its 20
// rows with terminated, cut fields, and an abstract gives at most six lines of at most 43
// characters, each without a line end.
#include "fuzz_check.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "dialogs/series_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    static const auto table = std::make_unique<SeriesEntry[][kMaxSeries]>(1);
    std::memset(table[0], 0x55, sizeof(SeriesEntry) * kMaxSeries);
    const int rows = readSeriesList(bytes, table[0]);
    fuzzCheck(rows >= 0 && rows <= kMaxSeries);
    for (int i = 0; i < rows; ++i) {
        const SeriesEntry& row = table[0][i];
        fuzzCheck(std::memchr(row.directory, '\0', sizeof row.directory) != nullptr);
        fuzzCheck(std::memchr(row.title, '\0', sizeof row.title) != nullptr);
    }

    for (const std::string& line : readAbstractLines(bytes)) {
        fuzzCheck(line.size() <= kAbstractLineLength);
        fuzzCheck(line.find_first_of("\r\n") == std::string::npos);
    }
    fuzzCheck(readAbstractLines(bytes).size() <= kAbstractLines);
    return 0;
}
