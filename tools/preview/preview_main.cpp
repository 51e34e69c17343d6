// slide-preview: the screens of slides exactly as the program shows them, drawn by the
// program's own playback onto a screen in memory, in the style an author can look at.
#include <iostream>
#include <windows.h>

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "common/author_paths.h"
#include "common/command_line.h"
#include "common/picture_files.h"
#include "common/screen_depth.h"
#include "common/stereo_styles.h"
#include "preview/preview_player.h"

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  slide-preview [options] SLIDE_DIR OUT.png     one slide's screen when it ends\n"
    "  slide-preview [options] --series SERIES_DIR OUT_DIR   every slide: OUT_DIR/SlideN.png\n"
    "options:\n"
    "  --mode lecture|tutorial|quiz   the flow and the script lines used (default lecture)\n"
    "  --parallax N         the calibration's vertical correction, -50 to 50 (default 0)\n"
    "  --style S            over-under (the screen, default), anaglyph (red-cyan glasses),\n"
    "                       parallel or cross (the two views side by side)\n"
    "  --groups             also the screen at each wait: OUT-stepK.png (each click in\n"
    "                       Lecture and Quiz flow, each Delay in Tutorial flow, each\n"
    "                       question's panel)\n"
    "  --depth-map          also the disparity of the final screen, texts and lines with the\n"
    "                       picture: OUT-depth.png (red nearest, blue farthest; as duo depth\n"
    "                       --map)\n"
    "The slides of the series before it are played first, as the program plays them, so\n"
    "that colours and text sizes set earlier are in force. Exit status 1 when a slide\n"
    "cannot be shown whole (no script, a script cut short, a picture that is no DUO file,\n"
    "a question without its query file).\n";

struct Options {
    PreviewSettings settings;
    StereoStyle style = StereoStyle::OverUnder;
    bool series = false;
    bool depthMap = false;
    std::vector<std::string> paths;
};

std::optional<Options> parseOptions(int argc, char** argv, std::string& problem) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const std::string v = i + 1 < argc ? argv[i + 1] : "";
        if (a == "--groups") {
            o.settings.keepStops = true;
        } else if (a == "--depth-map") {
            o.depthMap = true;
        } else if (a == "--series") {
            o.series = true;
        } else if (a == "--mode") {
            o.settings.mode = v == "tutorial" ? ChosenMode::Tutorial
                              : v == "quiz"   ? ChosenMode::Quiz
                                              : ChosenMode::Lecture;
            if (v != "tutorial" && v != "quiz" && v != "lecture") {
                problem = "--mode takes lecture, tutorial or quiz";
                return std::nullopt;
            }
            ++i;
        } else if (a == "--parallax") {
            int n = 0;
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
            if (ec != std::errc() || end != v.data() + v.size() || n < -50 || n > 50) {
                problem = "--parallax takes a whole number from -50 to 50";
                return std::nullopt;
            }
            o.settings.verticalParallax = n;
            ++i;
        } else if (a == "--style") {
            const auto style = stereoStyleNamed(v);
            if (!style) {
                problem = std::string("--style takes ") + kStereoStyleNames;
                return std::nullopt;
            }
            o.style = *style;
            ++i;
        } else if (looksLikeOption(a)) {
            problem = "unknown option " + a;
            return std::nullopt;
        } else {
            o.paths.push_back(a);
        }
    }
    if (o.paths.size() != 2) {
        problem = o.series ? "--series needs SERIES_DIR OUT_DIR" : "needs SLIDE_DIR OUT.png";
        return std::nullopt;
    }
    return o;
}

// The full path with backslashes and without a trailing one.
std::string fullPath(const std::string& path) {
    char buffer[MAX_PATH * 4];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    std::string full = length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
    while (full.size() > 3 && full.back() == '\\') {
        full.pop_back();
    }
    return full;
}

bool isDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int slidesIn(const std::string& seriesDirectory) {
    int count = 0;
    while (isDirectory(seriesDirectory + "\\Slide" + std::to_string(count + 1))) {
        ++count;
    }
    return count;
}

