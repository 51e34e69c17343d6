// The software adapter's cost, measured side by side in one run under Wine with a screen:
// for each viewing method, converting the whole 1024 x 768 frame and putting it on the main
// window, against putting the same frame on the window unconverted (the blit alone, the
// floor). The target: at most twice the blit.
//
// Run by hand: wine bench_viewing.exe
#include <windows.h>

#include "bench_program.h"
#include "bench_timing.h"

#include <cstdio>
#include <vector>

#include "display/software_adapter.h"
#include "display/stereo_switch.h"
#include "imaging/bitmap_primitives.h"

namespace {

constexpr int kRuns = 40;

// A picture over the whole frame that changes from pixel to pixel, so that no conversion
// gets an easy row.
void drawBusyPicture(HDC dc) {
    for (int y = 0; y < 768; y += 8) {
        for (int x = 0; x < 1024; x += 8) {
            const RECT cell = {x, y, x + 8, y + 8};
            const HBRUSH brush = CreateSolidBrush(RGB((x * 7) & 255, (y * 5) & 255, (x ^ y) & 255));
            FillRect(dc, &cell, brush);
            DeleteObject(brush);
        }
    }
}

// A pixel at the top and one at the bottom: the frame counts as drawn over every row.
void touchEveryRow() {
    SetPixel(screenDC, 0, 0, GetPixel(screenDC, 0, 0));
    SetPixel(screenDC, 0, 767, GetPixel(screenDC, 0, 767));
}

double blitAlone(HWND window) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        touchEveryRow();
        const double t0 = nowMs();
        const HDC dc = GetDC(window);
        BitBlt(dc, 0, 0, 1024, 768, screenDC, 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
        settleOnScreen();
        times.push_back(nowMs() - t0);
    }
    return median(times);
}

double presentWhole() {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        touchEveryRow();
        const double t0 = nowMs();
        presentStereoFrame();
        settleOnScreen();
        times.push_back(nowMs() - t0);
    }
    return median(times);
}

} // namespace

int main() {
    HWND window = makeWindow();
    ShowWindow(window, SW_SHOW);
    SetWindowPos(window, HWND_TOP, 0, 0, 1024, 768, SWP_SHOWWINDOW);
    pump();
    setViewingWindow(window);
    const ViewingMethod methods[] = {ViewingMethod::Anaglyph, ViewingMethod::TopBottom,
                                     ViewingMethod::SideBySide, ViewingMethod::Mono};
    std::printf("method          frame to window   blit alone   ratio (target <= 2)\n");
    bool met = true;
    for (const ViewingMethod method : methods) {
        viewingChoice = {method, false};
        StereoSwitch(StereoOn); // screenDC is the frame now
        drawBusyPicture(screenDC);
        presentStereoFrame();
        const double blit = blitAlone(window);
        const double present = presentWhole();
        StereoSwitch(StereoOff);
        const double ratio = present / blit;
        met = met && ratio <= 2.0;
        std::printf("%-14s  %12.2f ms  %8.2f ms   %.2f\n", viewingMethodName(method), present, blit,
                    ratio);
    }
    releaseStereoFrame();
    return met ? 0 : 1;
}
