#include "imaging/stereo_viewing.h"

#include "imaging/anaglyph_mix.h"

#include <algorithm>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kViewRows = 364;
constexpr int kHalfHeight = kHeight / 2;
constexpr int kHalfWidth = kWidth / 2;

// View row of output row `row` in a region `height` rows high.
constexpr int viewRowOf(int row, int height) {
    return row * kViewRows / height;
}

int screenRow(int top, int viewRow) {
    const int row = top + viewRow;
    return row >= 0 && row < kHeight ? row : -1;
}

} // namespace

OutputRowSources ViewingConversion::sourcesOf(int outputRow) const {
    const int leftTop = swapEyes ? lowerImageTop : 0;
    const int rightTop = swapEyes ? 0 : lowerImageTop;
    switch (method) {
    case ViewingMethod::Adapter:
        return {outputRow, -1};
    case ViewingMethod::Mono:
        return {screenRow(leftTop, viewRowOf(outputRow, kHeight)), -1};
    case ViewingMethod::TopBottom:
        if (outputRow < kHalfHeight) {
            return {screenRow(leftTop, viewRowOf(outputRow, kHalfHeight)), -1};
        }
        return {-1, screenRow(rightTop, viewRowOf(outputRow - kHalfHeight, kHalfHeight))};
    case ViewingMethod::Anaglyph:
    case ViewingMethod::SideBySide:
        break;
    }
    const int viewRow = viewRowOf(outputRow, kHeight);
    return {screenRow(leftTop, viewRow), screenRow(rightTop, viewRow)};
}

void convertStereoRows(const ViewingConversion& conversion,
                       std::span<const std::uint32_t, kStereoScreenPixels> screen,
                       std::span<std::uint32_t, kStereoScreenPixels> output, int first, int end) {
    first = std::clamp(first, 0, kHeight);
    end = std::clamp(end, first, kHeight);
    static constexpr std::uint32_t kBlackRow[kWidth] = {};
    const auto rowOf = [&](int row) { return row < 0 ? kBlackRow : screen.data() + row * kWidth; };
    OutputRowSources previous = {-2, -2};
    for (int r = first; r < end; ++r) {
        std::uint32_t* out = output.data() + r * kWidth;
        const OutputRowSources sources = conversion.sourcesOf(r);
        // Output rows showing the same view rows are the same: the row above is copied.
        if (r > first && sources.left == previous.left && sources.right == previous.right) {
            std::copy_n(out - kWidth, kWidth, out);
            continue;
        }
        previous = sources;
        const std::uint32_t* left = rowOf(sources.left);
        const std::uint32_t* right = rowOf(sources.right);
        switch (conversion.method) {
        case ViewingMethod::Anaglyph:
            anaglyphMixRow(left, right, out, kWidth);
            break;
        case ViewingMethod::SideBySide:
            for (int c = 0; c < kHalfWidth; ++c) {
                out[c] = left[2 * c];
                out[kHalfWidth + c] = right[2 * c];
            }
            break;
        case ViewingMethod::TopBottom:
            std::copy_n(r < kHalfHeight ? left : right, kWidth, out);
            break;
        case ViewingMethod::Adapter:
        case ViewingMethod::Mono:
            std::copy_n(left, kWidth, out);
            break;
        }
    }
}

OutputRows outputRowsShowing(const ViewingConversion& conversion, int top, int bottom) {
    OutputRows rows = {0, 0};
    bool any = false;
    const auto inside = [&](int row) { return row >= top && row < bottom; };
    for (int r = 0; r < kHeight; ++r) {
        const OutputRowSources sources = conversion.sourcesOf(r);
        if (inside(sources.left) || inside(sources.right)) {
            if (!any) {
                rows.first = r;
                any = true;
            }
            rows.end = r + 1;
        }
    }
    return rows;
}
