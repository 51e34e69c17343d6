// The multi-picture (MPO) files of stereo cameras: one JPEG picture after another, the
// first carrying an index of them all (the MP index) in an APP2 segment marked "MPF".
// The pictures are found through that index, never by looking for JPEG markers in the
// data, since a picture's thumbnail holds markers of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The MP type code of a picture taken from one viewpoint of a stereo or multi-view set.
constexpr std::uint32_t kMpTypeDisparity = 0x020002;

struct MpoPictureEntry {
    std::uint32_t type = 0; // the MP type code (the low 24 bits of the entry's attribute)
    std::size_t offset = 0; // from the start of the file
    std::size_t size = 0;
};

// The pictures that the MP index of `bytes` lists, in index order, each lying wholly inside
// `bytes`; nothing with `error` set when the bytes are no JPEG, carry no MP index, or the
// index is broken or points outside the file.
std::optional<std::vector<MpoPictureEntry>> readMpoIndex(const std::vector<std::uint8_t>& bytes,
                                                         std::string& error);

// The two pictures of a stereo pair in the index: the first two stereo viewpoint pictures
// (left viewpoint first, as multi-view sets are ordered), or the first two pictures when no
// entry is marked as a viewpoint. Nothing with `error` set when the index lists fewer than
// two pictures.
std::optional<std::pair<MpoPictureEntry, MpoPictureEntry>>
stereoPairOf(const std::vector<MpoPictureEntry>& entries, std::string& error);
