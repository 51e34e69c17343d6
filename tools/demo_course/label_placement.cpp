#include "demo_course/label_placement.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/erase_boxes.h"
#include "content/colour_argument.h"
#include "coursecheck/slide_display.h"
#include "imaging/stereo_composer.h"

namespace {

// Texts stay below the caption's rows, a little inside the views, and a little above the
// contrast that coursecheck asks for.
constexpr int kFirstTextRow = 44;
constexpr int kMargin = 3;
constexpr double kWantedContrast = kLegibleContrast + 0.3;
constexpr int kViewWidth = 1024;
constexpr int kViewHeight = 364;

struct Offset {
    int dx;
    int dy;
    int cost;
};

// The offsets to try, nearest first: further out along the label's side (or either way),
// then up or down.
std::vector<Offset> candidateOffsets(const Label& label) {
    std::vector<Offset> offsets;
    const int side = label.dx > 0 ? 1 : label.dx < 0 ? -1 : 0;
    for (int step = -20; step <= 20; ++step) {
        const bool outward = side == 0 || step * side >= 0;
        for (int rise = -8; rise <= 8; ++rise) {
            const int moveX = step * 20;
            const int moveY = rise * 14;
            offsets.push_back({label.dx + moveX, label.dy + moveY,
                               std::abs(moveX) * (outward ? 1 : 3) + std::abs(moveY) * 2});
        }
    }
    std::stable_sort(offsets.begin(), offsets.end(),
                     [](const Offset& a, const Offset& b) { return a.cost < b.cost; });
    return offsets;
}

bool insideView(const ScreenRect& r) {
    return r.left >= kMargin && r.left + r.width <= kViewWidth - kMargin &&
           r.top >= kFirstTextRow && r.top + r.height <= kViewHeight - kMargin;
}

} // namespace

Rgb scriptColour(const std::string& nameOrHex) {
    const auto named = namedColourIndex(nameOrHex);
    const std::uint32_t c = named ? kNamedColours[*named].colour : hexColour(nameOrHex);
    return {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
            static_cast<std::uint8_t>(c >> 16)};
}

bool LabelPlacement::readsWell(const Label& label, int fontSize, Rgb colour) const {
    const ScreenPoint at = geometry_.landmark(label.landmark);
    const EraseBox box = textBox(at.x + label.dx, at.y + label.dy, at.disparity + 2,
                                 static_cast<std::int32_t>(label.text.size()),
                                 estimatedArialMeasure(fontSize, fontSize * 9 / 10));
    const ScreenRect upper = upperRect(box);
    const ScreenRect lower = lowerRect(box, 0);
    if (!insideView(upper) || !insideView(lower)) {
        return false;
    }
    const auto upperContrast =
        contrastUnder(screen_, colour, upper.left, upper.top, upper.width, upper.height);
    const auto lowerContrast = contrastUnder(screen_, colour, lower.left, lower.top + kLowerViewTop,
                                             lower.width, lower.height);
    return upperContrast && lowerContrast && *upperContrast >= kWantedContrast &&
           *lowerContrast >= kWantedContrast;
}

Label LabelPlacement::place(const Label& label, int fontSize, Rgb colour) const {
    for (const Offset& o : candidateOffsets(label)) {
        Label moved = label;
        moved.dx = o.dx;
        moved.dy = o.dy;
        if (readsWell(moved, fontSize, colour)) {
            return moved;
        }
    }
    return label;
}
