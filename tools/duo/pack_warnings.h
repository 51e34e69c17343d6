// What `duo pack` warns about before it packs: two pictures that will not make views that
// match, and view offsets that set the two views at different heights.
#pragma once

#include <string>
#include <vector>

#include "common/picture.h"
#include "imaging/duo_format.h"

// Each warning as one sentence; none when the pair is sound.
std::vector<std::string> packWarnings(const Picture& left, const Picture& right,
                                      const DuoPlacement& placement);
