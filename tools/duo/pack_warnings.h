// What `duo pack` warns about before it packs: two pictures that will not make views that
// match, and view offsets that set the two views at different heights.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/picture.h"
#include "imaging/duo_format.h"

// Each warning as one sentence; none when the pair is sound. `upper` and `lower` are the
// pictures that become the upper and lower views.
std::vector<std::string> packWarnings(const Picture& upper, const Picture& lower,
                                      const DuoPlacement& placement);

// The views' vertical offsets differ and the views, so placed, match no better than at
// equal heights: the offsets make the views disagree. None where they differ to correct a
// pair whose second picture stands higher or lower (the views match better for it).
std::optional<std::string> verticalOffsetWarning(const Picture& upperView, const Picture& lowerView,
                                                 const DuoPlacement& placement);
