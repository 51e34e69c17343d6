// Ways to look at the stereo screen without the 3D adapter: the over/under screen as the
// program shows it, a red-cyan anaglyph for coloured glasses, and the two views side by
// side for parallel or cross free viewing.
#pragma once

#include <optional>
#include <string>

#include "common/picture.h"

enum class StereoStyle { OverUnder, Anaglyph, Parallel, Cross };

constexpr const char* kStereoStyleNames = "over-under|anaglyph|parallel|cross";

std::optional<StereoStyle> stereoStyleNamed(const std::string& name);
const char* stereoStyleName(StereoStyle style);

// The 1024 x 768 stereo `screen` in `style`. The upper view (rows 0 to 363) goes to the left
// eye and the lower view (364 rows from `lowerImageTop`; rows below the screen are black)
// to the right eye. The adapter shows each view at double height, so the anaglyph
// (1024 x 728) and the side-by-side pair (2048 x 728) repeat each row to keep the
// proportions a viewer sees; the over/under style is the screen unchanged.
//
// The anaglyph mixes colours as the program's anaglyph viewing does (imaging/anaglyph_mix.h).
Picture styledScreen(const Picture& screen, int lowerImageTop, StereoStyle style);
