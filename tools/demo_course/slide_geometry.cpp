#include "demo_course/slide_geometry.h"

#include <algorithm>
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

std::optional<double> SlideGeometry::nearestSurface(int left, int top, int width,
                                                    int height) const {
    std::optional<double> nearest;
    for (int y = top; y < top + height; y += 2) {
        for (int x = left; x < left + width; x += 2) {
            const Ray ray =
                eyeRay(camera_, Eye::Left, x - layout_.upperX + 0.5, y - layout_.upperY + 0.5);
            if (const std::optional<Hit> hit = model_.scene.trace(ray)) {
                const double d = layout_.upperX + project(camera_, Eye::Left, hit->point).x -
                                 (layout_.lowerX + project(camera_, Eye::Right, hit->point).x);
                nearest = std::max(nearest.value_or(d), d);
            }
        }
    }
    return nearest;
}
