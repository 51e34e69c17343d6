// The heart from the front: ventricles with the apex to the lower right of the picture
// (the body's left), both atria, the great arteries and veins, and the coronary arteries
// in their grooves. Units are centimetres; x to the body's left, y up, z forwards.
#include "demo_course/anatomy_scenes.h"
#include "demo_course/materials.h"

namespace {

// Adds a tube through the points, one capsule per span.
void addTube(Scene& scene, const char* name, std::initializer_list<Vec3> points, double radius,
             const Material& material) {
    const Vec3* previous = nullptr;
    for (const Vec3& p : points) {
        if (previous != nullptr) {
            scene.add(name, capsule(*previous, p, radius), material);
        }
        previous = &p;
    }
}

} // namespace

AnatomyModel heartModel() {
    AnatomyModel m;
    Scene& s = m.scene;
    const Material muscle = muscleMaterial();
    const Material artery = arteryMaterial();
    const Material vein = veinMaterial();
    const Material fat = fatMaterial();
    const Rotation tilt = rotationAbout('z', 35.0, rotationAbout('x', -15.0));
    s.add("ventricles", ellipsoid({1.0, -1.6, 0}, {4.6, 6.0, 3.9}, tilt), muscle);
    s.add("right ventricle", ellipsoid({-0.6, -1.2, 1.4}, {3.6, 4.6, 2.9}, tilt), muscle);
    s.add("right atrium", ellipsoid({-4.1, 2.4, 0.2}, {2.3, 2.8, 2.4}), muscle);
    s.add("right auricle", ellipsoid({-3.0, 4.2, 2.0}, {1.3, 0.8, 1.0}), muscle);
    s.add("left atrium", ellipsoid({2.6, 3.4, -2.6}, {2.6, 2.0, 2.2}), muscle);
    s.add("left auricle", ellipsoid({3.7, 3.5, 0.6}, {1.1, 0.8, 1.2}), muscle);
    addTube(s, "aorta",
            {{0.2, 2.0, 0.6},
             {0.0, 6.0, 0.8},
             {0.8, 8.6, 0.0},
             {2.6, 9.2, -1.4},
             {3.8, 7.6, -2.6},
             {3.9, 2.0, -3.4},
             {3.9, -4.0, -3.6}},
            1.35, artery);
    addTube(s, "brachiocephalic trunk", {{0.6, 8.6, 0.0}, {-0.4, 11.6, 0.4}}, 0.6, artery);
    addTube(s, "left common carotid artery", {{1.7, 9.1, -0.6}, {2.0, 12.0, -0.4}}, 0.45, artery);
    addTube(s, "left subclavian artery", {{2.7, 9.0, -1.4}, {4.4, 11.4, -1.6}}, 0.5, artery);
    addTube(s, "pulmonary trunk", {{-0.4, 1.6, 2.6}, {0.6, 5.0, 2.0}, {1.6, 6.2, 0.6}}, 1.3, vein);
    addTube(s, "pulmonary arteries", {{1.6, 6.2, 0.6}, {5.4, 6.0, -0.6}}, 0.8, vein);
    addTube(s, "pulmonary arteries", {{1.6, 6.2, 0.6}, {-2.0, 6.6, -1.6}}, 0.8, vein);
    addTube(s, "superior vena cava", {{-3.9, 4.0, -0.2}, {-3.7, 11.0, -0.6}}, 1.05, vein);
    addTube(s, "inferior vena cava", {{-3.8, 0.4, -0.6}, {-3.6, -4.0, -1.2}}, 1.05, vein);
    // The anterior interventricular artery in its groove, and the right coronary artery in
    // the groove between right atrium and right ventricle.
    addTube(
        s, "anterior interventricular artery",
        {{0.7, 2.2, 3.5}, {1.5, 0.0, 4.1}, {2.6, -2.6, 3.7}, {3.6, -5.0, 2.4}, {4.2, -6.6, 0.6}},
        0.28, artery);
    addTube(s, "right coronary artery",
            {{-1.2, 1.9, 3.0}, {-2.6, 1.1, 2.8}, {-3.4, -0.6, 2.0}, {-3.3, -2.6, 1.2}}, 0.28,
            artery);
    addTube(s, "epicardial fat", {{-1.6, 1.6, 2.6}, {-3.2, 0.0, 1.8}}, 0.55, fat);
    s.backgroundTop = {0.10, 0.04, 0.06};
    s.backgroundBottom = {0.01, 0.0, 0.01};

    m.landmarks = {
        {"aorta", {2.6, 9.2, -0.1}},
        {"ascending aorta", {0.0, 5.6, 2.1}},
        {"pulmonary trunk", {0.5, 4.6, 3.3}},
        {"superior vena cava", {-3.7, 8.0, 0.4}},
        {"right atrium", {-5.4, 2.2, 1.0}},
        {"right auricle", {-3.0, 4.3, 3.0}},
        {"left auricle", {4.1, 3.5, 1.7}},
        {"right ventricle", {-0.8, -1.6, 4.3}},
        {"left ventricle", {4.3, -3.0, 2.0}},
        {"apex", {4.3, -6.9, 0.8}},
        {"anterior interventricular artery", {2.6, -2.6, 4.0}},
        {"right coronary artery", {-3.4, -0.6, 2.3}},
        {"brachiocephalic trunk", {-0.4, 11.0, 1.0}},
        {"left subclavian artery", {4.2, 11.0, -1.0}},
        {"inferior vena cava", {-3.6, -3.5, -0.2}},
    };
    return m;
}
