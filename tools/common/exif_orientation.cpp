#include "common/exif_orientation.h"

#include <cstring>

#include "common/jpeg_markers.h"

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;

// A bounds-checked view of the TIFF block inside the EXIF segment, in its byte order.
class TiffBlock {
  public:
    TiffBlock(std::span<const std::uint8_t> bytes, bool bigEndian)
        : bytes_(bytes), bigEndian_(bigEndian) {}

    bool has(std::size_t at, std::size_t size) const {
        return at <= bytes_.size() && size <= bytes_.size() - at;
    }
    std::uint16_t u16(std::size_t at) const {
        const unsigned a = bytes_[at];
        const unsigned b = bytes_[at + 1];
        return static_cast<std::uint16_t>(bigEndian_ ? (a << 8) | b : (b << 8) | a);
    }
    std::uint32_t u32(std::size_t at) const {
        const std::uint32_t high = u16(bigEndian_ ? at : at + 2);
        const std::uint32_t low = u16(bigEndian_ ? at + 2 : at);
        return (high << 16) | low;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    bool bigEndian_;
};

// The orientation in a TIFF block ("II" or "MM", 42, the first directory's offset).
int tiffOrientation(std::span<const std::uint8_t> tiff) {
    if (tiff.size() < 8) {
        return 0;
    }
    bool bigEndian = false;
    if (tiff[0] == 'M' && tiff[1] == 'M') {
        bigEndian = true;
    } else if (tiff[0] != 'I' || tiff[1] != 'I') {
        return 0;
    }
    const TiffBlock block(tiff, bigEndian);
    if (block.u16(2) != 42) {
        return 0;
    }
    const std::size_t directory = block.u32(4);
    if (!block.has(directory, 2)) {
        return 0;
    }
    const std::size_t entries = block.u16(directory);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + i * 12;
        if (!block.has(entry, 12)) {
            return 0;
        }
        if (block.u16(entry) == kOrientationTag) {
            if (block.u16(entry + 2) != kShortType || block.u32(entry + 4) != 1) {
                return 0;
            }
            const int value = block.u16(entry + 8);
            return value >= 1 && value <= 8 ? value : 0;
        }
    }
    return 0;
}

} // namespace

int jpegExifOrientation(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4 || bytes[0] != kMarkerPrefix || bytes[1] != kStartOfImage) {
        return 0;
    }
    std::size_t at = 2;
    // The segments before the image data: a marker (0xFF, a code), a 16-bit big-endian
    // length that counts itself, the data.
    while (at + 4 <= bytes.size()) {
        if (bytes[at] != kMarkerPrefix) {
            return 0;
        }
        const std::uint8_t code = bytes[at + 1];
        if (code == kMarkerPrefix) { // fill byte
            ++at;
            continue;
        }
        if (code == kStartOfScan || code == kEndOfImage) { // no EXIF after these
            return 0;
        }
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7)) { // markers without data
            at += 2;
            continue;
        }
        const std::size_t length = (std::size_t{bytes[at + 2]} << 8) | bytes[at + 3];
        if (length < 2 || length > bytes.size() - at - 2) {
            return 0;
        }
        const auto data = bytes.subspan(at + 4, length - 2);
        if (code == kApp1 && data.size() >= 6 && std::memcmp(data.data(), "Exif\0\0", 6) == 0) {
            return tiffOrientation(data.subspan(6));
        }
        at += 2 + length;
    }
    return 0;
}

Picture orientedPicture(const Picture& picture, int orientation) {
    if (orientation < 2 || orientation > 8) {
        return picture;
    }
    // Each orientation as the source pixel of an upright one: swap x and y (the crosswise
    // orientations 5 to 8), then mirror the source's columns and rows.
    struct Turn {
        bool swap, flipX, flipY;
    };
    static constexpr Turn kTurns[9] = {{},
                                       {false, false, false},
                                       {false, true, false},
                                       {false, true, true},
                                       {false, false, true},
                                       {true, false, false},
                                       {true, false, true},
                                       {true, true, true},
                                       {true, true, false}};
    const Turn& t = kTurns[orientation];
    const int w = picture.width;
    const int h = picture.height;
    Picture out(t.swap ? h : w, t.swap ? w : h);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const int u = t.swap ? y : x;
            const int v = t.swap ? x : y;
            out.set(x, y, picture.at(t.flipX ? w - 1 - u : u, t.flipY ? h - 1 - v : v));
        }
    }
    return out;
}

std::string orientationChange(int orientation) {
    switch (orientation) {
    case 2:
        return "mirrored left to right";
    case 3:
        return "turned 180 degrees";
    case 4:
        return "mirrored top to bottom";
    case 5:
        return "turned 90 degrees clockwise and mirrored left to right";
    case 6:
        return "turned 90 degrees clockwise";
    case 7:
        return "turned 90 degrees clockwise and mirrored top to bottom";
    case 8:
        return "turned 90 degrees anticlockwise";
    default:
        return "";
    }
}
