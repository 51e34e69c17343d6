// Measuring the depth of a whole stereo picture (every place of the disparity map that
// coursecheck uses), side by side in one run with reading and composing the same picture
// into the screen the program shows, which coursecheck does for each picture anyway.
//
// Run by hand: wine bench_depth_measure.exe PICTURE.duo [runs]
// (for example the demo course's HardDisk/Corpus/Skull/Slide1/front.duo)
#include "bench_timing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "common/screen_depth.h"
#include "duo/duo_screen.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_depth_measure PICTURE.duo [runs]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    std::vector<double> compose, measure;
    std::size_t measured = 0;
    for (int r = 0; r < runs; ++r) {
        std::string error;
        const double t0 = nowMs();
        const std::optional<Picture> screen = composeDuoScreen(argv[1], 0, error);
        const double t1 = nowMs();
        if (!screen) {
            std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
            return 1;
        }
        const DisparityMap map = measureDisparityMap(*measureScreenViews(*screen));
        const double t2 = nowMs();
        compose.push_back(t1 - t0);
        measure.push_back(t2 - t1);
        measured = 0;
        for (const DepthSample& s : map.samples) {
            measured += s.status == DepthStatus::Measured;
        }
    }
    const double c = median(compose);
    const double m = median(measure);
    std::printf("read and compose the screen: %8.1f ms (median of %d)\n", c, runs);
    std::printf("measure the whole map:       %8.1f ms (%zu places measured)\n", m, measured);
    std::printf("ratio measure / compose:     %8.1f\n", m / c);
    std::printf("a course of 1000 pictures:   %8.1f s to measure\n", m);
    return 0;
}
