// The materials of the anatomical models.
#pragma once

#include "demo_course/scene.h"

inline Material boneMaterial() {
    return {{0.80, 0.72, 0.55}, 0.18, 18, 0.16, 1.1};
}
inline Material toothMaterial() {
    return {{0.90, 0.87, 0.76}, 0.30, 40, 0.05, 3.0};
}
inline Material cartilageMaterial() {
    return {{0.62, 0.72, 0.80}, 0.45, 30, 0.06, 2.0};
}
inline Material muscleMaterial() {
    return {{0.62, 0.16, 0.14}, 0.30, 20, 0.22, 1.6};
}
inline Material arteryMaterial() {
    return {{0.85, 0.12, 0.10}, 0.45, 30, 0.08, 1.5};
}
inline Material veinMaterial() {
    return {{0.22, 0.28, 0.75}, 0.45, 30, 0.08, 1.5};
}
inline Material fatMaterial() {
    return {{0.88, 0.74, 0.30}, 0.25, 16, 0.20, 2.2};
}
inline Material ligamentMaterial() {
    return {{0.88, 0.86, 0.78}, 0.35, 24, 0.10, 3.5};
}
inline Material nerveMaterial() {
    return {{0.92, 0.84, 0.42}, 0.30, 20, 0.08, 3.0};
}
