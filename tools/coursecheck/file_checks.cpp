#include "coursecheck/file_checks.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "common/duo_file_reading.h"
#include "common/picture_files.h"
#include "common/wave_file.h"
#include "imaging/bmp_file.h"

namespace {

// What the program reads of a BMP file after its 14-byte file header: as far as the
// header's file size says, within the file.
std::optional<std::vector<std::uint8_t>> bitmapPayload(const fs::path& path, std::string& problem) {
    auto bytes = readFileBytes(path.string());
    if (!bytes) {
        problem = "cannot be read";
        return std::nullopt;
    }
    if (bytes->size() < kBmpFileHeaderSize) {
        problem = "is shorter than a BMP file header";
        return std::nullopt;
    }
    const std::uint64_t length = bmpPayloadLength(*bytes, bytes->size());
    return std::vector<std::uint8_t>(bytes->begin() + kBmpFileHeaderSize,
                                     bytes->begin() + kBmpFileHeaderSize +
                                         static_cast<long>(length));
}

} // namespace

std::optional<std::string> directBitmapProblem(const fs::path& path) {
    std::string problem;
    const auto payload = bitmapPayload(path, problem);
    if (!payload) {
        return problem;
    }
    if (!directColourBitmap(*payload)) {
        return "is not a BMP of 16, 24 or 32 bits per pixel, uncompressed and without colour "
               "table, whose pixels lie within its declared size: the program shows nothing";
    }
    return std::nullopt;
}

std::optional<std::string> eightBitBitmapProblem(const fs::path& path) {
    std::string problem;
    const auto payload = bitmapPayload(path, problem);
    if (!payload) {
        return problem;
    }
    switch (checkPaletteBitmap(*payload).status) {
    case PaletteCheck::Drawable:
        return std::nullopt;
    case PaletteCheck::NotEightBit:
        return "is not an 8-bit BMP: the program shows \"Not an 8 bit BMP\" (Image Load Error)";
    case PaletteCheck::Unreadable:
        break;
    }
    return "is an 8-bit BMP whose colour table or pixels do not lie within its declared size: "
           "the program draws nothing";
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
