#include "demo_course/scene.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::optional<Interval> intersectUnitSphere(Vec3 o, Vec3 d) {
    const double a = dot(d, d);
    const double b = dot(o, d);
    const double c = dot(o, o) - 1.0;
    const double disc = b * b - a * c;
    if (disc < 0 || a <= 0) {
        return std::nullopt;
    }
    const double root = std::sqrt(disc);
    return Interval{(-b - root) / a, (-b + root) / a};
}

std::optional<Interval> intersectEllipsoid(const Shape& s, const Ray& ray) {
    const Vec3 o = s.rotation.toLocal(ray.origin - s.centre);
    const Vec3 d = s.rotation.toLocal(ray.direction);
    const Vec3 inv{1 / s.radii.x, 1 / s.radii.y, 1 / s.radii.z};
    return intersectUnitSphere(mul(o, inv), mul(d, inv));
}

std::optional<Interval> intersectCylinder(const Shape& s, const Ray& ray) {
    const Vec3 axis = s.to - s.from;
    const double len = length(axis);
    const Vec3 u = axis / len;
    const Vec3 oc = ray.origin - s.from;
    const double du = dot(ray.direction, u);
    const double ou = dot(oc, u);
    const Vec3 dPerp = ray.direction - u * du;
    const Vec3 oPerp = oc - u * ou;
    double enter = -kInfinity;
    double leave = kInfinity;
    const double a = dot(dPerp, dPerp);
    const double c = dot(oPerp, oPerp) - s.radius * s.radius;
    if (a < 1e-12) {
        if (c > 0) {
            return std::nullopt;
        }
    } else {
        const double b = dot(oPerp, dPerp);
        const double disc = b * b - a * c;
        if (disc < 0) {
            return std::nullopt;
        }
        const double root = std::sqrt(disc);
        enter = (-b - root) / a;
        leave = (-b + root) / a;
    }
    if (std::abs(du) < 1e-12) {
        if (ou < 0 || ou > len) {
            return std::nullopt;
        }
    } else {
        double t0 = (0 - ou) / du;
        double t1 = (len - ou) / du;
        if (t0 > t1) {
            std::swap(t0, t1);
        }
        enter = std::max(enter, t0);
        leave = std::min(leave, t1);
    }
    if (enter > leave) {
        return std::nullopt;
    }
    return Interval{enter, leave};
}

std::optional<Interval> intersectCapsule(const Shape& s, const Ray& ray) {
    // A capsule is convex, so along a line it is the hull of its three parts.
    std::optional<Interval> result = intersectCylinder(s, ray);
    for (Vec3 end : {s.from, s.to}) {
        const Vec3 o = (ray.origin - end) / s.radius;
        const std::optional<Interval> cap = intersectUnitSphere(o, ray.direction / s.radius);
        if (cap) {
            result = result ? Interval{std::min(result->enter, cap->enter),
                                       std::max(result->leave, cap->leave)}
                            : *cap;
        }
    }
    return result;
}

std::optional<Interval> intersectBox(const Shape& s, const Ray& ray) {
    const Vec3 o = s.rotation.toLocal(ray.origin - s.centre);
    const Vec3 d = s.rotation.toLocal(ray.direction);
    double enter = -kInfinity;
    double leave = kInfinity;
    const double os[3] = {o.x, o.y, o.z};
    const double ds[3] = {d.x, d.y, d.z};
    const double hs[3] = {s.radii.x, s.radii.y, s.radii.z};
    for (int i = 0; i < 3; ++i) {
        if (std::abs(ds[i]) < 1e-12) {
            if (std::abs(os[i]) > hs[i]) {
                return std::nullopt;
            }
            continue;
        }
        double t0 = (-hs[i] - os[i]) / ds[i];
        double t1 = (hs[i] - os[i]) / ds[i];
        if (t0 > t1) {
            std::swap(t0, t1);
        }
        enter = std::max(enter, t0);
        leave = std::min(leave, t1);
    }
    if (enter > leave) {
        return std::nullopt;
    }
    return Interval{enter, leave};
}

