// Writes the program's two icons as .ico files: "ZCursor", the stereo pointer (32 x 32,
// two colours, a white crosshair on a transparent field), and "LECTERN", the program
// file's icon (64 x 64, 16 colours). Run at build time; nothing binary is kept in the tree.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// pixels[row][column], row 0 at the top: a palette index, or -1 for transparent.
using Picture = std::vector<std::vector<int>>;

std::vector<std::uint8_t> encodeIcon(const Picture& pixels, int bits,
                                     const std::vector<std::uint32_t>& palette) {
    const int size = static_cast<int>(pixels.size());
    const int xorStride = ((size * bits + 31) / 32) * 4;
    const int andStride = ((size + 31) / 32) * 4;
    std::vector<std::uint8_t> image;
    put32(image, 40);
    put32(image, size);
    put32(image, size * 2); // the colour image and the mask together
    put16(image, 1);
    put16(image, bits);
    put32(image, 0);
    put32(image, (xorStride + andStride) * size);
    put32(image, 0);
    put32(image, 0);
    put32(image, palette.size());
    put32(image, 0);
    for (std::uint32_t rgb : palette) {
        image.push_back(rgb & 0xFF); // blue
        image.push_back((rgb >> 8) & 0xFF);
        image.push_back((rgb >> 16) & 0xFF);
        image.push_back(0);
    }
    for (int row = size - 1; row >= 0; --row) { // bottom-up
        std::vector<std::uint8_t> line(xorStride, 0);
        for (int col = 0; col < size; ++col) {
            const int index = pixels[row][col] < 0 ? 0 : pixels[row][col];
            const int bit = col * bits;
            line[bit / 8] |= static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
        }
        image.insert(image.end(), line.begin(), line.end());
    }
    for (int row = size - 1; row >= 0; --row) {
        std::vector<std::uint8_t> line(andStride, 0);
        for (int col = 0; col < size; ++col) {
            if (pixels[row][col] < 0) {
                line[col / 8] |= static_cast<std::uint8_t>(0x80 >> (col % 8));
            }
        }
        image.insert(image.end(), line.begin(), line.end());
    }
    std::vector<std::uint8_t> file;
    put16(file, 0);
    put16(file, 1); // icon
    put16(file, 1); // one image
    file.push_back(static_cast<std::uint8_t>(size % 256));
    file.push_back(static_cast<std::uint8_t>(size % 256));
    file.push_back(static_cast<std::uint8_t>(bits == 1 ? 2 : 16));
    file.push_back(0);
    put16(file, 1);
    put16(file, bits);
    put32(file, image.size());
    put32(file, 6 + 16);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

Picture pointerCrosshair() {
    Picture p(32, std::vector<int>(32, -1));
    auto white = [&](int row, int col) { p[row][col] = 1; };
    for (int row = 6; row <= 25; ++row) {
        white(row, 15);
        white(row, 16);
    }
    for (int row : {6, 7, 8, 9, 22, 23, 24, 25}) {
        for (int col = 14; col <= 17; ++col) {
            white(row, col);
        }
    }
    for (int col = 1; col <= 30; ++col) {
        white(16, col);
    }
    for (int row = 15; row <= 17; ++row) {
        for (int col = 1; col <= 6; ++col) {
            white(row, col);
        }
        for (int col = 25; col <= 30; ++col) {
            white(row, col);
        }
    }
    return p;
}

// A wooden lectern carrying an open book, seen slightly from the side.
Picture lectern() {
    enum { Outline = 0, Wood = 1, DarkWood = 2, Page = 3, Ink = 4, Red = 5 };
    Picture p(64, std::vector<int>(64, -1));
    auto fill = [&](int top, int bottom, int left, int right, int colour) {
        for (int row = top; row <= bottom; ++row) {
            for (int col = left; col <= right; ++col) {
                p[row][col] = colour;
            }
        }
    };
    // Slanted desk top: wider towards the viewer.
    for (int row = 14; row <= 24; ++row) {
        const int inset = (24 - row) / 2;
        fill(row, row, 8 + inset, 55 - inset, row == 14 ? Outline : Wood);
        p[row][8 + inset] = Outline;
        p[row][55 - inset] = Outline;
    }
    fill(25, 27, 8, 55, DarkWood);
    // The open book on the desk.
    for (int row = 9; row <= 20; ++row) {
        const int inset = (20 - row) / 3;
        fill(row, row, 16 + inset, 47 - inset, Page);
    }
    fill(9, 20, 31, 32, Outline);
    for (int row : {12, 15, 18}) {
        fill(row, row, 19, 28, Ink);
        fill(row, row, 35, 44, Ink);
    }
    fill(8, 21, 42, 43, Red); // bookmark
    // Column and foot.
    fill(28, 53, 27, 36, Wood);
    fill(28, 53, 27, 27, Outline);
    fill(28, 53, 36, 36, Outline);
    fill(28, 53, 30, 31, DarkWood);
    fill(54, 58, 14, 49, DarkWood);
    fill(59, 59, 14, 49, Outline);
    return p;
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons ZCURSOR.ico LECTERN.ico\n");
        return 2;
    }
    const std::vector<std::uint32_t> twoColours = {0x000000, 0xFFFFFF};
    const std::vector<std::uint32_t> sixteen = {
        0x202020, 0xB07840, 0x704018, 0xF8F4E8, 0x303060, 0xD02020, 0x000000, 0x000000,
        0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0xFFFFFF};
    if (!writeFile(argv[1], encodeIcon(pointerCrosshair(), 1, twoColours)) ||
        !writeFile(argv[2], encodeIcon(lectern(), 4, sixteen))) {
        std::fprintf(stderr, "make_icons: cannot write the icons\n");
        return 1;
    }
    return 0;
}
