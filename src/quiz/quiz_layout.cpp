#include "quiz/quiz_layout.h"

#include <algorithm>
#include <limits>

namespace {

int saturate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

QuizPoint point(std::int64_t x, std::int64_t y) {
    return {saturate(x), saturate(y)};
}

} // namespace

QuizLayout quizLayout(const QueryPanel& panel, int lowerImageTop) {
    const std::int64_t left = panel.left;
    const std::int64_t top = panel.top;
    const std::int64_t depth = panel.depth;
    const std::int64_t below = lowerImageTop;
    // Integer division truncates toward zero, as the centre's halves do.
    const std::int64_t cx = (left + panel.right) / 2;
    const std::int64_t cy = (top + panel.bottom) / 2;

    QuizLayout layout{};
    layout.upperPanel = point(left, top);
    layout.lowerPanel = point(left - depth, top + below);
    layout.width = std::int64_t{panel.right} - left + 1;
    layout.height = std::int64_t{panel.bottom} - top + 1;
    layout.centre = point(cx, cy);
    for (int i = 0; i < kQueryPromptCount; ++i) {
        const std::int64_t baseline = top + kPromptBaselines[i];
        layout.upperPrompts[i] = point(cx, baseline);
        layout.lowerPrompts[i] = point(cx - depth, baseline + below);
    }
    layout.upperAnswer = point(cx, cy);
    layout.lowerAnswer = point(cx - depth, cy + below);
    return layout;
}

bool quizPanelSizeUsable(const QuizLayout& layout, int screenWidth, int screenHeight) {
    return layout.width >= 1 && layout.height >= 1 && layout.width <= screenWidth &&
           layout.height <= screenHeight;
}

bool quizTargetHit(const QueryTarget& target, int x, int y) {
    return target.left < x && x < target.right && target.top < y && y < target.bottom;
}

QuizScreenPart quizScreenPart(QuizPoint at, int width, int height, int screenWidth,
                              int screenHeight) {
    const std::int64_t left = std::max<std::int64_t>(at.x, 0);
    const std::int64_t top = std::max<std::int64_t>(at.y, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t{at.x} + width, screenWidth);
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{at.y} + height, screenHeight);
    if (right <= left || bottom <= top) {
        return {{0, 0}, {0, 0}, 0, 0};
    }
    return {{static_cast<int>(left - at.x), static_cast<int>(top - at.y)},
            {static_cast<int>(left), static_cast<int>(top)},
            static_cast<int>(right - left),
            static_cast<int>(bottom - top)};
}
