#include "coursecheck/file_checks.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "common/duo_file_reading.h"
#include "common/picture_files.h"
#include "common/wave_file.h"
#include "imaging/dib_layout.h"

namespace {

// The bytes after the 14-byte file header, as far as the header's file size says: what
// the program reads of a BMP file.
std::optional<std::vector<std::uint8_t>> bitmapInfoBytes(const fs::path& path,
                                                         std::string& problem) {
    auto bytes = readFileBytes(path.string());
    if (!bytes) {
        problem = "cannot be read";
        return std::nullopt;
    }
    if (bytes->size() < 14 || (*bytes)[0] != 'B' || (*bytes)[1] != 'M') {
        problem = "is not a BMP file";
        return std::nullopt;
    }
    const std::uint32_t declared = (*bytes)[2] | ((*bytes)[3] << 8) | ((*bytes)[4] << 16) |
                                   (std::uint32_t{(*bytes)[5]} << 24);
    if (declared < 14 + kInfoHeaderSize) {
        problem = "its header gives a file size of " + std::to_string(declared) +
                  " bytes, less than its headers";
        return std::nullopt;
    }
    const std::size_t length = std::min<std::size_t>(declared, bytes->size()) - 14;
    return std::vector<std::uint8_t>(bytes->begin() + 14,
                                     bytes->begin() + 14 + static_cast<long>(length));
}

} // namespace

std::optional<std::string> directBitmapProblem(const fs::path& path) {
    std::string problem;
    const auto dib = bitmapInfoBytes(path, problem);
    if (!dib) {
        return problem;
    }
    if (!directColourLayout(*dib, false)) {
        return "is not a BMP of 16, 24 or 32 bits per pixel, uncompressed and without colour "
               "table, whose pixels lie within its declared size: the program shows nothing";
    }
    return std::nullopt;
}

std::optional<std::string> eightBitBitmapProblem(const fs::path& path) {
    std::string problem;
    const auto dib = bitmapInfoBytes(path, problem);
    if (!dib) {
        return problem;
    }
    const auto header = readInfoHeader(*dib);
    if (!header || header->bitCount != 8) {
        return "is not an 8-bit BMP: the program shows \"Not an 8 bit BMP\" (Image Load Error)";
    }
    if (!paletteLayout(*dib)) {
        return "is an 8-bit BMP whose colour table or pixels do not lie within its declared size";
    }
    return std::nullopt;
}

std::optional<std::string> duoProblem(const fs::path& path) {
    auto bytes = readFileBytes(path.string());
    if (!bytes) {
        return "cannot be read";
    }
    DuoFile file;
    const DuoStatus status = readDuoFile(*bytes, file);
    if (status != DuoStatus::Loaded) {
        return duoRefusalReason(status);
    }
    return std::nullopt;
}

std::optional<std::string> waveProblem(const fs::path& path) {
    auto bytes = readFileBytes(path.string());
    if (!bytes) {
        return "cannot be read";
    }
    const WaveInfo info = inspectWave(*bytes);
    if (!info.valid) {
        return "is not a playable wave file: " + info.problem;
    }
    return std::nullopt;
}
