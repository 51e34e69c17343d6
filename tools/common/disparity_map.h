// The depth of a stereo picture, measured on its two views: for each place of the first
// (left eye, upper) view, how far to the left the same part of the scene lies in the second
// (right eye, lower) view. The views are matched block by block, coarse to fine: the
// coarsest level searches the whole width of the picture, each finer level only around what
// the level above found, so that a large disparity costs no more than a small one.
//
// Disparities are in pixels of the views, first-view column minus second-view column of
// one point of the scene: positive stands in front of the screen, as a script's text with
// that disparity does.
#pragma once

#include <memory>
#include <vector>

#include "common/picture.h"

struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<float> values;
    float at(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }
};

// The `width` x `height` region of `picture` at (`left`, `top`) in grey levels (0 to 255).
GreyImage greyRegion(const Picture& picture, int left, int top, int width, int height);

// The block that is matched around each place, and the places measured. The views of a DUO
// file have pixels twice as tall as wide, so their block is half as tall as wide: square as
// the viewer sees it.
struct MatchWindow {
    int halfWidth = 8;
    int halfHeight = 4;
    int stepX = 4; // columns between the places of a map
    int stepY = 2; // rows between them
};
constexpr MatchWindow kDuoViewWindow{};
constexpr MatchWindow kSquarePixelWindow{8, 8, 4, 4};

// Blocks flatter than this across (the root mean square of the grey steps from pixel to
// pixel along their rows) carry no disparity.
constexpr float kMinimumTexture = 1.5f;
// Matches that correlate less than this (zero-mean normalised correlation) are not trusted.
constexpr float kMinimumMatch = 0.6f;

enum class DepthStatus {
    Measured,
    Flat,      // too little texture to match
    Unmatched, // no part of the other view matches it well (hidden from one eye, or noise)
    AtLimit,   // the best match lies where the search ends: the picture's edge
    Border,    // the block does not fit inside the view
};

struct DepthSample {
    DepthStatus status = DepthStatus::Border;
    float disparity = 0; // to a tenth of a pixel; meaningful when Measured or AtLimit
    float texture = 0;   // grey steps across the block, as above
    float match = 0;     // correlation of the best match, -1 to 1
};

// The measures at a point and how its neighbours at one step around agree with it.
struct DepthAtPoint {
    DepthSample sample;
    int neighboursMeasured = 0; // of 8
    int neighboursAgreeing = 0; // measured within a pixel of the point's disparity
};

class DisparityMeasure {
  public:
    // `first` and `second` are views of one size.
    DisparityMeasure(const GreyImage& first, const GreyImage& second,
                     const MatchWindow& window = kDuoViewWindow);
    ~DisparityMeasure();

    int width() const;
    int height() const;
    const MatchWindow& window() const;

    // The place (x, y) of the first view, in its pixels.
    DepthSample at(int x, int y) const;
    DepthAtPoint withNeighbours(int x, int y) const;

  private:
    struct Levels;
    std::unique_ptr<Levels> levels_;
};

// The measures at every step of the window over the whole view: place (i, j) is the view's
// pixel (i * stepX + stepX / 2, j * stepY + stepY / 2).
struct DisparityMap {
    MatchWindow window;
    int columns = 0;
    int rows = 0;
    std::vector<DepthSample> samples;
    const DepthSample& cell(int i, int j) const {
        return samples[static_cast<std::size_t>(j) * columns + i];
    }
    int xOf(int i) const { return i * window.stepX + window.stepX / 2; }
    int yOf(int j) const { return j * window.stepY + window.stepY / 2; }
};

DisparityMap measureDisparityMap(const DisparityMeasure& measure);

// The smallest whole disparity that stands in front of a surface of disparity `surface`.
int disparityInFront(double surface);
