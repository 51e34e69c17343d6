#include "imaging/duo_format.h"

#include <algorithm>

#include "imaging/little_endian.h"

namespace {

constexpr std::size_t kViewSizeOffset = 17;
constexpr std::size_t kPlacementOffset = 21;

// The block's first 40 bytes with their bits inverted back, then the rest of its header.
std::vector<std::uint8_t> restoredHeader(std::span<const std::uint8_t> block, std::size_t length) {
    std::vector<std::uint8_t> header(block.begin(), block.begin() + length);
    for (std::size_t i = 0; i < kDuoInvertedBytes; ++i) {
        header[i] = static_cast<std::uint8_t>(~header[i]);
    }
    return header;
}

bool openView(std::span<const std::uint8_t> block, DuoView& view) {
    if (block.size() < kDuoInvertedBytes) {
        return false;
    }
    const std::vector<std::uint8_t> first = restoredHeader(block, kDuoInvertedBytes);
    const std::optional<InfoHeader> header = readInfoHeader(first);
    if (!header) {
        return false;
    }
    const std::optional<DibLayout> layout = directColourLayout(*header, block.size(), false);
    if (!layout) {
        return false;
    }
    view.header = restoredHeader(block, layout->infoBytes); // all that GDI reads of it
    view.layout = *layout;
    view.block = block;
    return true;
}

void putPlacement(std::uint8_t* out, const DuoPlacement& p) {
    const std::int32_t fields[] = {p.lowerX,  p.lowerY,     p.upperX,   p.upperY,
                                   p.topBand, p.bottomBand, p.leftBand, p.rightBand};
    for (std::int32_t field : fields) {
        putI32(out, field);
        out += 4;
    }
}

} // namespace

DuoStart classifyDuoStart(std::span<const std::uint8_t> firstBytes) {
    if (firstBytes.size() >= 2 && firstBytes[0] == 'B' && firstBytes[1] == 'M') {
        return DuoStart::ObsoleteBitmap;
    }
    if (firstBytes.size() >= 3 && firstBytes[0] == 'D' && firstBytes[1] == 'U' &&
        firstBytes[2] == 'O') {
        return DuoStart::Duo;
    }
    return DuoStart::Unknown;
}

bool readDuoHeader(std::span<const std::uint8_t> bytes, DuoHeader& header) {
    if (bytes.size() < kDuoHeaderSize || classifyDuoStart(bytes) != DuoStart::Duo) {
        return false;
    }
    const std::uint8_t* p = bytes.data();
    header.viewSize = readU32(p + kViewSizeOffset);
    const std::uint8_t* f = p + kPlacementOffset;
    header.placement = {readI32(f),      readI32(f + 4),  readI32(f + 8),  readI32(f + 12),
                        readI32(f + 16), readI32(f + 20), readI32(f + 24), readI32(f + 28)};
    return true;
}

std::uint64_t duoFileLength(const DuoHeader& header) {
    return kDuoHeaderSize + 2 * std::uint64_t{header.viewSize};
}

DuoStatus readDuoFile(std::span<const std::uint8_t> bytes, DuoFile& file) {
    switch (classifyDuoStart(bytes)) {
    case DuoStart::ObsoleteBitmap:
        return DuoStatus::Obsolete;
    case DuoStart::Unknown:
        return DuoStatus::NotDuo;
    case DuoStart::Duo:
        break;
    }
    DuoHeader header;
    if (!readDuoHeader(bytes, header)) {
        return DuoStatus::ShortHeader;
    }
    if (duoFileLength(header) > bytes.size()) {
        return DuoStatus::ShortViews;
    }
    const std::span<const std::uint8_t> lower = bytes.subspan(kDuoHeaderSize, header.viewSize);
    const std::span<const std::uint8_t> upper =
        bytes.subspan(kDuoHeaderSize + header.viewSize, header.viewSize);
    if (!openView(lower, file.lower)) {
        return DuoStatus::BadLowerView;
    }
    if (!openView(upper, file.upper)) {
        return DuoStatus::BadUpperView;
    }
    file.placement = header.placement;
    return DuoStatus::Loaded;
}

bool isValidDuoView(std::span<const std::uint8_t> dib) {
    return directColourLayout(dib, false).has_value();
}

std::vector<std::uint8_t> encodeDuoFile(const DuoPlacement& placement,
                                        std::span<const std::uint8_t> lowerDib,
                                        std::span<const std::uint8_t> upperDib) {
    const std::size_t viewSize = std::max({lowerDib.size(), upperDib.size(), kDuoInvertedBytes});
    std::vector<std::uint8_t> file(kDuoHeaderSize + 2 * viewSize, 0);
    file[0] = 'D';
    file[1] = 'U';
    file[2] = 'O';
    putU32(file.data() + kViewSizeOffset, static_cast<std::uint32_t>(viewSize));
    putPlacement(file.data() + kPlacementOffset, placement);
    std::uint8_t* block = file.data() + kDuoHeaderSize;
    for (std::span<const std::uint8_t> dib : {lowerDib, upperDib}) {
        std::copy(dib.begin(), dib.end(), block);
        for (std::size_t i = 0; i < kDuoInvertedBytes; ++i) {
            block[i] = static_cast<std::uint8_t>(~block[i]);
        }
        block += viewSize;
    }
    return file;
}
