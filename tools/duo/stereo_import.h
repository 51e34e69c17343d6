// The stereo pictures that duo pack reads besides two separate pictures: an MPO file of a
// stereo camera, a JPS file and any side-by-side picture.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/picture.h"

enum class SideBySide {
    None,     // not a side-by-side picture
    Parallel, // the left half is the left eye's picture
    Cross,    // the left half is the right eye's picture (also the layout of JPS files)
};

struct StereoPair {
    Picture left;
    Picture right;
    std::string how; // where the two pictures came from, for the author
};

// The two halves of a side-by-side picture as the left and right eye's pictures; an odd
// middle column belongs to neither.
StereoPair splitSideBySide(const Picture& picture, SideBySide layout);

// The stereo pair in one file: with `layout` Parallel or Cross the file is any picture split
// in halves; otherwise an MPO file (found by its multi-picture index) or a JPS file (by
// its extension ".jps", side by side for cross viewing). Nothing with `error` set.
std::optional<StereoPair> readStereoFile(const std::string& path, SideBySide layout,
                                         std::string& error);

// The pair that duo pack was given: two separate pictures (left eye first) or one stereo
// file as readStereoFile reads it. Nothing with `error` set.
std::optional<StereoPair> readPackedPair(const std::vector<std::string>& pictures,
                                         SideBySide layout, std::string& error);
