// Stereo pairs made in the tests: a scene of a textured background behind a textured
// square, seen by two eyes with known disparities and a known vertical misalignment, and
// the MPO file a stereo camera would write of two JPEG pictures.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "common/picture.h"

// Colour cells of 4 x 4 pixels, different for each salt.
inline Rgb textureAt(int x, int y, unsigned salt) {
    unsigned h = (static_cast<unsigned>(x >> 2) * 73856093u) ^
                 (static_cast<unsigned>(y >> 2) * 19349663u) ^ (salt * 83492791u);
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return {static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(h >> 8),
            static_cast<std::uint8_t>(h >> 16)};
}

struct SceneShifts {
    int background = 0; // disparity of the background (negative: behind the screen)
    int square = 0;     // disparity of the square
    int vertical = 0;   // rows the right eye's picture sits below the left's
};

constexpr int kSquareLeft = 400, kSquareTop = 100, kSquareSize = 160;

inline bool inSquare(int x, int y) {
    return x >= kSquareLeft && x < kSquareLeft + kSquareSize && y >= kSquareTop &&
           y < kSquareTop + kSquareSize;
}

// The picture of one eye: the left eye sees the scene as laid out; the right eye sees a
// point of disparity d at column x - d and `vertical` rows lower.
inline Picture sceneView(int width, int height, bool rightEye, const SceneShifts& s) {
    Picture p(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!rightEye) {
                p.set(x, y, inSquare(x, y) ? textureAt(x, y, 2) : textureAt(x, y, 1));
                continue;
            }
            const int sy = y - s.vertical;
            const int sq = x + s.square;
            p.set(x, y,
                  inSquare(sq, sy) ? textureAt(sq, sy, 2) : textureAt(x + s.background, sy, 1));
        }
    }
    return p;
}

// An MPO file of two JPEG pictures: the first carries an APP1 segment holding JPEG markers
// of its own (as a thumbnail does) and the MP index in an APP2 segment; `secondOffset`
// replaces the index's offset of the second picture when not zero.
inline std::vector<std::uint8_t> makeMpo(const std::vector<std::uint8_t>& first,
                                         const std::vector<std::uint8_t>& second,
                                         std::uint32_t secondOffset = 0) {
    auto put16 = [](std::vector<std::uint8_t>& v, unsigned n) {
        v.push_back(static_cast<std::uint8_t>(n >> 8));
        v.push_back(static_cast<std::uint8_t>(n));
    };
    auto put32 = [&](std::vector<std::uint8_t>& v, std::uint32_t n) {
        put16(v, n >> 16);
        put16(v, n & 0xFFFF);
    };
    // A thumbnail-like APP1: a whole small JPEG's markers inside.
    std::vector<std::uint8_t> app1 = {0xFF, 0xE1, 0, 10, 'E', 'x', 0xFF, 0xD8, 0xFF, 0xD9, 0, 0};
    std::vector<std::uint8_t> index = {'M', 'M', 0, 42};
    put32(index, 8);
    put16(index, 2);
    put16(index, 0xB001), put16(index, 4), put32(index, 1), put32(index, 2);
    put16(index, 0xB002), put16(index, 7), put32(index, 32), put32(index, 8 + 2 + 24 + 4);
    put32(index, 0);
    const std::size_t indexStart = 2 + app1.size() + 8; // after SOI, APP1, FF E2 len "MPF\0"
    const std::size_t firstSize = first.size() + app1.size() + 8 + index.size() + 32;
    put32(index, 0x20002), put32(index, static_cast<std::uint32_t>(firstSize)), put32(index, 0);
    put32(index, 0);
    put32(index, 0x20002), put32(index, static_cast<std::uint32_t>(second.size()));
    put32(index,
          secondOffset != 0 ? secondOffset : static_cast<std::uint32_t>(firstSize - indexStart));
    put32(index, 0);
    std::vector<std::uint8_t> out = {0xFF, 0xD8};
    out.insert(out.end(), app1.begin(), app1.end());
    out.insert(out.end(), {0xFF, 0xE2});
    put16(out, static_cast<unsigned>(index.size() + 6));
    out.insert(out.end(), {'M', 'P', 'F', 0});
    out.insert(out.end(), index.begin(), index.end());
    out.insert(out.end(), first.begin() + 2, first.end());
    out.insert(out.end(), second.begin(), second.end());
    return out;
}