// "OUT.png" for the final screen, "OUT-stepK.png" for stop K.
std::string outputName(const std::string& base, int stop) {
    if (stop == 0) {
        return base;
    }
    const std::size_t dot = base.find_last_of('.');
    const std::string stem = dot == std::string::npos ? base : base.substr(0, dot);
    const std::string ext = dot == std::string::npos ? ".png" : base.substr(dot);
    return stem + "-step" + std::to_string(stop) + ext;
}

bool writeScreens(const SlideScreens& shown, const std::string& base, const Options& o) {
    const int top = 404 + o.settings.verticalParallax;
    std::string error;
    bool written = writePictureFile(base, styledScreen(shown.final, top, o.style), error);
    for (std::size_t k = 0; written && k < shown.stops.size(); ++k) {
        written = writePictureFile(outputName(base, static_cast<int>(k) + 1),
                                   styledScreen(shown.stops[k], top, o.style), error);
    }
    if (written && o.depthMap) {
        const std::size_t dot = base.find_last_of('.');
        const std::string name =
            (dot == std::string::npos ? base : base.substr(0, dot)) + "-depth.png";
        const DisparityMap map = measureDisparityMap(*measureScreenViews(shown.final, top));
        written = writePictureFile(name, disparityPicture(map, 1024, 364), error);
    }
    if (!written) {
        std::fprintf(stderr, "slide-preview: %s\n", error.c_str());
    }
    return written;
}

} // namespace

int main(int argc, char** argv) {
    if (asksForHelp(std::vector<std::string>(argv + 1, argv + argc))) {
        return printHelp(std::cout, kUsage);
    }
    std::string problem;
    const std::optional<Options> o = parseOptions(argc, argv, problem);
    if (!o) {
        std::fprintf(stderr, "slide-preview: %s\n%s", problem.c_str(), kUsage);
        return 2;
    }
    std::string series = fullPath(o->paths[0]);
    // Messages name files from the path the author typed, not Windows' full form of it.
    std::string typedSeries = o->paths[0];
    int first = 1;
    int last = 0;
    if (o->series) {
        last = slidesIn(series);
    } else {
        const std::size_t cut = series.find_last_of('\\');
        const std::string slide = cut == std::string::npos ? "" : series.substr(cut + 1);
        if (slide.rfind("Slide", 0) != 0 || !isDirectory(series)) {
            std::fprintf(stderr,
                         "slide-preview: %s is not a slide directory (...\\SERIES\\SlideN)\n",
                         o->paths[0].c_str());
            return 1;
        }
        first = last = std::atoi(slide.c_str() + 5);
        series = series.substr(0, cut);
        const std::size_t typedCut = typedSeries.find_last_of("/\\");
        typedSeries = typedCut == std::string::npos ? "." : typedSeries.substr(0, typedCut);
    }
    if (last < 1) {
        std::fprintf(stderr, "slide-preview: no slides in %s\n", o->paths[0].c_str());
        return 1;
    }
    std::vector<SlideScreens> screens;
    if (!playSeries(series, first, last, o->settings, screens, problem)) {
        std::fprintf(stderr, "slide-preview: %s\n",
                     inAuthorsTerms(problem, series, typedSeries).c_str());
        return 1;
    }
    int status = 0;
    for (const SlideScreens& shown : screens) {
        const std::string base =
            o->series ? o->paths[1] + "/Slide" + std::to_string(shown.slide) + ".png" : o->paths[1];
        if (!writeScreens(shown, base, *o)) {
            return 1;
        }
        for (const std::string& note : shown.notes) {
            std::fprintf(stderr, "slide-preview: Slide%d: %s\n", shown.slide,
                         inAuthorsTerms(note, series, typedSeries).c_str());
        }
        for (const std::string& p : shown.problems) {
            std::fprintf(stderr, "slide-preview: Slide%d cannot be shown whole: %s\n", shown.slide,
                         inAuthorsTerms(p, series, typedSeries).c_str());
            status = 1;
        }
        std::printf("Slide%d: %d elements, %zu waits, %s\n", shown.slide, shown.elementCount,
                    shown.stops.size(), base.c_str());
        std::fflush(stdout);
    }
    return status;
}
