#include "common/picture.h"

#include <algorithm>
#include <cmath>

#include <stb/stb_image_resize.h>

Picture::Picture(int w, int h, Rgb fill) : width(w), height(h) {
    pixels.resize(static_cast<std::size_t>(w) * h * 3);
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        pixels[i] = fill.red;
        pixels[i + 1] = fill.green;
        pixels[i + 2] = fill.blue;
    }
}

Rgb Picture::at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {pixels[i], pixels[i + 1], pixels[i + 2]};
}

void Picture::set(int x, int y, Rgb colour) {
    if (!contains(x, y)) {
        return;
    }
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    pixels[i] = colour.red;
    pixels[i + 1] = colour.green;
    pixels[i + 2] = colour.blue;
}

void Picture::blend(int x, int y, Rgb colour, double coverage) {
    if (!contains(x, y) || coverage <= 0.0) {
        return;
    }
    coverage = std::min(coverage, 1.0);
    const Rgb old = at(x, y);
    auto mix = [coverage](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * coverage));
    };
    set(x, y, {mix(old.red, colour.red), mix(old.green, colour.green), mix(old.blue, colour.blue)});
}

void Picture::fillRect(int left, int top, int w, int h, Rgb colour) {
    for (int y = std::max(top, 0); y < std::min(top + h, height); ++y) {
        for (int x = std::max(left, 0); x < std::min(left + w, width); ++x) {
            set(x, y, colour);
        }
    }
}

Picture scaledPicture(const Picture& source, int w, int h) {
    Picture result(w, h);
    if (source.width == w && source.height == h) {
        return source;
    }
    stbir_resize_uint8(source.pixels.data(), source.width, source.height, 0, result.pixels.data(),
                       w, h, 0, 3);
    return result;
}

FittedSize fittedSize(int sourceW, int sourceH, int w, int h, double pixelAspect) {
    const double sourceAspect = static_cast<double>(sourceW) / sourceH;
    const double targetAspect = w / (h * pixelAspect);
    FittedSize size{w, h};
    if (sourceAspect > targetAspect) {
        size.height = static_cast<int>(std::lround(w / sourceAspect / pixelAspect));
    } else {
        size.width = static_cast<int>(std::lround(h * pixelAspect * sourceAspect));
    }
    size.width = std::clamp(size.width, 1, w);
    size.height = std::clamp(size.height, 1, h);
    return size;
}

Picture fittedPicture(const Picture& source, int w, int h, double pixelAspect) {
    const FittedSize size = fittedSize(source.width, source.height, w, h, pixelAspect);
    Picture result(w, h);
    pastePicture(result, scaledPicture(source, size.width, size.height), (w - size.width) / 2,
                 (h - size.height) / 2);
    return result;
}

void pastePicture(Picture& target, const Picture& source, int x, int y) {
    for (int row = 0; row < source.height; ++row) {
        for (int col = 0; col < source.width; ++col) {
            target.set(x + col, y + row, source.at(col, row));
        }
    }
}
