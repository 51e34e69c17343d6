#include "common/wave_file.h"

#include <algorithm>

namespace {

std::uint32_t read32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

unsigned read16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}

bool tagAt(const std::vector<std::uint8_t>& b, std::size_t at, const char* tag) {
    return at + 4 <= b.size() && std::equal(tag, tag + 4, b.begin() + static_cast<long>(at));
}

} // namespace

WaveInfo inspectWave(const std::vector<std::uint8_t>& bytes) {
    WaveInfo info;
    if (bytes.size() < 12 || !tagAt(bytes, 0, "RIFF") || !tagAt(bytes, 8, "WAVE")) {
        info.problem = "not a RIFF WAVE file";
        return info;
    }
    bool haveFormat = false;
    std::uint32_t byteRate = 0;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t size = read32(bytes, at + 4);
        const std::size_t body = at + 8;
        const std::size_t available = bytes.size() - body;
        if (tagAt(bytes, at, "fmt ")) {
            if (size < 16 || available < 16) {
                info.problem = "its format chunk is cut short";
                return info;
            }
            info.format = static_cast<int>(read16(bytes, body));
            info.channels = static_cast<int>(read16(bytes, body + 2));
            info.sampleRate = static_cast<int>(read32(bytes, body + 4));
            byteRate = read32(bytes, body + 8);
            info.bitsPerSample = static_cast<int>(read16(bytes, body + 14));
            haveFormat = true;
        } else if (tagAt(bytes, at, "data")) {
            if (!haveFormat) {
                info.problem = "its sound data comes before its format";
                return info;
            }
            if (info.format != 1) {
                info.problem = "not PCM (format " + std::to_string(info.format) + ")";
                return info;
            }
            if (byteRate == 0 || info.channels == 0 || info.sampleRate == 0) {
                info.problem = "its format gives no sample rate";
                return info;
            }
            // A writer that streams may leave a placeholder size: count what is there.
            const std::size_t dataBytes = std::min<std::size_t>(size, available);
            info.seconds = static_cast<double>(dataBytes) / byteRate;
            info.valid = true;
            return info;
        }
        if (size > available) {
            break;
        }
        at = body + size + (size & 1);
    }
    info.problem = haveFormat ? "it holds no sound data" : "it has no format chunk";
    return info;
}
