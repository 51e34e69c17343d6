#include "common/pixel_conversion.h"

PixelImage toPixelImage(const Picture& picture) {
    PixelImage image(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb c = picture.at(x, y);
            image.at(x, y) = pixelRgb(c.red, c.green, c.blue);
        }
    }
    return image;
}

Picture toPicture(const PixelImage& image) {
    Picture picture(image.width, image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.at(x, y);
            picture.set(x, y,
                        {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                         static_cast<std::uint8_t>(p)});
        }
    }
    return picture;
}
