#include "coursecheck/slide_display.h"
#include "ground/screen_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/erase_boxes.h"
#include "content/script_line.h"
#include "imaging/stereo_composer.h"

namespace {

constexpr int kViewWidth = kScreenWidth; // a view is as wide as the screen
constexpr int kTitleBaseline = 20;
constexpr int kCaptionBaseline = 37;
// The title and caption fonts of the program: "Arial" 18 x 15 and 15 x 13.
constexpr FontMeasure kTitleMeasure = estimatedArialMeasure(18, 15);
constexpr FontMeasure kCaptionMeasure = estimatedArialMeasure(15, 13);

bool drawsOnTheScreen(std::int32_t kind, int index) {
    switch (kind) {
    case Text:
    case EText:
    case Title:
    case Caption:
    case Line:
    case ELine:
        return true;
    case Image:
        // The first element is the slide's picture, which Lecture flow waits on.
        return index > 1;
    default:
        return false;
    }
}

// Where playback stops to let the viewer look: Lecture and Quiz flow wait after the first
// element and at each "Mark"; Tutorial flow waits at each "Delay" and for each question.
bool holdsTheScreen(const SlideElement& e, int index, bool tutorial) {
    if (tutorial) {
        return (e.kind == Delay && e.value > 0) || e.kind == Query;
    }
    return index == 1 || e.kind == Mark;
}

void checkLastGroup(const SlideDisplayInput& in,
                    const std::function<void(int, const std::string&)>& report) {
    const bool tutorial = in.flags.tutorialMode != 0;
    const int count = in.reading.elementCount;
    int lastHold = 0;
    for (int i = 1; i <= count; ++i) {
        if (holdsTheScreen(in.elements[i], i, tutorial)) {
            lastHold = i;
        }
    }
    for (int i = lastHold + 1; i <= count; ++i) {
        if (drawsOnTheScreen(in.elements[i].kind, i)) {
            report(in.reading.elementLines[static_cast<std::size_t>(i - 1)],
                   std::string(in.modeName) +
                       (tutorial ? " draws this after the slide's last \"Delay\""
                                 : " draws this after the slide's last \"Mark\"") +
                       ": the slide's end goes on to the next slide at once, so it is never "
                       "seen");
            return;
        }
    }
}

const char* edgeCrossed(const ScreenRect& r) {
    if (r.left < 0) {
        return "left";
    }
    if (r.left + r.width > kViewWidth) {
        return "right";
    }
    if (r.top < 0) {
        return "top";
    }
    if (r.top + r.height > kViewHeight) {
        return "bottom";
    }
    return nullptr;
}

struct DrawnText {
    std::string text;
    ScreenRect upper; // in the upper view
    ScreenRect lower; // in the lower view's own coordinates
    std::int32_t disparity;
};

DrawnText drawnText(const SlideElement& e, const FontMeasure& measure) {
    const std::string text(textFieldView(e.text));
    const auto length = static_cast<std::int32_t>(text.size());
    EraseBox box{};
    if (e.kind == Title) {
        box = headingBox(kTitleBaseline, length, kTitleMeasure);
    } else if (e.kind == Caption) {
        box = headingBox(kCaptionBaseline, length, kCaptionMeasure);
    } else {
        box = textBox(e.x, e.y, e.value, length, measure);
    }
    return {text, upperRect(box), lowerRect(box, 0), box.disparity};
}

std::string contrastText(double contrast) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f:1", std::floor(contrast * 10) / 10);
    return buffer;
}

