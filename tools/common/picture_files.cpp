#include "common/picture_files.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include "common/jpeg_huffman_check.h"
#include "common/pixel_conversion.h"
#include "imaging/dib_pixels.h"

namespace {

std::string lowerExtension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return "";
    }
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

// A PNM (P5 or P6) header that stb_image may read: 8-bit samples and all the pixel bytes
// present. Its 16-bit PNM path reads past short data, so such files are refused here.
std::optional<std::string> pnmProblem(const std::vector<std::uint8_t>& bytes) {
    std::size_t at = 2;
    long long numbers[3] = {0, 0, 0};
    for (long long& n : numbers) {
        while (at < bytes.size()) {
            if (bytes[at] == '#') {
                // A comment ends at either line-end character, as the decoder reads it.
                while (at < bytes.size() && bytes[at] != '\n' && bytes[at] != '\r') {
                    ++at;
                }
            } else if (std::isspace(bytes[at]) != 0) {
                ++at;
            } else {
                break;
            }
        }
        bool digits = false;
        bool tooLong = false;
        while (at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9') {
            tooLong = tooLong || n >= (1LL << 40);
            n = tooLong ? n : n * 10 + (bytes[at] - '0');
            ++at;
            digits = true;
        }
        if (!digits) {
            return "a PNM header without its width, height and maximum value";
        }
        if (tooLong) {
            return "a PNM header with a number too long to read";
        }
    }
    ++at; // the one white-space character before the samples
    if (numbers[0] > (1 << 24) || numbers[1] > (1 << 24)) {
        return "a PNM picture wider or taller than 16 million pixels";
    }
    if (numbers[2] > 255 || numbers[2] == 0) {
        return "a PNM file of 16-bit samples (save it with 8 bits per sample)";
    }
    const long long samples = numbers[0] * numbers[1] * (bytes[1] == '6' ? 3 : 1);
    if (at > bytes.size() || static_cast<long long>(bytes.size() - at) < samples) {
        return "a PNM file shorter than its pixels";
    }
    return std::nullopt;
}

// A PNG file whose chunks all lie within it. The decoder takes memory for a data chunk as
// large as its length field says (up to 2 GB) before it looks for the bytes.
std::optional<std::string> pngProblem(const std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t kSignature = 8;
    constexpr std::size_t kChunkFrame = 12; // length, type and check value
    std::size_t at = kSignature;
    while (at + kChunkFrame <= bytes.size()) {
        const std::size_t length = std::size_t{bytes[at]} << 24 | std::size_t{bytes[at + 1]} << 16 |
                                   std::size_t{bytes[at + 2]} << 8 | bytes[at + 3];
        if (length > bytes.size() - at - kChunkFrame) {
            return "a PNG file shorter than its chunks";
        }
        if (std::memcmp(&bytes[at + 4], "IEND", 4) == 0) {
            break;
        }
        at += kChunkFrame + length;
    }
    return std::nullopt;
}

std::vector<std::uint8_t> encodePpm(const Picture& picture) {
    const std::string header =
        "P6\n" + std::to_string(picture.width) + " " + std::to_string(picture.height) + "\n255\n";
    std::vector<std::uint8_t> out(header.begin(), header.end());
    out.insert(out.end(), picture.pixels.begin(), picture.pixels.end());
    return out;
}

} // namespace

std::vector<std::uint8_t> encodeJpeg(const Picture& picture, int quality) {
    std::vector<std::uint8_t> bytes;
    stbi_write_jpg_to_func(appendBytes, &bytes, picture.width, picture.height, 3,
                           picture.pixels.data(), quality);
    return bytes;
}

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (in.gcount() != size) {
        return std::nullopt;
    }
    return bytes;
}

bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

std::optional<Picture> readPictureFile(const std::string& path, std::string& error) {
    const auto bytes = readFileBytes(path);
    if (!bytes) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    auto picture = decodePicture(*bytes, error);
    if (!picture) {
        error = path + ": " + error;
    }
    return picture;
}

std::optional<Picture> decodePicture(const std::vector<std::uint8_t>& bytes, std::string& error,
                                     long long maxPixels) {
    if (bytes.size() > static_cast<std::size_t>(INT32_MAX)) {
        error = "too large";
        return std::nullopt;
    }
    if (bytes.size() >= 2 && bytes[0] == 'P' && (bytes[1] == '5' || bytes[1] == '6')) {
        if (const auto problem = pnmProblem(bytes)) {
            error = *problem;
            return std::nullopt;
        }
    }
    if (bytes.size() >= 8 && std::memcmp(bytes.data(), "\x89PNG\r\n\x1a\n", 8) == 0) {
        if (const auto problem = pngProblem(bytes)) {
            error = *problem;
            return std::nullopt;
        }
    }
    if (!jpegHuffmanTablesFit(bytes)) {
        error = "a corrupt JPEG picture (a Huffman table lists more than 256 codes)";
        return std::nullopt;
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    // What the header says is checked before the decoder takes memory for the pixels; a
    // header the decoder cannot read is no picture to decode.
    if (stbi_info_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height,
                              &channels) == 0) {
        error = std::string("not a PNG, JPEG, BMP or PPM picture (") + stbi_failure_reason() + ")";
        return std::nullopt;
    }
    if (std::llabs(static_cast<long long>(width) * height) > maxPixels) {
        error = "larger than " + std::to_string(maxPixels >> 20) + " million pixels";
        return std::nullopt;
    }
    unsigned char* data = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()),
                                                &width, &height, &channels, 3);
    if (data == nullptr) {
        error = std::string("not a PNG, JPEG, BMP or PPM picture (") + stbi_failure_reason() + ")";
        return std::nullopt;
    }
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(data, data + static_cast<std::size_t>(width) * height * 3);
    stbi_image_free(data);
    return picture;
}

bool writePictureFile(const std::string& path, const Picture& picture, std::string& error) {
    const std::string ext = lowerExtension(path);
    std::vector<std::uint8_t> bytes;
    if (ext == ".png") {
        if (stbi_write_png_to_func(appendBytes, &bytes, picture.width, picture.height, 3,
                                   picture.pixels.data(), picture.width * 3) == 0) {
            error = "cannot encode " + path;
            return false;
        }
    } else if (ext == ".jpg" || ext == ".jpeg") {
        bytes = encodeJpeg(picture, kJpegQuality);
    } else if (ext == ".bmp") {
        bytes = encodeBmpFile(toPixelImage(picture), 24);
    } else if (ext == ".ppm") {
        bytes = encodePpm(picture);
    } else {
        error = path + ": the picture format follows the extension: .png, .jpg, .bmp or .ppm";
        return false;
    }
    if (!writeFileBytes(path, bytes)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
