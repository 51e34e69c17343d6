// Builds DUO stereo picture files from two views with the program's own DUO writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/picture.h"
#include "imaging/duo_format.h"

constexpr int kDuoViewWidth = 1024;
constexpr int kDuoViewHeight = 364;
// Each view is shown at double height through the 3D adapter.
constexpr double kDuoViewPixelAspect = 2.0;

// The file holding `upper` as the upper view and `lower` as the lower one, both stored at
// `bits` (16, 24 or 32) per pixel. Views must already be 1024 x 364.
std::vector<std::uint8_t> packDuo(const Picture& upper, const Picture& lower, int bits,
                                  const DuoPlacement& placement);

// A picture made ready to be a view: pictures of exactly 1024 x 364 are kept pixel for
// pixel; others are scaled to fit with their proportions as the viewer sees them through
// the adapter (which doubles each view's height), centred on black. `how` says what
// was done.
Picture viewFromPicture(const Picture& picture, std::string& how);

// Lessens the banding of 16-bit views: an ordered dither before the low three bits of each
// channel are dropped.
Picture ditheredFor16Bits(const Picture& picture);
