// The depth conflicts and stereo window findings of a slide, marked on its thumbnail: a
// ring around each element seen behind its surface or cut by an edge, a bar along an edge
// that cuts the picture.
#pragma once

#include <string>
#include <vector>

#include "common/picture.h"
#include "coursecheck/problem_list.h"

struct DepthMark {
    int x = 0; // in the upper view's pixels
    int y = 0;
    bool edge = false; // a bar along the view's edge at column x
};

// The marks of coursecheck's depth and window findings among `problems`; the position of
// a text comes from its script line.
std::vector<DepthMark> depthMarks(const std::vector<Problem>& problems);

// Draws the marks on a screen written in `style` (over-under, anaglyph, parallel, cross).
void drawDepthMarks(Picture& styled, const std::vector<DepthMark>& marks, const std::string& style);
