// The camera of a slide's icon: the slide's own eyes and direction, with the field of view
// widened until the whole model lies inside the icon, so that the slide chooser shows the
// object and not a piece cut at the icon's edges.
#pragma once

#include "demo_course/stereo_camera.h"

// The left eye of `slide`'s camera for a `width` x `height` picture of square pixels.
StereoCamera iconCamera(const Scene& scene, const StereoCamera& slide, int width, int height);

// Whether any ray of the left eye through the picture's border meets the scene.
bool sceneTouchesBorder(const Scene& scene, const StereoCamera& camera);
