// 8-bit Windows BMP files with a colour table, as the help pictures are stored: a fixed
// palette of 256 colours (a 6 x 6 x 6 colour cube and 40 greys), rows bottom-up.
#pragma once

#include <cstdint>
#include <vector>

#include "common/picture.h"

// `picture` mapped to the nearest palette colours. `declaredColours` is written as the
// header's colour count (0 means all 256).
std::vector<std::uint8_t> encodeBmp8File(const Picture& picture, std::uint32_t declaredColours);
