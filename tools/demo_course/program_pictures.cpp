#include "demo_course/program_pictures.h"

#include <algorithm>
#include <utility>

namespace {

constexpr Rgb kTitleColour{236, 214, 160};
constexpr Rgb kTextColour{220, 220, 226};
constexpr Rgb kAccent{255, 200, 60};
// The help screens are stored at 8 bits with a fixed palette (a 6 x 6 x 6 colour cube and
// greys): their flat areas and letters use palette colours exactly, so that nothing bands.
constexpr Rgb kHelpBackground{0, 0, 51};
constexpr Rgb kHelpPanel{51, 51, 102};
constexpr Rgb kHelpTitle{255, 204, 153};
constexpr Rgb kHelpText{204, 204, 204};
constexpr Rgb kHelpAccent{255, 204, 51};

void verticalGradient(Picture& p, Rgb top, Rgb bottom) {
    for (int y = 0; y < p.height; ++y) {
        const double t = static_cast<double>(y) / (p.height - 1);
        auto mix = [t](std::uint8_t a, std::uint8_t b) {
            return static_cast<std::uint8_t>(a + (b - a) * t);
        };
        p.fillRect(
            0, y, p.width, 1,
            {mix(top.red, bottom.red), mix(top.green, bottom.green), mix(top.blue, bottom.blue)});
    }
}

} // namespace

Picture introPicture(const Fonts& fonts, const std::string& subtitle, const Picture& backdrop,
                     const std::vector<std::string>& seriesTitles) {
    Picture p(1024, 768);
    verticalGradient(p, {10, 14, 30}, {0, 0, 4});
    // The rendered model, its edges faded into the screen's own background.
    const int left = 1024 - backdrop.width;
    const int top = (768 - backdrop.height) / 2;
    for (int y = 0; y < backdrop.height; ++y) {
        for (int x = 0; x < backdrop.width; ++x) {
            const int edge = std::min({x, y, backdrop.width - 1 - x, backdrop.height - 1 - y});
            p.blend(left + x, top + y, backdrop.at(x, y), std::min(1.0, edge / 80.0));
        }
    }
    fonts.bold.draw(p, "CorpusView", 60, 170, 84, kTitleColour);
    fonts.regular.draw(p, "Stereoscopic Anatomy", 64, 230, 40, kTextColour);
    fonts.regular.draw(p, subtitle, 64, 290, 32, kAccent);
    int y = 380;
    for (const std::string& title : seriesTitles) {
        p.fillRect(70, y - 13, 8, 8, kAccent);
        fonts.regular.draw(p, title, 92, y, 28, kTextColour);
        y += 42;
    }
    p.fillRect(60, 650, 520, 2, kAccent);
    fonts.regular.draw(p, "Put on the glasses, then press a key or click to begin.", 60, 690, 22,
                       kTextColour);
    return p;
}

Picture helpPicture(const Fonts& fonts, bool tutorial) {
    Picture p(1024, 768, kHelpBackground);
    const char* heading = tutorial ? "Help: Tutorial Mode" : "Help: Lecture and Quiz Mode";
    fonts.bold.drawCentred(p, heading, 512, 90, 52, kHelpTitle);
    const std::vector<std::pair<std::string, std::string>> lecture = {
        {"Left click", "show the next part of the slide, then the next slide"},
        {"Double click", "show the rest of the slide at once"},
        {"Right double click", "go back one slide, or start this one again"},
        {"Up and Down keys", "bring the stereo pointer nearer or push it away"},
        {"Right click or a key", "open the slide chooser: pick a slide, or stop"},
    };
    const std::vector<std::pair<std::string, std::string>> automatic = {
        {"The slides", "run by themselves, spoken and timed"},
        {"Left click", "pause the slide; click again to go on"},
        {"Double click", "go on to the next slide"},
        {"A question", "move the pointer onto the answer and click"},
        {"Right click or a key", "open the slide chooser: pick a slide, or stop"},
    };
    int y = 200;
    for (const auto& [key, meaning] : tutorial ? automatic : lecture) {
        p.fillRect(90, y - 34, 844, 52, kHelpPanel);
        fonts.bold.draw(p, key, 110, y, 28, kHelpAccent);
        fonts.regular.draw(p, meaning, 400, y, 24, kHelpText);
        y += 76;
    }
    fonts.regular.drawCentred(p, "Click Continue to return to the slides.", 512, 640, 24,
                              kHelpText);
    return p;
}
