// Three-component vectors and rotations for the scene renderer.
#pragma once

#include <cmath>

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator-(Vec3 a) {
    return {-a.x, -a.y, -a.z};
}
inline Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline Vec3 operator*(double s, Vec3 a) {
    return a * s;
}
inline Vec3 operator/(Vec3 a, double s) {
    return {a.x / s, a.y / s, a.z / s};
}
inline Vec3 mul(Vec3 a, Vec3 b) {
    return {a.x * b.x, a.y * b.y, a.z * b.z};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(Vec3 a) {
    return std::sqrt(dot(a, a));
}
inline Vec3 normalize(Vec3 a) {
    const double l = length(a);
    return l > 0 ? a / l : Vec3{0, 0, 1};
}

// A rotation as its three columns: the local x, y and z axes in world coordinates.
struct Rotation {
    Vec3 ax{1, 0, 0};
    Vec3 ay{0, 1, 0};
    Vec3 az{0, 0, 1};

    Vec3 toWorld(Vec3 v) const { return ax * v.x + ay * v.y + az * v.z; }
    Vec3 toLocal(Vec3 v) const { return {dot(v, ax), dot(v, ay), dot(v, az)}; }
};

constexpr double kPi = 3.14159265358979323846;

// Rotation by `degrees` about the world axis x, y or z, composed as first `inner` then this.
Rotation rotationAbout(char axis, double degrees, const Rotation& inner = {});
