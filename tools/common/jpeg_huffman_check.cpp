#include "common/jpeg_huffman_check.h"

#include <cstddef>

#include "common/jpeg_markers.h"

namespace {

constexpr int kMaxCodes = 256;

// The decoder reads a byte past the end of the file as 0.
std::uint8_t byteAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return at < bytes.size() ? bytes[at] : 0;
}

// The tables of one DHT segment whose body starts at `at` and is `length` bytes long (the
// length field's value less its own two bytes), read one after another as the decoder
// does: a class and number byte, sixteen counts, then as many symbols as they add up to.
bool tablesFit(std::span<const std::uint8_t> bytes, std::size_t at, long length) {
    while (length > 0) {
        int codes = 0;
        for (std::size_t i = 0; i < 16; ++i) {
            codes += byteAt(bytes, at + 1 + i);
        }
        if (codes > kMaxCodes) {
            return false;
        }
        at += 17 + static_cast<std::size_t>(codes);
        length -= 17 + codes;
    }
    return true;
}

// Where the entropy-coded data of a scan that starts at `at` ends: at the first marker
// other than a stuffed zero or a restart marker.
std::size_t afterScanData(std::span<const std::uint8_t> bytes, std::size_t at) {
    while (at + 1 < bytes.size()) {
        if (bytes[at] != kMarkerPrefix) {
            ++at;
            continue;
        }
        std::size_t next = at + 1;
        while (next < bytes.size() && bytes[next] == kMarkerPrefix) {
            ++next; // fill bytes
        }
        if (next < bytes.size() && bytes[next] != 0 && (bytes[next] < 0xD0 || bytes[next] > 0xD7)) {
            return at;
        }
        at = next + 1;
    }
    return bytes.size();
}

} // namespace

bool jpegHuffmanTablesFit(std::span<const std::uint8_t> bytes) {
    // The decoder takes fill bytes before the start marker too.
    std::size_t at = 0;
    while (at < bytes.size() && bytes[at] == kMarkerPrefix) {
        ++at;
    }
    if (at == 0 || at >= bytes.size() || bytes[at] != kStartOfImage) {
        return true;
    }
    ++at;
    while (at < bytes.size()) {
        if (bytes[at] != kMarkerPrefix) {
            ++at; // the decoder passes over bytes between segments one by one
            continue;
        }
        std::size_t markerAt = at + 1;
        while (markerAt < bytes.size() && bytes[markerAt] == kMarkerPrefix) {
            ++markerAt;
        }
        const std::uint8_t marker = byteAt(bytes, markerAt);
        if (marker == kEndOfImage || markerAt >= bytes.size()) {
            return true;
        }
        if (marker == 0 || (marker >= 0xD0 && marker <= 0xD7)) {
            at = markerAt + 1; // a marker without a length
            continue;
        }
        const long length = (long{byteAt(bytes, markerAt + 1)} << 8 | byteAt(bytes, markerAt + 2));
        const std::size_t body = markerAt + 3;
        if (marker == kHuffmanTables && !tablesFit(bytes, body, length - 2)) {
            return false;
        }
        at = body + static_cast<std::size_t>(length < 2 ? 0 : length - 2);
        if (marker == kStartOfScan) {
            at = afterScanData(bytes, at);
        }
    }
    return true;
}
