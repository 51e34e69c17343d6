// The end-to-end walks' converter: reads a 1024 x 768 screen as raw 8-bit RGB on standard
// input (as `convert shot.png rgb:-` writes it) and writes it converted by a viewing
// method, as the program shows it, in the same form.
//   screen-conversion METHOD LOWER_IMAGE_TOP [swap]
#include "display/viewing_choice.h"
#include "imaging/stereo_viewing.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::optional<ViewingMethod> method =
        argc >= 3 ? viewingMethodNamed(argv[1]) : std::nullopt;
    if (!method || argc > 4 || (argc == 4 && std::string(argv[3]) != "swap")) {
        std::fprintf(stderr, "usage: screen-conversion METHOD LOWER_IMAGE_TOP [swap] <in >out\n");
        return 2;
    }
    const ViewingConversion conversion = {*method, std::atoi(argv[2]), argc == 4};
    std::vector<unsigned char> rgb(kStereoScreenPixels * 3);
    if (std::fread(rgb.data(), 1, rgb.size(), stdin) != rgb.size()) {
        std::fprintf(stderr, "screen-conversion: the input is not 1024 x 768 RGB\n");
        return 1;
    }
    std::vector<std::uint32_t> screen(kStereoScreenPixels), output(kStereoScreenPixels);
    for (int i = 0; i < kStereoScreenPixels; ++i) {
        screen[i] =
            std::uint32_t{rgb[3 * i]} << 16 | std::uint32_t{rgb[3 * i + 1]} << 8 | rgb[3 * i + 2];
    }
    convertStereoRows(
        conversion,
        std::span<const std::uint32_t, kStereoScreenPixels>(screen.data(), kStereoScreenPixels),
        std::span<std::uint32_t, kStereoScreenPixels>(output.data(), kStereoScreenPixels), 0, 768);
    for (int i = 0; i < kStereoScreenPixels; ++i) {
        rgb[3 * i] = static_cast<unsigned char>(output[i] >> 16);
        rgb[3 * i + 1] = static_cast<unsigned char>(output[i] >> 8);
        rgb[3 * i + 2] = static_cast<unsigned char>(output[i]);
    }
    return std::fwrite(rgb.data(), 1, rgb.size(), stdout) == rgb.size() ? 0 : 1;
}
