#include "display/calibration_rules.h"

#include "content/lenient_number.h"

#include <algorithm>

int storedCorrection(std::string_view text) {
    return std::clamp<int>(lenientNumber(text), -kMaxAlignmentOffset, kMaxAlignmentOffset);
}

int movedAlignmentOffset(int offset, int step) {
    return std::clamp(offset + step, -kMaxAlignmentOffset, kMaxAlignmentOffset);
}
