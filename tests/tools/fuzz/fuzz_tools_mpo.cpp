// The MPO index reader on any bytes: pictures that lie inside the file, or a reason.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "common/mpo_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    std::string error;
    const auto entries = readMpoIndex(bytes, error);
    if (!entries) {
        if (error.empty()) {
            std::abort();
        }
        return 0;
    }
    for (const MpoPictureEntry& e : *entries) {
        if (e.size == 0 || e.offset > size || e.size > size - e.offset) {
            std::abort();
        }
    }
    stereoPairOf(*entries, error);
    return 0;
}
