// A picture in memory as the composer and the author tools handle it: top-down rows of
// 32-bit pixels 0x00RRGGBB, which is also the byte order of a 32-bit DIB row (blue, green,
// red, unused).
#pragma once

#include <cstdint>
#include <vector>

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // width x height, row 0 at the top

    PixelImage() = default;
    PixelImage(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    std::uint32_t& at(int x, int y) {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

constexpr std::uint32_t pixelRgb(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) << 16 | (green & 0xFFu) << 8 | (blue & 0xFFu);
}
