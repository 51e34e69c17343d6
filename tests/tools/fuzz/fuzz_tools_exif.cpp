// The EXIF orientation reader of duo pack on any bytes: an orientation of 0 to 8, read
// only inside the data, and a picture turned by it keeps all its pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "common/exif_orientation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int orientation = jpegExifOrientation(std::span<const std::uint8_t>(data, size));
    if (orientation < 0 || orientation > 8) {
        std::abort();
    }
    const Picture turned = orientedPicture(Picture(3, 2, {1, 2, 3}), orientation);
    if (turned.width * turned.height != 6) {
        std::abort();
    }
    return 0;
}
