// The skull: cranium, face with orbits and nasal opening, cheek bones and arches, the
// mandible and both rows of teeth. Units are centimetres; x to the skull's left side, y up,
// z forwards (the face looks along +z).
#include "demo_course/anatomy_scenes.h"
#include "demo_course/materials.h"

namespace {

void addOrbitsAndNose(Solid& solid, bool withNose) {
    for (double side : {-1.0, 1.0}) {
        solid.cutters.push_back(ellipsoid({side * 2.7, 0.0, 7.6}, {2.0, 1.8, 2.6}));
    }
    if (withNose) {
        solid.cutters.push_back(ellipsoid({0, -2.7, 8.4}, {1.0, 1.7, 1.7}));
    }
    solid.cavity.colour = {0.22, 0.15, 0.10};
    solid.cavity.specular = 0.02;
}

void addTeethRow(Scene& scene, const char* name, double y, double radius, double centreZ,
                 double height) {
    const Material tooth = toothMaterial();
    for (int i = 0; i < 12; ++i) {
        const double a = (-66.0 + 12.0 * i) * kPi / 180.0;
        const Vec3 c{radius * std::sin(a), y, centreZ + radius * std::cos(a)};
        const double wide = (i >= 4 && i <= 7) ? 0.36 : 0.42;
        scene.add(name, ellipsoid(c, {wide, height, 0.34}, rotationAbout('y', a * 180.0 / kPi)),
                  tooth);
    }
}

} // namespace

AnatomyModel skullModel() {
    AnatomyModel m;
    Scene& s = m.scene;
    const Material bone = boneMaterial();
    addOrbitsAndNose(s.add("cranium", ellipsoid({0, 2.5, -0.5}, {7.2, 7.6, 9.2}), bone), false);
    addOrbitsAndNose(s.add("face", ellipsoid({0, -2.3, 4.6}, {5.2, 4.4, 4.0}), bone), true);
    addOrbitsAndNose(s.add("brow", capsule({-4.4, 1.6, 6.7}, {4.4, 1.6, 6.7}, 0.9), bone), false);
    s.add("nasal bones", capsule({0, 0.6, 8.0}, {0, -0.9, 8.7}, 0.45), bone);
    for (double side : {-1.0, 1.0}) {
        s.add("zygomatic bone", ellipsoid({side * 4.7, -1.7, 5.4}, {1.6, 1.3, 1.5}), bone);
        s.add("zygomatic arch", capsule({side * 5.7, -1.7, 4.3}, {side * 7.0, -1.3, 0.4}, 0.6),
              bone);
        s.add("mastoid process", ellipsoid({side * 5.9, -3.6, -2.4}, {1.0, 1.5, 1.1}), bone);
        // The mandible: ramus up to the joint, body forwards to the chin.
        s.add("ramus", capsule({side * 5.1, -6.2, 0.9}, {side * 5.6, -2.4, 0.1}, 0.8), bone);
        s.add("coronoid process", capsule({side * 4.9, -5.6, 1.8}, {side * 4.6, -2.6, 2.6}, 0.45),
              bone);
        s.add("mandible", capsule({side * 5.1, -6.2, 0.9}, {side * 4.3, -8.7, 3.7}, 0.9), bone);
        s.add("mandible", capsule({side * 4.3, -8.7, 3.7}, {side * 2.0, -9.7, 6.0}, 0.9), bone);
        s.add("mandible", capsule({side * 2.0, -9.7, 6.0}, {0, -9.9, 6.6}, 0.9), bone);
    }
    s.add("chin", ellipsoid({0, -9.8, 6.6}, {1.7, 1.1, 1.0}), bone);
    addTeethRow(s, "upper teeth", -6.1, 3.8, 3.3, 0.75);
    addTeethRow(s, "lower teeth", -7.5, 3.6, 3.1, 0.7);

    m.landmarks = {
        {"frontal bone", {0, 6.8, 6.0}},
        {"parietal bone", {4.6, 7.4, -1.5}},
        {"temporal bone", {6.8, -0.2, -1.0}},
        {"occipital bone", {0, 3.0, -9.5}},
        {"orbit", {2.7, 0.0, 6.6}},
        {"right orbit", {-2.7, 0.0, 6.6}},
        {"nasal aperture", {0, -2.7, 7.9}},
        {"nasal bones", {0, -0.2, 8.9}},
        {"zygomatic bone", {4.9, -1.7, 6.4}},
        {"zygomatic arch", {6.8, -1.4, 2.0}},
        {"maxilla", {-2.6, -4.0, 7.0}},
        {"upper teeth", {1.2, -6.1, 7.0}},
        {"lower teeth", {-1.2, -7.5, 6.6}},
        {"mandible", {-4.4, -8.5, 4.0}},
        {"chin", {0, -10.2, 7.3}},
        {"ramus", {5.8, -4.4, 0.5}},
        {"mastoid process", {6.6, -3.8, -2.4}},
        {"coronoid process", {5.2, -4.0, 2.2}},
    };
    return m;
}
