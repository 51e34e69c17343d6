// The wave inspector on any bytes: never reads outside them, and a valid result is a PCM
// wave with a sample rate.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "common/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const WaveInfo info = inspectWave(std::vector<std::uint8_t>(data, data + size));
    if (info.valid && (info.format != 1 || info.sampleRate == 0 || info.seconds < 0)) {
        std::abort();
    }
    return 0;
}
