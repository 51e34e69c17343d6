// A pair of parallel eyes with a shifted image centre, so that points at the convergence
// distance lie at the same place in both views and nearer points stand out of the screen.
// Views are 1024 x 364 pixels shown at double height through the 3D adapter, so a pixel
// of a view is `pixelAspect` (2) times as tall as wide.
#pragma once

#include "demo_course/scene.h"

enum class Eye { Left, Right };

struct StereoCamera {
    Vec3 position{0, 0, 60}; // midway between the eyes
    Vec3 target{0, 0, 0};
    Vec3 up{0, 1, 0};
    double fieldOfView = 36;    // horizontal, degrees
    double eyeSeparation = 3.0; // scene units
    double convergence = 0;     // distance of zero disparity; 0: the target's distance
    int width = 1024;
    int height = 364;
    double pixelAspect = 2.0;

    // The same eyes for a picture of another size (an icon, an abstract picture).
    StereoCamera resized(int w, int h, double aspect) const;
};

// Where a scene point appears in one view, in pixels (may lie outside the view).
struct ViewPoint {
    double x;
    double y;
    double depth; // distance along the viewing direction
};

ViewPoint project(const StereoCamera& camera, Eye eye, Vec3 point);
// The ray of one eye through the view position (x, y), in pixels.
Ray eyeRay(const StereoCamera& camera, Eye eye, double x, double y);
// Horizontal disparity of a point: its x in the left view minus its x in the right view.
double disparity(const StereoCamera& camera, Vec3 point);
