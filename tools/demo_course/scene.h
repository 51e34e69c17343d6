// The 3D scenes of the demo course's stereo pictures: convex shapes (spheres, ellipsoids,
// capsules, cylinders, boxes) of coloured materials, each solid optionally hollowed by
// convex cutters (eye sockets, the nasal opening, the vertebral canal).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "demo_course/vec3.h"

struct Material {
    Vec3 colour{0.8, 0.8, 0.8}; // linear 0..1
    double specular = 0.25;
    double shininess = 24;
    double grain = 0.10;     // strength of the surface texture
    double grainScale = 1.5; // texture features per scene unit
};

enum class ShapeKind { Ellipsoid, Capsule, Cylinder, Box };

struct Shape {
    ShapeKind kind = ShapeKind::Ellipsoid;
    Vec3 centre;         // ellipsoid and box centre
    Vec3 radii{1, 1, 1}; // ellipsoid radii, box half sizes (local axes)
    Rotation rotation;   // ellipsoid and box orientation
    Vec3 from, to;       // capsule and cylinder axis end points
    double radius = 1;   // capsule and cylinder radius
};

Shape sphere(Vec3 centre, double radius);
Shape ellipsoid(Vec3 centre, Vec3 radii, const Rotation& rotation = {});
Shape capsule(Vec3 from, Vec3 to, double radius);
Shape cylinder(Vec3 from, Vec3 to, double radius);
Shape box(Vec3 centre, Vec3 halfSizes, const Rotation& rotation = {});

struct Ray {
    Vec3 origin;
    Vec3 direction; // unit length
};

struct Interval {
    double enter;
    double leave;
};

// Where the ray is inside the shape, or nothing.
std::optional<Interval> intersect(const Shape& shape, const Ray& ray);
// The outward unit normal of the shape at a point on (or near) its surface.
Vec3 surfaceNormal(const Shape& shape, Vec3 point);
// A sphere that holds the shape.
void boundingSphere(const Shape& shape, Vec3& centre, double& radius);

struct Solid {
    std::string name;
    Shape body;
    Material material;
    std::vector<Shape> cutters; // removed from the body
    Material cavity;            // the surfaces the cutters leave
    Vec3 boundCentre;           // filled by Scene::add
    double boundRadius = 0;
};

struct Hit {
    double distance;
    Vec3 point;
    Vec3 normal;
    const Material* material;
};

struct Scene {
    std::vector<Solid> solids;
    Vec3 keyLight = normalize(Vec3{-0.5, 0.7, 0.8}); // towards the light
    Vec3 fillLight = normalize(Vec3{0.7, -0.1, 0.5});
    Vec3 backgroundTop{0.05, 0.07, 0.14};
    Vec3 backgroundBottom{0.0, 0.0, 0.02};

    Solid& add(std::string name, const Shape& body, const Material& material);
    // The nearest surface along the ray beyond `minDistance`.
    std::optional<Hit> trace(const Ray& ray, double minDistance = 1e-4) const;
    bool blocked(const Ray& ray, double minDistance, double maxDistance) const;
};
