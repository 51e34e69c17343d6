// A long Tutorial run under Wine with a screen: a series of 600 short slides (a picture,
// a title, texts, lines, a narration whose file is missing, two Delays of 0 seconds) runs
// by itself from the first slide to the last, as the program runs it. After every slide
// the GDI table slot that a new object gets and the process's pagefile use are read; the
// last hundred slides must need no more than the first hundred did.
//
// Run by hand: wine bench_soak.exe [SLIDES] (at least 200; 600 by default).
#include <windows.h>

#include "bench_program.h"
#include "bench_timing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/content_globals.h"
#include "ground/mode_flags.h"
#include "imaging/dib_pixels.h"
#include "imaging/duo_format.h"

namespace {

const char* kSlideScript = "Image view\r\n"
                           "Narration missing\r\n"
                           "Title A soak slide\r\n"
                           "Caption One of many\r\n"
                           "Delay 0\r\n"
                           "Color Yellow\r\n"
                           "Text Left,300 150 6\r\n"
                           "EText Right,700 150 4 1\r\n"
                           "Line 300 160 6 420 240 8\r\n"
                           "ELine 700 160 4 600 240 2 1\r\n"
                           "Delay 0\r\n"
                           "EraseText 1\r\n"
                           "EraseLine 1\r\n"
                           "Mark\r\n";

// `slides` slide directories under a temporary course root, each with the script and a
// small stereo picture (the composer fills the rest of the screen); returns the root.
std::string makeSeries(int slides) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    const std::string root = std::string(base) + "corpus-soak\\";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA((root + "Soak").c_str(), nullptr);
    PixelImage upper(64, 32);
    PixelImage lower(64, 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) {
            upper.at(x, y) = pixelRgb(4 * x, 8 * y, 128);
            lower.at(x, y) = pixelRgb(4 * x + 3, 8 * y, 128);
        }
    }
    const std::vector<std::uint8_t> duo =
        encodeDuoFile({}, encodePackedDib(lower, 24), encodePackedDib(upper, 24));
    for (int n = 1; n <= slides; ++n) {
        const std::string slide = root + "Soak\\Slide" + std::to_string(n) + "\\";
        CreateDirectoryA(slide.c_str(), nullptr);
        writeFile(slide + "view.duo", std::string(duo.begin(), duo.end()));
        writeFile(slide + "soak.scp", kSlideScript);
    }
    return root;
}

struct Span {
    unsigned slot = 0;
    SIZE_T pagefile = 0;
};

// The highest slot and pagefile use among readings [from, to).
Span highest(const std::vector<Memory>& readings, std::size_t from, std::size_t to) {
    Span span;
    for (std::size_t i = from; i < to; ++i) {
        span.slot = std::max(span.slot, readings[i].nextSlot);
        span.pagefile = std::max(span.pagefile, readings[i].pagefileBytes);
    }
    return span;
}

} // namespace

int main(int argc, char** argv) {
    const int slides = std::max(200, argc >= 2 ? std::atoi(argv[1]) : 600);
    courseRoot = makeSeries(slides);
    std::snprintf(seriesName, sizeof seriesName, "%s", "Soak");
    slideCount = slides;
    modeFlags = modeFlagsFor(ChosenMode::Tutorial);
    HWND window = makeWindow();

    presentationState = PresentingState;
    currentSlide = 0;
    const double start = nowMs();
    PostMessageA(window, WM_PROCEED, ProceedNextSlide, 0);
    std::vector<Memory> perSlide;
    int measured = 0;
    MSG message;
    // The series runs by itself; each time a slide begins, the one before it has ended.
    // The last slide's end would open the table of contents: stop once it has begun.
    while (measured < slides - 1 && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
        if (currentSlide > measured + 1) {
            GdiFlush();
            perSlide.push_back(memoryNow());
            ++measured;
        }
        if (presentationState != PresentingState) {
            std::printf("the presentation ended early, after slide %d\n", currentSlide);
            return 1;
        }
    }
    const double elapsed = nowMs() - start;
    const std::size_t n = perSlide.size();
    const Span first = highest(perSlide, 0, 100);
    const Span last = highest(perSlide, n - 100, n);
    const double slotRatio = static_cast<double>(last.slot) / std::max(1u, first.slot);
    const double pagefileRatio = static_cast<double>(last.pagefile) /
                                 static_cast<double>(std::max<SIZE_T>(1, first.pagefile));
    std::printf("%zu slides shown in Tutorial flow in %.1f s (%.1f ms a slide)\n", n + 1,
                elapsed / 1000, elapsed / static_cast<double>(n + 1));
    std::printf("highest next GDI slot: first 100 slides %u, last 100 slides %u, ratio %.3f\n",
                first.slot, last.slot, slotRatio);
    std::printf("highest pagefile use:  first 100 slides %zu KiB, last 100 slides %zu KiB, "
                "ratio %.3f\n",
                static_cast<size_t>(first.pagefile / 1024),
                static_cast<size_t>(last.pagefile / 1024), pagefileRatio);
    const bool flat = last.slot <= first.slot && last.pagefile <= first.pagefile + 64 * 1024;
    std::printf("GDI objects and memory %s over the run\n", flat ? "flat" : "GROWING");
    return flat ? 0 : 1;
}