void checkText(const SlideElement& e, int line, const FontMeasure& measure, std::uint32_t colour,
               const Picture* screen, const PictureDepth* depth,
               const std::function<void(int, const std::string&)>& report) {
    const DrawnText drawn = drawnText(e, measure);
    if (drawn.text.empty()) {
        return;
    }
    checkTextDepth(depth, drawn.text, drawn.upper, drawn.lower, drawn.disparity,
                   [&](const std::string& text) { report(line, text); });
    const char* upperEdge = edgeCrossed(drawn.upper);
    const char* lowerEdge = edgeCrossed(drawn.lower);
    if (upperEdge != nullptr || lowerEdge != nullptr) {
        const bool upper = upperEdge != nullptr;
        report(line, "\"" + drawn.text + "\" reaches past the " + (upper ? upperEdge : lowerEdge) +
                         " edge of the " + (upper ? "upper" : "lower") +
                         " view: part of it is not shown");
    }
    if (screen == nullptr) {
        return;
    }
    const Rgb ink{static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8),
                  static_cast<std::uint8_t>(colour >> 16)};
    const ScreenRect& u = drawn.upper;
    const ScreenRect& l = drawn.lower;
    const auto upper = contrastUnder(*screen, ink, u.left, u.top, u.width,
                                     std::min(u.height, kViewHeight - u.top));
    const auto lower = contrastUnder(*screen, ink, l.left, l.top + kLowerViewTop, l.width,
                                     std::min(l.height, kViewHeight - l.top));
    const bool upperHard = upper && *upper < kLegibleContrast;
    const bool lowerHard = lower && *lower < kLegibleContrast;
    if (!upperHard && !lowerHard) {
        return;
    }
    const char* view = upperHard && lowerHard ? "both views"
                       : upperHard            ? "the upper view"
                                              : "the lower view";
    const double worst = upperHard && lowerHard ? std::min(*upper, *lower)
                         : upperHard            ? *upper
                                                : *lower;
    report(line, "\"" + drawn.text + "\" is hard to read in " + view + ": contrast " +
                     contrastText(worst) + " with the picture under its box (" +
                     contrastText(kLegibleContrast) + " or more reads well)");
}

void checkLineEnds(const SlideElement& e, int line,
                   const std::function<void(int, const std::string&)>& report) {
    // The upper ends are checked with the script's points; here the lower view's copy.
    for (const auto& [x, disparity] : {std::pair{e.x, e.value}, std::pair{e.x2, e.value2}}) {
        const std::int64_t lowerX = std::int64_t{x} - disparity;
        if (x >= 0 && x < kViewWidth && (lowerX < 0 || lowerX >= kViewWidth)) {
            report(line, "the line's end at x " + std::to_string(x) + " with disparity " +
                             std::to_string(disparity) + " lies outside the lower view");
            return;
        }
    }
}

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Rgb c) {
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

} // namespace

double contrastRatio(Rgb a, Rgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::optional<double> contrastUnder(const Picture& picture, Rgb text, int left, int top, int width,
                                    int height) {
    std::vector<double> contrasts;
    for (int y = std::max(top, 0); y < std::min(top + height, picture.height); ++y) {
        for (int x = std::max(left, 0); x < std::min(left + width, picture.width); ++x) {
            contrasts.push_back(contrastRatio(text, picture.at(x, y)));
        }
    }
    if (contrasts.empty()) {
        return std::nullopt;
    }
    const auto fifth = contrasts.begin() + static_cast<std::ptrdiff_t>(contrasts.size() / 5);
    std::nth_element(contrasts.begin(), fifth, contrasts.end());
    return *fifth;
}

void checkSlideDisplay(const SlideDisplayInput& in, CarriedLook& look,
                       const std::function<void(int line, const std::string& text)>& report) {
    checkLastGroup(in, report);
    const Picture* screen = nullptr;
    const PictureDepth* depth = nullptr;
    for (int i = 1; i <= in.reading.elementCount; ++i) {
        const SlideElement& e = in.elements[i];
        const int line = in.reading.elementLines[static_cast<std::size_t>(i - 1)];
        switch (e.kind) {
        case Image:
            screen = in.screenOf(std::string(textFieldView(e.text)));
            depth = in.depthOf ? in.depthOf(std::string(textFieldView(e.text))) : nullptr;
            if (depth != nullptr) {
                checkPictureWindow(*depth, [&](const std::string& text) { report(line, text); });
            }
            break;
        case Color:
            if (e.value >= 0 && e.value < kColourCount) {
                look.colour = in.colours[e.value];
            }
            break;
        case Fontsize:
            if (e.value > 0) {
                look.textSize = e.value;
            }
            break;
        case Text:
        case EText:
        case Title:
        case Caption:
            checkText(e, line, estimatedArialMeasure(look.textSize, look.textSize * 9 / 10),
                      look.colour, screen, depth, report);
            break;
        case Line:
        case ELine:
            checkLineEnds(e, line, report);
            checkLineDepth(depth, e.x, e.y, e.value, e.x2, e.y2, e.value2,
                           [&](const std::string& text) { report(line, text); });
            break;
        default:
            break;
        }
    }
}
