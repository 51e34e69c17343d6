// Renders a scene as seen by one eye: shaded, textured surfaces with a shadowing key
// light and a fill light over a dark graded background.
#pragma once

#include "common/picture.h"
#include "demo_course/stereo_camera.h"

Picture renderView(const Scene& scene, const StereoCamera& camera, Eye eye);
