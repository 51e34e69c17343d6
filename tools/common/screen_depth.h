// The depth of a composed stereo screen (the 1024 x 768 screen the program shows for a DUO
// file): its upper view measured against its lower view, in the script's coordinates and
// disparities, and the map of it as a picture an author can look at.
#pragma once

#include <memory>
#include <string>

#include "common/disparity_map.h"
#include "common/picture.h"
#include "imaging/stereo_composer.h"

// The two views of `screen` (the lower view's top at `lowerViewTop`: the vertical parallax
// added to kLowerViewTop), ready to be measured.
std::unique_ptr<DisparityMeasure> measureScreenViews(const Picture& screen,
                                                     int lowerViewTop = kLowerViewTop);

// The map as a picture of the view's size: each measured place coloured from blue (the
// farthest disparity of the map, leaving out the farthest and nearest fiftieth of its
// places) through green to red (the nearest), the screen's depth
// (disparity 0) marked white where the map spans it; places too flat to measure dark grey,
// places that could not be matched black, places whose match lies at the search's limit
// magenta.
Picture disparityPicture(const DisparityMap& map, int width, int height);

// "from F (farthest) to N (nearest) over M of T places" for the map's measured places
// (F and N as the colours span them).
std::string disparityRangeText(const DisparityMap& map);
