// Picture files: reading PNG, JPEG, BMP and PPM (with the stb image library) and writing
// PNG, JPEG, BMP and PPM by the file name's extension.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/picture.h"

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path);
bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Pictures beyond this many pixels are refused before they are decoded.
constexpr long long kMaxPicturePixels = 64LL << 20;
// The picture that the bytes of a PNG, JPEG, BMP or PPM file hold, or nothing with
// `error` set to the reason (among them a picture of more than `maxPixels`).
std::optional<Picture> decodePicture(const std::vector<std::uint8_t>& bytes, std::string& error,
                                     long long maxPixels = kMaxPicturePixels);
// The picture in the file, or nothing with `error` set to the reason.
std::optional<Picture> readPictureFile(const std::string& path, std::string& error);
// A baseline JPEG file of the picture at `quality` (1 to 100); empty when it cannot be made.
constexpr int kJpegQuality = 92;
std::vector<std::uint8_t> encodeJpeg(const Picture& picture, int quality);

// Writes by the extension (.png, .jpg, .bmp or .ppm, any case); false with `error` set.
bool writePictureFile(const std::string& path, const Picture& picture, std::string& error);
