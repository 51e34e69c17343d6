// Where the landmarks of a model appear on the stereo screen of one slide: the position in
// the upper view and the horizontal disparity of the lower view, with the picture's view
// offsets included, so that texts and lines sit at the depth of what they name.
#pragma once

#include <optional>
#include <string>

#include "demo_course/anatomy_scenes.h"
#include "demo_course/stereo_camera.h"

// How a slide's two views are stored and placed: bits per pixel, offsets and bands.
struct DuoLayout {
    int bits = 24;
    int lowerX = 0;
    int lowerY = 0;
    int upperX = 0;
    int upperY = 0;
    int topBand = 0;
    int bottomBand = 0;
    int leftBand = 0;
    int rightBand = 0;
};

struct ScreenPoint {
    int x;
    int y;
    int disparity;
};

class SlideGeometry {
  public:
    SlideGeometry(const AnatomyModel& model, const StereoCamera& camera, const DuoLayout& layout)
        : model_(model), camera_(camera), layout_(layout) {}

    // The landmark's place; throws std::out_of_range for an unknown name.
    ScreenPoint landmark(const std::string& name) const;
    ScreenPoint point(Vec3 scenePoint) const;
    // The disparity of the nearest surface the upper view shows in the rectangle (every
    // second pixel looked at); none where it shows only the background.
    std::optional<double> nearestSurface(int left, int top, int width, int height) const;

  private:
    const AnatomyModel& model_;
    StereoCamera camera_;
    DuoLayout layout_;
};
