// How long a .duo file on disk takes to become a bitmap compatible with the screen, side by
// side in one run with the floor: reading the same bytes and copying them once. Views of
// 1024 x 364 at 24 and at 32 bits per pixel. Also timed: the GDI calls of each step made one
// by one, the loader's steps with the other conversion (CreateCompatibleBitmap and
// SetDIBits), and the loader's parts one at a time (reading, checking, composing,
// converting; these reuse memory that the whole runs take fresh from the system).
//
// Run by hand under Wine with a screen (Xvfb): wine bench_stereo_image.exe [runs]
#include <windows.h>

#include "bench_timing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "display/display_globals.h"
#include "imaging/dib_pixels.h"
#include "imaging/picture_file.h"
#include "imaging/stereo_composer.h"
#include "imaging/stereo_image.h"
#include "imaging/stereo_image_gdi.h"
#include "imaging/stereo_image_pixels.h"

namespace {

PixelImage view(unsigned salt) {
    PixelImage image(1024, 364);
    for (int y = 0; y < 364; ++y) {
        for (int x = 0; x < 1024; ++x) {
            image.at(x, y) = pixelRgb(x + salt, y * 3 + salt, (x ^ y) + salt);
        }
    }
    return image;
}

std::string writeDuo(const std::string& directory, int bits) {
    const DuoPlacement placement = {4, -12, -4, 12, 2, 3, 8, 8};
    const std::vector<std::uint8_t> bytes =
        encodeDuoFile(placement, encodePackedDib(view(1), bits), encodePackedDib(view(2), bits));
    const std::string path = directory + "bench" + std::to_string(bits) + ".duo";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::vector<std::uint8_t> readWhole(const std::string& path) {
    PictureFile file(path);
    std::vector<std::uint8_t> bytes;
    file.readMore(static_cast<std::size_t>(file.size()), bytes);
    return bytes;
}

struct Timing {
    const char* name;
    std::function<void()> run;
    std::vector<double> samples = {};
};

void benchmark(const std::string& path, int bits, HDC dc, int runs) {
    std::vector<std::uint8_t> copy;
    DuoFile parsed;
    std::vector<std::uint8_t> kept = readWhole(path);
    readDuoFile(kept, parsed);
    PixelImage composed = composeStereoImage(parsed, lowerImageTop);

    std::vector<Timing> timings = {
        {"floor: read the file, copy it once",
         [&] {
             const std::vector<std::uint8_t> bytes = readWhole(path);
             copy.resize(bytes.size());
             std::memcpy(copy.data(), bytes.data(), bytes.size());
         }},
        {"loader: LoadStereoImage (pixel buffer, one conversion)",
         [&] { DeleteObject(LoadStereoImage(path, dc)); }},
        {"the GDI calls of each step, one by one (file read included)",
         [&] {
             const std::vector<std::uint8_t> bytes = readWhole(path);
             DuoFile file;
             readDuoFile(bytes, file);
             DeleteObject(composeStereoImageWithGdi(file, lowerImageTop, dc));
         }},
        {"  part: read the file", [&] { readWhole(path); }},
        {"  part: check the header and views", [&] { readDuoFile(kept, parsed); }},
        {"  part: compose in the pixel buffer",
         [&] { composed = composeStereoImage(parsed, lowerImageTop); }},
        {"  part: one conversion (CreateDIBitmap with CBM_INIT)",
         [&] { DeleteObject(bitmapFromPixels(dc, composed)); }},
        {"the loader's steps, converting with CreateCompatibleBitmap + SetDIBits",
         [&] {
             const std::vector<std::uint8_t> bytes = readWhole(path);
             DuoFile file;
             readDuoFile(bytes, file);
             const PixelImage screen = composeStereoImage(file, lowerImageTop);
             BITMAPINFO info = {};
             info.bmiHeader = {sizeof info.bmiHeader, 1024, -768, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
             HBITMAP bitmap = CreateCompatibleBitmap(dc, 1024, 768);
             SetDIBits(dc, bitmap, 0, 768, screen.pixels.data(), &info, DIB_RGB_COLORS);
             DeleteObject(bitmap);
         }},
    };
    for (Timing& t : timings) {
        t.run(); // warm the file cache and the allocator
    }
    for (int i = 0; i < runs; ++i) {
        for (Timing& t : timings) { // interleaved, so that drift touches every case alike
            const double start = nowMs();
            t.run();
            t.samples.push_back(nowMs() - start);
        }
    }
    const double floor = median(timings[0].samples);
    std::printf("\nviews of 1024 x 364 at %d bits per pixel, file of %zu bytes, %d runs "
                "(median ms, ratio to the floor)\n",
                bits, kept.size(), runs);
    for (const Timing& t : timings) {
        const double ms = median(t.samples);
        std::printf("  %-62s %8.3f  %5.2f x\n", t.name, ms, ms / floor);
    }
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    HDC dc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (dc == nullptr) {
        std::printf("no display device context\n");
        return 1;
    }
    std::printf("screen: %d bits per pixel\n", GetDeviceCaps(dc, BITSPIXEL));
    lowerImageTop = 404;
    for (int bits : {24, 32}) {
        const std::string path = writeDuo(temp, bits);
        benchmark(path, bits, dc, runs);
        DeleteFileA(path.c_str());
    }
    DeleteDC(dc);
    return 0;
}
