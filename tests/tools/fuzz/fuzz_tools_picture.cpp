// The picture reader of duo pack on any bytes (PNG, JPEG, BMP, PPM): a picture or a reason.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "common/picture_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    // Up to 4 million pixels: a few bytes can claim (and make the decoder fill) the 64 million
    // pixels the tools allow, which under the sanitizers takes longer than the run gives an
    // input; larger pictures take the same paths through the decoder.
    const auto picture =
        decodePicture(std::vector<std::uint8_t>(data, data + size), error, 4LL << 20);
    if (picture ? picture->pixels.size() !=
                      static_cast<std::size_t>(picture->width) * picture->height * 3
                : error.empty()) {
        std::abort();
    }
    return 0;
}
