#include "common/duo_packing.h"

#include <algorithm>

#include "common/pixel_conversion.h"
#include "imaging/dib_pixels.h"

std::vector<std::uint8_t> packDuo(const Picture& upper, const Picture& lower, int bits,
                                  const DuoPlacement& placement) {
    const std::vector<std::uint8_t> lowerDib = encodePackedDib(toPixelImage(lower), bits);
    const std::vector<std::uint8_t> upperDib = encodePackedDib(toPixelImage(upper), bits);
    return encodeDuoFile(placement, lowerDib, upperDib);
}

Picture viewFromPicture(const Picture& picture, std::string& how) {
    if (picture.width == kDuoViewWidth && picture.height == kDuoViewHeight) {
        how = "taken pixel for pixel";
        return picture;
    }
    const Picture view = fittedPicture(picture, kDuoViewWidth, kDuoViewHeight, kDuoViewPixelAspect);
    const FittedSize size = fittedSize(picture.width, picture.height, kDuoViewWidth, kDuoViewHeight,
                                       kDuoViewPixelAspect);
    const int w = size.width;
    const int h = size.height;
    how = "scaled from " + std::to_string(picture.width) + " x " + std::to_string(picture.height) +
          " to " + std::to_string(w) + " x " + std::to_string(h) +
          " (half height, as the adapter shows each view at double height), centred on black";
    return view;
}

Picture ditheredFor16Bits(const Picture& picture) {
    static constexpr int kBayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    Picture out = picture;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const int lift = kBayer[y % 4][x % 4] / 2; // 0..7: below one 5-bit step
            const Rgb c = picture.at(x, y);
            auto up = [lift](std::uint8_t v) {
                return static_cast<std::uint8_t>(std::min(255, v + lift));
            };
            out.set(x, y, {up(c.red), up(c.green), up(c.blue)});
        }
    }
    return out;
}
