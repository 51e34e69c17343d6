#include "common/bmp8_encoder.h"

#include <array>
#include <cstdlib>
#include <unordered_map>

namespace {

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

int rowBytes(int width, int bits) {
    return ((width * bits + 31) / 32) * 4;
}

void putInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bits,
                   std::uint32_t imageSize, std::uint32_t colours) {
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, static_cast<unsigned>(bits));
    put32(out, 0); // BI_RGB
    put32(out, imageSize);
    put32(out, 2835); // 72 dots per inch
    put32(out, 2835);
    put32(out, colours);
    put32(out, 0);
}

void putFileHeader(std::vector<std::uint8_t>& out, std::uint32_t fileSize,
                   std::uint32_t pixelOffset) {
    out.push_back('B');
    out.push_back('M');
    put32(out, fileSize);
    put32(out, 0);
    put32(out, pixelOffset);
}

std::array<Rgb, 256> fixedPalette() {
    std::array<Rgb, 256> palette{};
    int n = 0;
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b) {
                palette[n++] = {static_cast<std::uint8_t>(r * 51),
                                static_cast<std::uint8_t>(g * 51),
                                static_cast<std::uint8_t>(b * 51)};
            }
        }
    }
    for (int i = 0; n < 256; ++i) {
        const auto grey = static_cast<std::uint8_t>((i + 1) * 255 / 41);
        palette[n++] = {grey, grey, grey};
    }
    return palette;
}

int nearestIndex(const std::array<Rgb, 256>& palette, Rgb c) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 256; ++i) {
        const long dr = palette[i].red - c.red;
        const long dg = palette[i].green - c.green;
        const long db = palette[i].blue - c.blue;
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

} // namespace

std::vector<std::uint8_t> encodeBmp8File(const Picture& picture, std::uint32_t declaredColours) {
    static const std::array<Rgb, 256> palette = fixedPalette();
    const int stride = rowBytes(picture.width, 8);
    const auto imageSize = static_cast<std::uint32_t>(stride * picture.height);
    const auto offset = static_cast<std::uint32_t>(14 + 40 + 4 * 256);
    std::vector<std::uint8_t> out;
    putFileHeader(out, offset + imageSize, offset);
    putInfoHeader(out, picture.width, picture.height, 8, imageSize, declaredColours);
    for (const Rgb& c : palette) {
        out.push_back(c.blue);
        out.push_back(c.green);
        out.push_back(c.red);
        out.push_back(0);
    }
    std::unordered_map<std::uint32_t, std::uint8_t> chosen; // colour -> palette index
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < stride; ++x) {
            if (x >= picture.width) {
                out.push_back(0);
                continue;
            }
            const Rgb c = picture.at(x, y);
            const std::uint32_t key = (std::uint32_t{c.red} << 16) | (c.green << 8) | c.blue;
            auto found = chosen.find(key);
            if (found == chosen.end()) {
                found =
                    chosen.emplace(key, static_cast<std::uint8_t>(nearestIndex(palette, c))).first;
            }
            out.push_back(found->second);
        }
    }
    return out;
}
