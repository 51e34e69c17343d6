#include "common/picture_files.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

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

std::vector<std::uint8_t> encodePpm(const Picture& picture) {
    const std::string header =
        "P6\n" + std::to_string(picture.width) + " " + std::to_string(picture.height) + "\n255\n";
    std::vector<std::uint8_t> out(header.begin(), header.end());
    out.insert(out.end(), picture.pixels.begin(), picture.pixels.end());
    return out;
}

} // namespace

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
    if (bytes->size() > static_cast<std::size_t>(INT32_MAX)) {
        error = path + " is too large";
        return std::nullopt;
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* data = stbi_load_from_memory(bytes->data(), static_cast<int>(bytes->size()),
                                                &width, &height, &channels, 3);
    if (data == nullptr) {
        error = path + " is not a PNG, JPEG, BMP or PPM picture (" + stbi_failure_reason() + ")";
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
    } else if (ext == ".bmp") {
        bytes = encodeBmpFile(toPixelImage(picture), 24);
    } else if (ext == ".ppm") {
        bytes = encodePpm(picture);
    } else {
        error = path + ": the picture format follows the extension: .png, .bmp or .ppm";
        return false;
    }
    if (!writeFileBytes(path, bytes)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
