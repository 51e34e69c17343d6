#include "demo_course/slide_geometry.h"

#include <cmath>

ScreenPoint SlideGeometry::landmark(const std::string& name) const {
    return point(model_.landmarks.at(name));
}

ScreenPoint SlideGeometry::point(Vec3 scenePoint) const {
    // The upper view is the left eye's; each view is placed at its own column offset.
    const ViewPoint left = project(camera_, Eye::Left, scenePoint);
    const ViewPoint right = project(camera_, Eye::Right, scenePoint);
    const double upperX = layout_.upperX + left.x;
    const double lowerX = layout_.lowerX + right.x;
    return {static_cast<int>(std::lround(upperX)),
            static_cast<int>(std::lround(layout_.upperY + left.y)),
            static_cast<int>(std::lround(upperX - lowerX))};
}
