// A photograph read as it should stand: the orientation that a camera stored in a JPEG
// file is applied to its pixels.
#pragma once

#include <optional>
#include <string>

#include "common/picture.h"

struct UprightPicture {
    Picture picture;
    std::string change; // what was done to stand it upright; empty when nothing
};

// The picture in the file (PNG, JPEG, BMP or PPM), turned as its EXIF orientation says; or
// nothing with `error` set to the reason.
std::optional<UprightPicture> readUprightPictureFile(const std::string& path, std::string& error);
