#include "common/upright_picture.h"

#include "common/exif_orientation.h"
#include "common/picture_files.h"

std::optional<UprightPicture> readUprightPictureFile(const std::string& path, std::string& error) {
    const auto bytes = readFileBytes(path);
    if (!bytes) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    std::optional<Picture> picture = decodePicture(*bytes, error);
    if (!picture) {
        error = path + ": " + error;
        return std::nullopt;
    }
    const int orientation = jpegExifOrientation(*bytes);
    if (orientation < 2) {
        return UprightPicture{std::move(*picture), ""};
    }
    return UprightPicture{orientedPicture(*picture, orientation),
                          "EXIF orientation " + std::to_string(orientation) + ": " +
                              orientationChange(orientation)};
}
