#include "duo/pack_warnings.h"

#include <cmath>
#include <cstdio>

namespace {

std::string sizeText(const Picture& p) {
    return std::to_string(p.width) + " x " + std::to_string(p.height);
}

std::string ratioText(double ratio) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", ratio);
    return buffer;
}

} // namespace

std::vector<std::string> packWarnings(const Picture& left, const Picture& right,
                                      const DuoPlacement& placement) {
    std::vector<std::string> warnings;
    if (left.width != right.width || left.height != right.height) {
        const double leftRatio = static_cast<double>(left.width) / std::max(left.height, 1);
        const double rightRatio = static_cast<double>(right.width) / std::max(right.height, 1);
        if (std::abs(leftRatio - rightRatio) > 0.005 * std::max(leftRatio, rightRatio)) {
            warnings.push_back("the pictures have different aspect ratios (" + sizeText(left) +
                               " is " + ratioText(leftRatio) + ", " + sizeText(right) + " is " +
                               ratioText(rightRatio) +
                               "): each is fitted on its own, so the views will not match");
        } else {
            warnings.push_back("the pictures differ in size (" + sizeText(left) + " and " +
                               sizeText(right) +
                               "): each is scaled on its own; take both from one camera setting");
        }
    }
    if (placement.upperY != placement.lowerY) {
        warnings.push_back("--upper-y " + std::to_string(placement.upperY) +
                           " differs from --lower-y " + std::to_string(placement.lowerY) +
                           ": the views stand at different heights and the eyes cannot fuse them");
    }
    return warnings;
}
