// Playback speed and memory, measured side by side in one run under Wine with a screen:
//  - from the WM_PROCEED of an "Image" element to the picture on the screen, and from a
//    click to the next group of elements drawn, each against loading the same DUO file
//    alone (LoadStereoImage, then DeleteObject);
//  - the same click in each viewing method, against the adapter method's click plus one
//    whole frame converted and put on the window (the software methods draw into a frame
//    in memory and show it before the program waits);
//  - the GDI objects and the private memory the program holds after each slide of a
//    series shown through to its end, which must not grow from slide to slide, and
//    whether every picture a slide replaced is gone (GetObjectType 0).
//
// Run by hand: wine bench_playback.exe [COURSE_ROOT SERIES] — without arguments it makes a
// series of nine slides of its own in a temporary directory.
#include <windows.h>

#include "bench_program.h"
#include "bench_timing.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "ground/messages.h"
#include "ground/presentation_globals.h"
#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "display/display_globals.h"
#include "display/software_adapter.h"
#include "display/stereo_switch.h"
#include "imaging/dib_pixels.h"
#include "imaging/duo_format.h"
#include "imaging/stereo_image.h"

namespace {

const char* kSlideScript = "Image view\r\n"
                           "Title A benchmark slide\r\n"
                           "Caption Anterior view\r\n"
                           "Mark\r\n"
                           "Color Yellow\r\n"
                           "Text Left atrium,300 150 6\r\n"
                           "Text Right atrium,700 150 4\r\n"
                           "EText Aorta,512 80 8 1\r\n"
                           "Line 300 160 6 420 240 8\r\n"
                           "ELine 700 160 4 600 240 2 1\r\n"
                           "Fontsize 20\r\n"
                           "Text Ventricles,512 300 5\r\n"
                           "Mark\r\n"
                           "EraseText 1\r\n"
                           "EraseLine 1\r\n"
                           "EraseTitle\r\n";

// A series of nine slides under a temporary course root; returns the root.
std::string makeSeries() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    const std::string root = std::string(base) + "corpus-bench\\";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA((root + "Bench").c_str(), nullptr);
    PixelImage upper(1024, 364);
    PixelImage lower(1024, 364);
    for (int y = 0; y < 364; ++y) {
        for (int x = 0; x < 1024; ++x) {
            upper.at(x, y) = pixelRgb(x, y, x ^ y);
            lower.at(x, y) = pixelRgb(x + 3, y, x ^ y);
        }
    }
    const std::vector<std::uint8_t> duo =
        encodeDuoFile({}, encodePackedDib(lower, 24), encodePackedDib(upper, 24));
    for (int n = 1; n <= 9; ++n) {
        const std::string slide = root + "Bench\\Slide" + std::to_string(n) + "\\";
        CreateDirectoryA(slide.c_str(), nullptr);
        writeFile(slide + "view.duo", std::string(duo.begin(), duo.end()));
        writeFile(slide + "bench.scp", kSlideScript);
    }
    return root;
}

void startSlide(HWND window, int slide) {
    presentationState = PresentingState;
    currentSlide = slide - 1;
    SendMessageA(window, WM_PROCEED, ProceedNextSlide, 0); // reads it, posts the Image
}

// From a click on slide 1's picture to its next group drawn and on the screen.
double clickToScreenMs(HWND window, int runs) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        startSlide(window, 1);
        pump();
        settleOnScreen();
        const double t0 = nowMs();
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        pump();
        settleOnScreen();
        times.push_back(nowMs() - t0);
    }
    return median(times);
}

// The whole frame converted and put on the window.
double wholeFrameMs(int runs) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        SetPixel(screenDC, 0, 0, GetPixel(screenDC, 0, 0)); // every row counts as drawn
        SetPixel(screenDC, 0, 767, GetPixel(screenDC, 0, 767));
        const double t0 = nowMs();
        presentStereoFrame();
        settleOnScreen();
        times.push_back(nowMs() - t0);
    }
    return median(times);
}

