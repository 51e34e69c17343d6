// Between the tools' byte pictures and the program's 0x00RRGGBB pixel images.
#pragma once

#include "common/picture.h"
#include "imaging/pixel_image.h"

PixelImage toPixelImage(const Picture& picture);
Picture toPicture(const PixelImage& image);
