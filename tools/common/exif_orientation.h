// The orientation that a camera stores in a JPEG file's EXIF block (tag 0x0112 of the first
// image directory), and a picture turned to stand as it says. Cameras keep the sensor's
// pixels as they came and record how the camera was held; a viewer turns the picture.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "common/picture.h"

// 1 (as stored) to 8; 0 when the bytes are no JPEG file or name no valid orientation.
// Reads only inside `bytes`, whatever they hold.
int jpegExifOrientation(std::span<const std::uint8_t> bytes);

// `picture` turned and mirrored as orientation 1 to 8 says; any other value keeps it.
Picture orientedPicture(const Picture& picture, int orientation);

// What orientedPicture does for orientation 2 to 8 ("turned 90 degrees clockwise"); empty
// for 1 and for values outside 1 to 8.
std::string orientationChange(int orientation);