// The click in each viewing method; true when every software method's click costs at
// most the adapter's plus one frame.
bool compareViewingMethods(HWND window, int runs) {
    SetWindowPos(window, HWND_TOP, 0, 0, 1024, 768, SWP_SHOWWINDOW);
    setViewingWindow(window);
    pump();
    viewingChoice = {};
    const double adapterClick = clickToScreenMs(window, runs);
    std::printf("\nviewing method  click to the screen  frame   adapter click + frame  ratio\n");
    std::printf("%-14s  %16.2f ms\n", "adapter", adapterClick);
    bool met = true;
    for (const ViewingMethod method : {ViewingMethod::Anaglyph, ViewingMethod::TopBottom,
                                       ViewingMethod::SideBySide, ViewingMethod::Mono}) {
        viewingChoice = {method, false};
        StereoSwitch(StereoOn);
        const double click = clickToScreenMs(window, runs);
        const double frame = wholeFrameMs(runs);
        StereoSwitch(StereoOff);
        const double ratio = click / (adapterClick + frame);
        met = met && ratio <= 1.0;
        std::printf("%-14s  %16.2f ms  %5.2f ms  %13.2f ms  %12.2f\n", viewingMethodName(method),
                    click, frame, adapterClick + frame, ratio);
    }
    viewingChoice = {};
    releaseStereoFrame();
    return met;
}

} // namespace

int main(int argc, char** argv) {
    courseRoot = argc >= 3 ? std::string(argv[1]) : makeSeries();
    if (courseRoot.back() != '\\') {
        courseRoot += '\\';
    }
    const std::string series = argc >= 3 ? argv[2] : "Bench";
    std::snprintf(seriesName, sizeof seriesName, "%s", series.c_str());
    modeFlags = modeFlagsFor(ChosenMode::Lecture);
    HWND window = makeWindow();
    int slides = 0;
    while (slides < 200) {
        WIN32_FIND_DATAA found;
        const std::string pattern =
            courseRoot + series + "\\Slide" + std::to_string(slides + 1) + "\\*.scp";
        HANDLE search = FindFirstFileA(pattern.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            break;
        }
        FindClose(search);
        ++slides;
    }
    slideCount = slides;
    if (slides == 0) {
        std::printf("no slides in %s%s\n", courseRoot.c_str(), series.c_str());
        return 1;
    }

    const int runs = 15;
    std::vector<double> imageMs, clickMs, loadMs;
    for (int run = 0; run < runs; ++run) {
        startSlide(window, 1);
        const double t0 = nowMs();
        pump(); // the Image element: the picture on the screen
        imageMs.push_back(nowMs() - t0);
        const double t1 = nowMs();
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        pump(); // the group up to the next mark
        clickMs.push_back(nowMs() - t1);
        const std::string duo = slideDirectory + slideElements[1].text + ".duo";
        const double t2 = nowMs();
        HBITMAP alone = LoadStereoImage(duo, screenDC);
        GdiFlush();
        DeleteObject(alone);
        loadMs.push_back(nowMs() - t2);
    }
    const double load = median(loadMs);
    std::printf("load alone                   %7.2f ms\n", load);
    std::printf("Image element to the screen  %7.2f ms  ratio %.2f\n", median(imageMs),
                median(imageMs) / load);
    std::printf("click to the next group      %7.2f ms  ratio %.2f\n", median(clickMs),
                median(clickMs) / load);

    const bool viewingMet = compareViewingMethods(window, runs);

    // Memory after each slide of the series, shown through to its end.
    std::printf("\nslide  GDI objects  next GDI slot  pagefile KiB  previous picture released\n");
    startSlide(window, 1);
    pump();
    std::vector<Memory> perSlide;
    bool allReleased = true;
    for (int slide = 1; slide <= slides; ++slide) {
        SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, 0); // the rest of the slide
        pump();
        const HBITMAP shown = slideImage;
        const Memory now = memoryNow();
        perSlide.push_back(now);
        if (slide == slides) {
            break; // the next click would open the table of contents
        }
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0); // on to the next slide
        pump();
        const bool released = shown == nullptr || GetObjectType(shown) == 0;
        allReleased = allReleased && released;
        std::printf("%5d  %11lu  %13u  %12zu  %s\n", slide, now.gdiObjects, now.nextSlot,
                    static_cast<size_t>(now.pagefileBytes / 1024), released ? "yes" : "NO");
    }
    const bool flat = notGrowing(perSlide);
    std::printf("GDI objects %s from slide to slide; every replaced picture %s\n",
                flat ? "not growing" : "GROWING", allReleased ? "released" : "NOT released");
    return flat && allReleased && viewingMet ? 0 : 1;
}
