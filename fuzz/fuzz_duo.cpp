// The DUO reader and the stereo composer on any bytes, at lowerImageTop values across and
// beyond the calibration's range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "imaging/stereo_composer.h"

namespace {

volatile std::uint32_t sink;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact copy: the views point into it, and a read past its end is caught.
    const std::vector<std::uint8_t> bytes(data, data + size);
    DuoFile file;
    if (readDuoFile(bytes, file) != DuoStatus::Loaded) {
        return 0;
    }
    // What GDI reads of each view's bitmap information lies in its stored bytes.
    for (const DuoView* view : {&file.lower, &file.upper}) {
        if (view->header.size() != view->layout.infoBytes ||
            view->layout.infoBytes > view->block.size()) {
            std::abort();
        }
        sink = view->header.back() ^ view->block[view->layout.infoBytes - 1];
    }
    // One screen for every input: a new 3 MB buffer per input would take most of the run.
    static PixelImage screen;
    composeStereoImage(file, 354 + static_cast<int>(size % 101), screen);
    sink = screen.at(512, 383) ^ screen.at(0, 0) ^ screen.at(1023, 767);
    if (size % 7 == 0) {
        composeStereoImage(file, size % 2 ? -100000 : 100000, screen);
        sink = screen.at(0, 0);
    }
    return 0;
}
