// The query file check on any bytes: never reads outside them and reports lines that exist.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "coursecheck/course_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkQueryBytes(std::string_view(reinterpret_cast<const char*>(data), size),
                    [](int line, const std::string& text) {
                        if (line < 0 || line > 5 || text.empty()) {
                            std::abort();
                        }
                    });
    return 0;
}
