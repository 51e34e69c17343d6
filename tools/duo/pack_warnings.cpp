#include "duo/pack_warnings.h"

#include <cmath>
#include <cstdio>

#include "common/disparity_map.h"
#include "common/duo_packing.h"

namespace {

std::string sizeText(const Picture& p) {
    return std::to_string(p.width) + " x " + std::to_string(p.height);
}

std::string ratioText(double ratio) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", ratio);
    return buffer;
}

// The share of the upper view's textured places that find their match in the lower view
// when the lower view's rows stand `shift` rows lower on the screen.
double matchedShare(const Picture& upper, const Picture& lower, int shift) {
    const int rows = std::min(upper.height, lower.height) - std::abs(shift);
    if (rows < 32) {
        return 0;
    }
    // Screen row r shows upper row r and lower row r - shift.
    const DisparityMeasure measure(greyRegion(upper, 0, std::max(0, shift), upper.width, rows),
                                   greyRegion(lower, 0, std::max(0, -shift), lower.width, rows));
    const DisparityMap map = measureDisparityMap(measure);
    int textured = 0;
    int matched = 0;
    for (const DepthSample& s : map.samples) {
        textured += s.status == DepthStatus::Measured || s.status == DepthStatus::Unmatched;
        matched += s.status == DepthStatus::Measured;
    }
    return textured == 0 ? 0 : static_cast<double>(matched) / textured;
}

} // namespace

std::vector<std::string> packWarnings(const Picture& upper, const Picture& lower,
                                      const DuoPlacement& placement) {
    std::vector<std::string> warnings;
    if (upper.width != lower.width || upper.height != lower.height) {
        const double upperRatio = static_cast<double>(upper.width) / std::max(upper.height, 1);
        const double lowerRatio = static_cast<double>(lower.width) / std::max(lower.height, 1);
        if (std::abs(upperRatio - lowerRatio) > 0.005 * std::max(upperRatio, lowerRatio)) {
            warnings.push_back("the pictures have different aspect ratios (" + sizeText(upper) +
                               " is " + ratioText(upperRatio) + ", " + sizeText(lower) + " is " +
                               ratioText(lowerRatio) +
                               "): each is fitted on its own, so the views will not match");
        } else {
            warnings.push_back("the pictures differ in size (" + sizeText(upper) + " and " +
                               sizeText(lower) +
                               "): each is scaled on its own; take both from one camera setting");
        }
    }
    std::string how;
    if (placement.upperY == placement.lowerY) {
        return warnings;
    }
    if (auto offsets = verticalOffsetWarning(viewFromPicture(upper, how),
                                             viewFromPicture(lower, how), placement)) {
        warnings.push_back(*offsets);
    }
    return warnings;
}

std::optional<std::string> verticalOffsetWarning(const Picture& upperView, const Picture& lowerView,
                                                 const DuoPlacement& placement) {
    if (placement.upperY == placement.lowerY) {
        return std::nullopt;
    }
    const int placed = placement.lowerY - placement.upperY;
    // Clearly better: a tenth more of the textured places match.
    if (matchedShare(upperView, lowerView, placed) > matchedShare(upperView, lowerView, 0) + 0.1) {
        return std::nullopt;
    }
    return "--upper-y " + std::to_string(placement.upperY) + " differs from --lower-y " +
           std::to_string(placement.lowerY) +
           ": the views stand at different heights, where they match no better than level, and the "
           "eyes cannot fuse them";
}
