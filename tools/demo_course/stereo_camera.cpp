#include "demo_course/stereo_camera.h"

namespace {

struct Frame {
    Vec3 forward;
    Vec3 right;
    Vec3 up;
    double focalX;
    double focalY;
    double convergence;
};

Frame frameOf(const StereoCamera& c) {
    Frame f;
    f.forward = normalize(c.target - c.position);
    f.right = normalize(cross(f.forward, c.up));
    f.up = cross(f.right, f.forward);
    f.focalX = (c.width / 2.0) / std::tan(c.fieldOfView * kPi / 360.0);
    f.focalY = f.focalX / c.pixelAspect;
    f.convergence = c.convergence > 0 ? c.convergence : length(c.target - c.position);
    return f;
}

double eyeOffset(const StereoCamera& c, Eye eye) {
    return eye == Eye::Left ? -c.eyeSeparation / 2 : c.eyeSeparation / 2;
}

} // namespace

StereoCamera StereoCamera::resized(int w, int h, double aspect) const {
    StereoCamera c = *this;
    c.width = w;
    c.height = h;
    c.pixelAspect = aspect;
    return c;
}

ViewPoint project(const StereoCamera& c, Eye eye, Vec3 point) {
    const Frame f = frameOf(c);
    const double offset = eyeOffset(c, eye);
    const Vec3 rel = point - (c.position + f.right * offset);
    const double depth = dot(rel, f.forward);
    const double x =
        c.width / 2.0 + f.focalX * dot(rel, f.right) / depth + f.focalX * offset / f.convergence;
    const double y = c.height / 2.0 - f.focalY * dot(rel, f.up) / depth;
    return {x, y, depth};
}

Ray eyeRay(const StereoCamera& c, Eye eye, double x, double y) {
    const Frame f = frameOf(c);
    const double offset = eyeOffset(c, eye);
    const double sx = (x - c.width / 2.0 - f.focalX * offset / f.convergence) / f.focalX;
    const double sy = -(y - c.height / 2.0) / f.focalY;
    return {c.position + f.right * offset, normalize(f.forward + f.right * sx + f.up * sy)};
}

double disparity(const StereoCamera& c, Vec3 point) {
    return project(c, Eye::Left, point).x - project(c, Eye::Right, point).x;
}
