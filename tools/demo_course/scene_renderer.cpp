#include "demo_course/scene_renderer.h"

#include <algorithm>
#include <cstdint>

namespace {

std::uint32_t hash3(int x, int y, int z) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^
                      static_cast<std::uint32_t>(y) * 19349663u ^
                      static_cast<std::uint32_t>(z) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h;
}

double lattice(int x, int y, int z) {
    return (hash3(x, y, z) & 0xFFFF) / 65535.0;
}

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

// Value noise in 0..1, smooth between the integer lattice points.
double valueNoise(Vec3 p) {
    const int ix = static_cast<int>(std::floor(p.x));
    const int iy = static_cast<int>(std::floor(p.y));
    const int iz = static_cast<int>(std::floor(p.z));
    const double fx = smooth(p.x - ix);
    const double fy = smooth(p.y - iy);
    const double fz = smooth(p.z - iz);
    auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    const double x00 = lerp(lattice(ix, iy, iz), lattice(ix + 1, iy, iz), fx);
    const double x10 = lerp(lattice(ix, iy + 1, iz), lattice(ix + 1, iy + 1, iz), fx);
    const double x01 = lerp(lattice(ix, iy, iz + 1), lattice(ix + 1, iy, iz + 1), fx);
    const double x11 = lerp(lattice(ix, iy + 1, iz + 1), lattice(ix + 1, iy + 1, iz + 1), fx);
    return lerp(lerp(x00, x10, fy), lerp(x01, x11, fy), fz);
}

double grainAt(const Material& m, Vec3 p) {
    const Vec3 q = p * m.grainScale;
    const double n = 0.55 * valueNoise(q) + 0.3 * valueNoise(q * 2.7) + 0.15 * valueNoise(q * 7.3);
    return 1.0 + m.grain * (2.0 * n - 1.0);
}

// Colours are given as they look on the screen; light adds up in linear terms.
Vec3 linear(Vec3 c) {
    return {std::pow(c.x, 2.2), std::pow(c.y, 2.2), std::pow(c.z, 2.2)};
}

Vec3 shade(const Scene& scene, const Hit& hit, Vec3 viewDirection) {
    const Material& m = *hit.material;
    Vec3 n = hit.normal;
    if (dot(n, viewDirection) > 0) {
        n = -n;
    }
    const Vec3 albedo = linear(m.colour) * grainAt(m, hit.point);
    const Vec3 lifted = hit.point + n * 1e-3;
    const bool lit = !scene.blocked({lifted, scene.keyLight}, 1e-4, 1e9);
    const double key = lit ? std::max(0.0, dot(n, scene.keyLight)) : 0.0;
    const double fill = std::max(0.0, dot(n, scene.fillLight));
    // Surfaces facing away from the viewer darken, which rounds the shapes.
    const double facing = std::max(0.0, -dot(n, viewDirection));
    const double ambient = 0.10 + 0.12 * facing;
    Vec3 colour = albedo * (ambient + 0.85 * key + 0.25 * fill);
    if (lit) {
        const Vec3 halfway = normalize(scene.keyLight - viewDirection);
        const double highlight = std::pow(std::max(0.0, dot(n, halfway)), m.shininess);
        colour = colour + Vec3{1, 1, 1} * (m.specular * highlight);
    }
    return colour;
}

std::uint8_t toByte(double v) {
    // A display gamma of 2.2 on the linear result.
    const double g = std::pow(std::clamp(v, 0.0, 1.0), 1.0 / 2.2);
    return static_cast<std::uint8_t>(std::lround(g * 255.0));
}

} // namespace

Picture renderView(const Scene& scene, const StereoCamera& camera, Eye eye) {
    Picture picture(camera.width, camera.height);
    // Samples per pixel across and down, so that the samples are square on the screen.
    const int down = camera.pixelAspect >= 1.5 ? 2 : 1;
    const int across = 1;
    for (int y = 0; y < camera.height; ++y) {
        const double t = static_cast<double>(y) / std::max(1, camera.height - 1);
        const Vec3 background =
            linear(scene.backgroundTop) * (1 - t) + linear(scene.backgroundBottom) * t;
        for (int x = 0; x < camera.width; ++x) {
            Vec3 sum;
            for (int sy = 0; sy < down; ++sy) {
                for (int sx = 0; sx < across; ++sx) {
                    const Ray ray =
                        eyeRay(camera, eye, x + (sx + 0.5) / across, y + (sy + 0.5) / down);
                    const std::optional<Hit> hit = scene.trace(ray);
                    sum = sum + (hit ? shade(scene, *hit, ray.direction) : background);
                }
            }
            const Vec3 c = sum / (down * across);
            picture.set(x, y, {toByte(c.x), toByte(c.y), toByte(c.z)});
        }
    }
    return picture;
}
