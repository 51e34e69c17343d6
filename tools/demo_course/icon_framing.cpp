#include "demo_course/icon_framing.h"

namespace {

// Wider by this factor each try; the widest view an icon gets.
constexpr double kWidening = 1.12;
constexpr double kWidestView = 150;

} // namespace

bool sceneTouchesBorder(const Scene& scene, const StereoCamera& camera) {
    const auto hits = [&](int x, int y) {
        return scene.trace(eyeRay(camera, Eye::Left, x + 0.5, y + 0.5)).has_value();
    };
    for (int x = 0; x < camera.width; ++x) {
        if (hits(x, 0) || hits(x, camera.height - 1)) {
            return true;
        }
    }
    for (int y = 0; y < camera.height; ++y) {
        if (hits(0, y) || hits(camera.width - 1, y)) {
            return true;
        }
    }
    return false;
}

StereoCamera iconCamera(const Scene& scene, const StereoCamera& slide, int width, int height) {
    StereoCamera camera = slide.resized(width, height, 1.0);
    while (sceneTouchesBorder(scene, camera) && camera.fieldOfView * kWidening < kWidestView) {
        camera.fieldOfView *= kWidening;
    }
    return camera;
}
