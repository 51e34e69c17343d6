// What a contact sheet shows: the series and slides of a course, one series or one slide,
// with each slide's script, element counts and the problems coursecheck finds on it.
#pragma once

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "contact_sheet/depth_marks.h"

namespace fs = std::filesystem;

struct SheetSlide {
    int number = 0;
    fs::path directory;
    std::string script;               // the script file read in the chosen mode; empty: none
    int elements[3] = {};             // in Lecture, Tutorial and Quiz mode
    std::vector<std::string> checks;  // coursecheck's findings on the slide
    std::vector<std::string> preview; // what the preview could not show, and its notes
    std::vector<std::string> images;  // final screen, then each wait's, relative to the page
    std::vector<DepthMark> marks;     // depth conflicts and window findings, for its thumbnail
};

// A line of the preview that says the slide cannot be shown whole; the others are notes.
inline bool isPreviewProblem(const std::string& line) {
    return line.rfind("cannot be shown whole", 0) == 0;
}

// Whether coursecheck or the preview found a problem on the slide.
inline bool hasProblems(const SheetSlide& slide) {
    return !slide.checks.empty() ||
           std::any_of(slide.preview.begin(), slide.preview.end(), isPreviewProblem);
}

struct SheetSeries {
    std::string directory; // the series directory's name
    fs::path path;
    std::string title;
    std::vector<SheetSlide> slides;
};

struct SheetPlan {
    fs::path root; // the content directory
    std::vector<SheetSeries> series;
};

constexpr const char* kModeNames[3] = {"lecture", "tutorial", "quiz"};

// The plan for `path`: a content directory (its series in config.dat's order), a series
// directory or a slide directory; nothing with `error` set when it is none of these.
// `mode` (0 to 2) chooses the script named for each slide.
std::optional<SheetPlan> planSheet(const fs::path& path, int mode, std::string& error);