bool sphereReach(Vec3 centre, double radius, const Ray& ray, double& nearest) {
    const Vec3 oc = ray.origin - centre;
    const double b = dot(oc, ray.direction);
    const double c = dot(oc, oc) - radius * radius;
    const double disc = b * b - c;
    if (disc < 0) {
        return false;
    }
    const double root = std::sqrt(disc);
    if (-b + root < 0) {
        return false;
    }
    nearest = -b - root;
    return true;
}

// The first point of the solid along the ray beyond `minDistance`: inside the body and
// outside every cutter.
std::optional<Hit> traceSolid(const Solid& solid, const Ray& ray, double minDistance) {
    const std::optional<Interval> body = intersect(solid.body, ray);
    if (!body || body->leave < minDistance) {
        return std::nullopt;
    }
    double t = std::max(body->enter, minDistance);
    const Shape* surface = &solid.body;
    bool fromCutter = false;
    for (bool moved = true; moved;) {
        moved = false;
        for (const Shape& cutter : solid.cutters) {
            const std::optional<Interval> hole = intersect(cutter, ray);
            if (hole && hole->enter <= t && t < hole->leave) {
                t = hole->leave;
                surface = &cutter;
                fromCutter = true;
                moved = true;
            }
        }
        if (t > body->leave) {
            return std::nullopt;
        }
    }
    const Vec3 point = ray.origin + ray.direction * t;
    Vec3 normal = surfaceNormal(*surface, point);
    if (fromCutter) {
        normal = -normal;
    }
    return Hit{t, point, normal, fromCutter ? &solid.cavity : &solid.material};
}

} // namespace

Rotation rotationAbout(char axis, double degrees, const Rotation& inner) {
    const double a = degrees * kPi / 180.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    auto rotate = [&](Vec3 v) -> Vec3 {
        switch (axis) {
        case 'x':
            return {v.x, c * v.y - s * v.z, s * v.y + c * v.z};
        case 'y':
            return {c * v.x + s * v.z, v.y, -s * v.x + c * v.z};
        default:
            return {c * v.x - s * v.y, s * v.x + c * v.y, v.z};
        }
    };
    return {rotate(inner.ax), rotate(inner.ay), rotate(inner.az)};
}

Shape sphere(Vec3 centre, double radius) {
    return ellipsoid(centre, {radius, radius, radius});
}

Shape ellipsoid(Vec3 centre, Vec3 radii, const Rotation& rotation) {
    Shape s;
    s.kind = ShapeKind::Ellipsoid;
    s.centre = centre;
    s.radii = radii;
    s.rotation = rotation;
    return s;
}

Shape capsule(Vec3 from, Vec3 to, double radius) {
    Shape s;
    s.kind = ShapeKind::Capsule;
    s.from = from;
    s.to = to;
    s.radius = radius;
    return s;
}

Shape cylinder(Vec3 from, Vec3 to, double radius) {
    Shape s = capsule(from, to, radius);
    s.kind = ShapeKind::Cylinder;
    return s;
}

Shape box(Vec3 centre, Vec3 halfSizes, const Rotation& rotation) {
    Shape s;
    s.kind = ShapeKind::Box;
    s.centre = centre;
    s.radii = halfSizes;
    s.rotation = rotation;
    return s;
}

std::optional<Interval> intersect(const Shape& shape, const Ray& ray) {
    switch (shape.kind) {
    case ShapeKind::Ellipsoid:
        return intersectEllipsoid(shape, ray);
    case ShapeKind::Capsule:
        return intersectCapsule(shape, ray);
    case ShapeKind::Cylinder:
        return intersectCylinder(shape, ray);
    case ShapeKind::Box:
        return intersectBox(shape, ray);
    }
    return std::nullopt;
}

