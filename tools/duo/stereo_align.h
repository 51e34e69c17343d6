// duo pack --align: the vertical misalignment between the two eyes' pictures and the
// range of depths in the scene, measured on the pictures themselves, and the correction
// that puts both views on the same rows and the nearest part of the scene at the screen.
#pragma once

#include <string>

#include "common/picture.h"

// Disparities are in pixels of the pictures, left-eye column minus right-eye column of one
// point of the scene: positive is in front of the screen, negative behind it.
struct StereoAlignment {
    int verticalShift = 0;     // rows the right picture's content sits below the left's
    int nearestDisparity = 0;  // of the nearest part of the scene
    int farthestDisparity = 0; // of the farthest part
    int blocksMatched = 0;     // textured blocks whose disparity was found
    int blocksAtLimit = 0;     // blocks whose best match lies at the picture's edge
};

// Measures both pictures (of equal size) of a pair.
StereoAlignment measureAlignment(const Picture& left, const Picture& right);

// Moves the right picture up by `verticalShift` rows and right by `horizontalShift`
// columns, and blacks out in both pictures the margins that the move leaves without
// content, so that the frame of the two views (the stereo window) lies at the screen.
void applyAlignment(Picture& left, Picture& right, int verticalShift, int horizontalShift);

// What was measured and done, one line each, for the author.
std::string alignmentReport(const StereoAlignment& measured, int horizontalShift);

// Measures the pair, corrects it as above and appends the report to `report`; false with
// `error` set when the two pictures differ in size.
bool alignPair(Picture& left, Picture& right, std::string& report, std::string& error);
