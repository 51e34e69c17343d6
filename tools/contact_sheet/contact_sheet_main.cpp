// contact-sheet: a course, a series or one slide at a glance. An HTML page with every
// slide's last screen (drawn by slide-preview with the program's own code) linking to the
// full-size screen and to each group's, its script, its element count in each mode and
// the problems coursecheck finds on it.
#include <unistd.h>

#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#include "common/command_line.h"
#include "common/picture_files.h"
#include "common/stereo_styles.h"
#include "contact_sheet/sheet_page.h"
#include "contact_sheet/sheet_render.h"

namespace {

constexpr const char* kUsage =
    "usage: contact-sheet [options] COURSE|SERIES|SLIDE OUT_DIR\n"
    "  COURSE is a content directory (holding config.dat), SERIES a series directory,\n"
    "  SLIDE a slide directory. Writes OUT_DIR/index.html and the pictures beside it.\n"
    "options:\n"
    "  --mode lecture|tutorial|quiz   (default lecture)\n"
    "  --style over-under|anaglyph|parallel|cross   (default anaglyph)\n"
    "  --parallax N    the vertical correction, -50 to 50 (default 0)\n"
    "  --no-fail       exit with 0 even when slides have problems (the page is all you want)\n"
    "exit code: 0 when no slide has a problem, 1 when some have (or the sheet cannot be\n"
    "made), 2 on bad usage\n"
    "       contact-sheet --help   this text\n";

// slide-preview beside this program, or as the shell finds it.
std::string previewCommand() {
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        const fs::path beside =
            fs::path(std::string(self, static_cast<std::size_t>(length))).parent_path() /
            "slide-preview";
        if (fs::exists(beside)) {
            return beside.string();
        }
    }
    return "slide-preview";
}

int usage(const std::string& problem) {
    return usageError(std::cerr, "contact-sheet", kUsage, problem);
}

} // namespace

int main(int argc, char** argv) {
    if (asksForHelp(std::vector<std::string>(argv + 1, argv + argc))) {
        return printHelp(std::cout, kUsage);
    }
    bool failOnProblems = true;
    SheetRendering how;
    how.style = "anaglyph";
    how.previewCommand = previewCommand();
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const std::string v = i + 1 < argc ? argv[i + 1] : "";
        if (a == "--mode") {
            if (v != "lecture" && v != "tutorial" && v != "quiz") {
                return usage("--mode takes lecture, tutorial or quiz");
            }
            how.mode = v;
            ++i;
        } else if (a == "--style") {
            if (!stereoStyleNamed(v)) {
                return usage(std::string("--style takes ") + kStereoStyleNames);
            }
            how.style = v;
            ++i;
        } else if (a == "--parallax") {
            const auto [end, ec] =
                std::from_chars(v.data(), v.data() + v.size(), how.verticalParallax);
            if (ec != std::errc() || end != v.data() + v.size() || how.verticalParallax < -50 ||
                how.verticalParallax > 50) {
                return usage("--parallax takes a whole number from -50 to 50");
            }
            ++i;
        } else if (a == "--no-fail") {
            failOnProblems = false;
        } else if (looksLikeOption(a)) {
            return usage("unknown option " + a);
        } else {
            paths.push_back(a);
        }
    }
    if (paths.size() != 2) {
        return usage("needs COURSE|SERIES|SLIDE OUT_DIR");
    }
    const int mode = how.mode == "tutorial" ? 1 : how.mode == "quiz" ? 2 : 0;
    std::string error;
    std::optional<SheetPlan> plan = planSheet(paths[0], mode, error);
    if (!plan) {
        std::cerr << "contact-sheet: " << error << "\n";
        return 1;
    }
    const fs::path out = paths[1];
    fs::create_directories(out);
    if (!renderSheet(*plan, out, how, std::cout, error)) {
        std::cerr << "contact-sheet: " << error << "\n";
        return 1;
    }
    const std::string page = sheetPage(*plan, {how.mode, how.style, how.verticalParallax});
    if (!writeFileBytes((out / "index.html").string(),
                        std::vector<std::uint8_t>(page.begin(), page.end()))) {
        std::cerr << "contact-sheet: cannot write " << (out / "index.html").string() << "\n";
        return 1;
    }
    std::size_t slides = 0, troubled = 0;
    for (const SheetSeries& s : plan->series) {
        for (const SheetSlide& slide : s.slides) {
            ++slides;
            troubled += hasProblems(slide) ? 1 : 0;
        }
    }
    std::cout << (out / "index.html").string() << ": " << slides << " slides, " << troubled
              << " with problems\n";
    return troubled > 0 && failOnProblems ? 1 : 0;
}