Vec3 surfaceNormal(const Shape& s, Vec3 point) {
    switch (s.kind) {
    case ShapeKind::Ellipsoid: {
        const Vec3 p = s.rotation.toLocal(point - s.centre);
        const Vec3 r2 = mul(s.radii, s.radii);
        return normalize(s.rotation.toWorld({p.x / r2.x, p.y / r2.y, p.z / r2.z}));
    }
    case ShapeKind::Capsule: {
        const Vec3 axis = s.to - s.from;
        const double h = std::clamp(dot(point - s.from, axis) / dot(axis, axis), 0.0, 1.0);
        return normalize(point - (s.from + axis * h));
    }
    case ShapeKind::Cylinder: {
        const Vec3 axis = s.to - s.from;
        const double len = length(axis);
        const Vec3 u = axis / len;
        const double h = dot(point - s.from, u);
        const Vec3 radial = point - (s.from + u * h);
        const double sideGap = std::abs(length(radial) - s.radius);
        if (h < len / 2 && h < sideGap) {
            return -u;
        }
        if (h >= len / 2 && len - h < sideGap) {
            return u;
        }
        return normalize(radial);
    }
    case ShapeKind::Box: {
        const Vec3 p = s.rotation.toLocal(point - s.centre);
        const double rx = std::abs(p.x) / s.radii.x;
        const double ry = std::abs(p.y) / s.radii.y;
        const double rz = std::abs(p.z) / s.radii.z;
        Vec3 n{0, 0, p.z < 0 ? -1.0 : 1.0};
        if (rx >= ry && rx >= rz) {
            n = {p.x < 0 ? -1.0 : 1.0, 0, 0};
        } else if (ry >= rz) {
            n = {0, p.y < 0 ? -1.0 : 1.0, 0};
        }
        return s.rotation.toWorld(n);
    }
    }
    return {0, 0, 1};
}

void boundingSphere(const Shape& s, Vec3& centre, double& radius) {
    switch (s.kind) {
    case ShapeKind::Ellipsoid:
        centre = s.centre;
        radius = std::max({s.radii.x, s.radii.y, s.radii.z});
        return;
    case ShapeKind::Box:
        centre = s.centre;
        radius = length(s.radii);
        return;
    case ShapeKind::Capsule:
    case ShapeKind::Cylinder:
        centre = (s.from + s.to) * 0.5;
        radius = length(s.to - s.from) / 2 + s.radius;
        return;
    }
}

Solid& Scene::add(std::string name, const Shape& body, const Material& material) {
    Solid solid;
    solid.name = std::move(name);
    solid.body = body;
    solid.material = material;
    solid.cavity = material;
    solid.cavity.colour = material.colour * 0.35;
    solid.cavity.specular = 0.05;
    boundingSphere(body, solid.boundCentre, solid.boundRadius);
    solids.push_back(std::move(solid));
    return solids.back();
}

std::optional<Hit> Scene::trace(const Ray& ray, double minDistance) const {
    std::optional<Hit> best;
    for (const Solid& solid : solids) {
        double nearest = 0;
        if (!sphereReach(solid.boundCentre, solid.boundRadius, ray, nearest)) {
            continue;
        }
        if (best && nearest > best->distance) {
            continue;
        }
        const std::optional<Hit> hit = traceSolid(solid, ray, minDistance);
        if (hit && (!best || hit->distance < best->distance)) {
            best = hit;
        }
    }
    return best;
}

bool Scene::blocked(const Ray& ray, double minDistance, double maxDistance) const {
    for (const Solid& solid : solids) {
        double nearest = 0;
        if (!sphereReach(solid.boundCentre, solid.boundRadius, ray, nearest) ||
            nearest > maxDistance) {
            continue;
        }
        const std::optional<Hit> hit = traceSolid(solid, ray, minDistance);
        if (hit && hit->distance < maxDistance) {
            return true;
        }
    }
    return false;
}
