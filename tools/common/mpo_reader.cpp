#include "common/mpo_reader.h"

#include <cstring>

#include "common/jpeg_markers.h"

namespace {

constexpr std::uint16_t kTagNumberOfImages = 0xB001;
constexpr std::uint16_t kTagMpEntries = 0xB002;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kIfdEntrySize = 12;

// Reads the numbers of the MP index in the byte order its header names; every read is
// bounded by the index's own length.
class IndexBytes {
  public:
    IndexBytes(const std::uint8_t* data, std::size_t size, bool bigEndian)
        : data_(data), size_(size), bigEndian_(bigEndian) {}

    bool has(std::size_t at, std::size_t count) const { return at <= size_ && count <= size_ - at; }
    std::uint32_t u16(std::size_t at) const {
        return bigEndian_ ? (data_[at] << 8) | data_[at + 1] : data_[at] | (data_[at + 1] << 8);
    }
    std::uint32_t u32(std::size_t at) const {
        return bigEndian_ ? (u16(at) << 16) | u16(at + 2) : u16(at) | (u16(at + 2) << 16);
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    bool bigEndian_;
};

std::uint32_t bigEndian16(const std::uint8_t* p) {
    return (p[0] << 8) | p[1];
}

// The start and length of the MP index (the bytes after "MPF\0") in the first picture's
// header segments; nothing when the segments end before one is found.
std::optional<std::pair<std::size_t, std::size_t>>
findIndexSegment(const std::vector<std::uint8_t>& bytes, std::string& error) {
    if (bytes.size() < 4 || bytes[0] != kMarkerPrefix || bytes[1] != kStartOfImage) {
        error = "not a JPEG file";
        return std::nullopt;
    }
    std::size_t at = 2;
    while (true) {
        if (at + 4 > bytes.size() || bytes[at] != kMarkerPrefix) {
            error = "the JPEG header segments are broken";
            return std::nullopt;
        }
        const std::uint8_t marker = bytes[at + 1];
        if (marker == kMarkerPrefix) {
            ++at; // a fill byte before the marker
            continue;
        }
        if (marker == kStartOfScan || marker == kEndOfImage) {
            error = "a JPEG picture without a multi-picture index (not an MPO file)";
            return std::nullopt;
        }
        const std::size_t length = bigEndian16(&bytes[at + 2]);
        if (length < 2 || length > bytes.size() - at - 2) {
            error = "a JPEG header segment runs past the end of the file";
            return std::nullopt;
        }
        const std::size_t body = at + 4;
        const std::size_t bodyLength = length - 2;
        if (marker == kApp2 && bodyLength >= 4 && std::memcmp(&bytes[body], "MPF\0", 4) == 0) {
            return std::make_pair(body + 4, bodyLength - 4);
        }
        at = body + bodyLength;
    }
}

} // namespace

std::optional<std::vector<MpoPictureEntry>> readMpoIndex(const std::vector<std::uint8_t>& bytes,
                                                         std::string& error) {
    const auto segment = findIndexSegment(bytes, error);
    if (!segment) {
        return std::nullopt;
    }
    const auto [start, length] = *segment;
    const std::uint8_t* index = bytes.data() + start;
    if (length < 8 ||
        !((index[0] == 'I' && index[1] == 'I') || (index[0] == 'M' && index[1] == 'M'))) {
        error = "the multi-picture index has no byte-order header";
        return std::nullopt;
    }
    const IndexBytes in(index, length, index[0] == 'M');
    if (in.u16(2) != 42) {
        error = "the multi-picture index has no byte-order header";
        return std::nullopt;
    }
    const std::size_t ifd = in.u32(4);
    if (!in.has(ifd, 2)) {
        error = "the multi-picture index points outside itself";
        return std::nullopt;
    }
    const std::size_t tags = in.u16(ifd);
    if (!in.has(ifd + 2, tags * kIfdEntrySize)) {
        error = "the multi-picture index is cut short";
        return std::nullopt;
    }
    std::uint32_t pictureCount = 0;
    std::size_t entriesAt = 0;
    std::size_t entriesLength = 0;
    for (std::size_t t = 0; t < tags; ++t) {
        const std::size_t tag = ifd + 2 + t * kIfdEntrySize;
        if (in.u16(tag) == kTagNumberOfImages) {
            pictureCount = in.u32(tag + 8);
        } else if (in.u16(tag) == kTagMpEntries) {
            entriesLength = in.u32(tag + 4);
            entriesAt = in.u32(tag + 8);
        }
    }
    if (pictureCount == 0 || entriesLength / kEntrySize < pictureCount ||
        !in.has(entriesAt, std::size_t{pictureCount} * kEntrySize)) {
        error = "the multi-picture index lists no pictures it holds";
        return std::nullopt;
    }
    std::vector<MpoPictureEntry> entries;
    for (std::uint32_t i = 0; i < pictureCount; ++i) {
        const std::size_t entry = entriesAt + i * kEntrySize;
        MpoPictureEntry e;
        e.type = in.u32(entry) & 0xFFFFFF;
        e.size = in.u32(entry + 4);
        const std::size_t offset = in.u32(entry + 8);
        const bool outside = i != 0 && (offset == 0 || offset > bytes.size() - start);
        // The first picture starts the file; the others are counted from the index header.
        e.offset = i == 0 || outside ? 0 : start + offset;
        if (outside || e.size == 0 || e.size > bytes.size() - e.offset) {
            error = "picture " + std::to_string(i + 1) +
                    " of the multi-picture index lies outside the file";
            return std::nullopt;
        }
        entries.push_back(e);
    }
    return entries;
}

std::optional<std::pair<MpoPictureEntry, MpoPictureEntry>>
stereoPairOf(const std::vector<MpoPictureEntry>& entries, std::string& error) {
    std::vector<MpoPictureEntry> views;
    for (const MpoPictureEntry& e : entries) {
        if (e.type == kMpTypeDisparity) {
            views.push_back(e);
        }
    }
    if (views.size() < 2) {
        views = entries;
    }
    if (views.size() < 2) {
        error = "the multi-picture index lists " + std::to_string(entries.size()) +
                " picture; a stereo pair needs two";
        return std::nullopt;
    }
    return std::make_pair(views[0], views[1]);
}
