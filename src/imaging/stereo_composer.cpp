#include "imaging/stereo_composer.h"

#include <algorithm>

#include "imaging/dib_pixels.h"

namespace {

std::int32_t wrap32(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// The half-open span [first, first + extent), or for a negative extent the span just
// before `first`: [first + extent, first).
struct Span {
    std::int64_t begin;
    std::int64_t end;
};

Span spanOf(std::int64_t first, std::int64_t extent) {
    return extent < 0 ? Span{first + extent, first} : Span{first, first + extent};
}

Span clip(Span s, std::int64_t limit) {
    return {std::max<std::int64_t>(s.begin, 0), std::min<std::int64_t>(s.end, limit)};
}

} // namespace

StereoSteps stereoSteps(const DuoPlacement& p, int lowerImageTop) {
    const std::int64_t top = lowerImageTop;
    StereoSteps steps{};
    if (p.lowerY < -kBandRows) {
        steps.lower = {p.lowerX, lowerImageTop, wrap32(-std::int64_t{p.lowerY}),
                       wrap32(kViewRows + std::int64_t{p.lowerY})};
    } else {
        steps.lower = {p.lowerX, wrap32(top + p.lowerY), 0, kViewRows};
    }
    if (p.upperY > kBandRows) {
        steps.upper = {p.upperX, p.upperY, 0, wrap32(kViewRows - std::int64_t{p.upperY})};
    } else {
        steps.upper = {p.upperX, p.upperY, 0, kViewRows};
    }
    steps.blackOuts = {{
        {0, 0, kCompositeWidth, p.topBand},
        {0, lowerImageTop, kCompositeWidth, p.topBand},
        {0, wrap32(kViewRows - std::int64_t{p.bottomBand}), kCompositeWidth, p.bottomBand},
        {0, wrap32(top + kViewRows - p.bottomBand), kCompositeWidth,
         wrap32(std::int64_t{p.bottomBand} + kLowerViewTop - top)},
        {0, 0, p.leftBand, kCompositeHeight},
        {wrap32(kCompositeWidth - std::int64_t{p.rightBand}), 0, p.rightBand, kCompositeHeight},
        {0, kViewRows, kCompositeWidth, wrap32(top - kViewRows)},
    }};
    return steps;
}

void copyViewRows(PixelImage& screen, const DuoView& view, const ViewCopy& copy) {
    if (copy.rows <= 0) {
        return;
    }
    // The source rectangle that exists in the view, moved to the screen, then clipped.
    const Span sourceColumns = clip({0, kCompositeWidth}, view.layout.width);
    const Span sourceRows = clip(spanOf(copy.sourceY, copy.rows), view.layout.height);
    const std::int64_t shiftX = copy.destX;
    const std::int64_t shiftY = std::int64_t{copy.destY} - copy.sourceY;
    const Span columns =
        clip({sourceColumns.begin + shiftX, sourceColumns.end + shiftX}, screen.width);
    const Span rows = clip({sourceRows.begin + shiftY, sourceRows.end + shiftY}, screen.height);
    if (columns.begin >= columns.end || rows.begin >= rows.end) {
        return;
    }
    const int bytesPerPixel = view.layout.bitCount / 8;
    const int count = static_cast<int>(columns.end - columns.begin);
    const std::int64_t firstSourceColumn = columns.begin - shiftX;
    for (std::int64_t y = rows.begin; y < rows.end; ++y) {
        const std::uint8_t* source =
            view.row(static_cast<int>(y - shiftY)) + firstSourceColumn * bytesPerPixel;
        convertStoredPixels(source, view.layout.bitCount, count,
                            &screen.at(static_cast<int>(columns.begin), static_cast<int>(y)));
    }
}

void blackOut(PixelImage& screen, const BlackOut& r) {
    const Span columns = clip(spanOf(r.x, r.width), screen.width);
    const Span rows = clip(spanOf(r.y, r.height), screen.height);
    if (columns.begin >= columns.end) {
        return;
    }
    for (std::int64_t y = rows.begin; y < rows.end; ++y) {
        std::fill_n(&screen.at(static_cast<int>(columns.begin), static_cast<int>(y)),
                    columns.end - columns.begin, 0u);
    }
}

PixelImage composeStereoImage(const DuoFile& file, int lowerImageTop) {
    PixelImage screen;
    composeStereoImage(file, lowerImageTop, screen);
    return screen;
}

void composeStereoImage(const DuoFile& file, int lowerImageTop, PixelImage& screen) {
    screen.width = kCompositeWidth;
    screen.height = kCompositeHeight;
    screen.pixels.assign(static_cast<std::size_t>(kCompositeWidth) * kCompositeHeight, 0u);
    const StereoSteps steps = stereoSteps(file.placement, lowerImageTop);
    copyViewRows(screen, file.lower, steps.lower);
    copyViewRows(screen, file.upper, steps.upper);
    for (const BlackOut& rectangle : steps.blackOuts) {
        blackOut(screen, rectangle);
    }
}
