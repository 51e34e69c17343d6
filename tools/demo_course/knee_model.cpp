// The right knee from the front: the end of the femur with its two condyles, the patella
// in front, the top of the tibia with the menisci on it, the head of the fibula, the
// collateral ligaments and the patellar ligament. Units are centimetres; x to the body's
// left (the lateral side of a right knee is on the picture's left), y up, z forwards.
#include "demo_course/anatomy_scenes.h"
#include "demo_course/materials.h"

AnatomyModel kneeModel() {
    AnatomyModel m;
    Scene& s = m.scene;
    const Material bone = boneMaterial();
    const Material cartilage = cartilageMaterial();
    const Material ligament = ligamentMaterial();
    s.add("femur", capsule({0.3, 13.0, -0.5}, {0, 5.0, -0.4}, 1.7), bone);
    s.add("femur", ellipsoid({0, 4.0, -0.4}, {3.6, 2.6, 2.4}), bone);
    s.add("medial condyle", ellipsoid({2.3, 2.0, -0.5}, {2.1, 2.2, 2.7}), bone);
    s.add("lateral condyle", ellipsoid({-2.3, 2.1, -0.6}, {2.2, 2.1, 2.6}), bone);
    s.add("articular cartilage", ellipsoid({0, 2.6, 1.2}, {1.6, 1.6, 1.1}), cartilage);
    s.add("medial meniscus", ellipsoid({2.2, -0.25, -0.2}, {2.0, 0.32, 2.5}), cartilage);
    s.add("lateral meniscus", ellipsoid({-2.2, -0.25, -0.3}, {1.9, 0.32, 2.3}), cartilage);
    s.add("tibia", ellipsoid({0, -1.5, -0.3}, {4.8, 1.0, 3.4}), bone);
    s.add("tibia", ellipsoid({0, -3.2, -0.2}, {3.6, 2.2, 2.8}), bone);
    s.add("tibial tuberosity", ellipsoid({0, -4.2, 2.2}, {1.1, 1.4, 0.9}), bone);
    s.add("tibia", capsule({0, -3.6, -0.3}, {0.2, -16.0, -0.2}, 1.6), bone);
    s.add("fibula", ellipsoid({-3.9, -3.4, -1.1}, {1.0, 1.2, 1.0}), bone);
    s.add("fibula", capsule({-3.9, -3.6, -1.1}, {-3.5, -16.0, -1.0}, 0.6), bone);
    s.add("patella", ellipsoid({0, 4.4, 3.0}, {2.2, 2.6, 0.95}), bone);
    s.add("quadriceps tendon", capsule({0, 6.2, 2.6}, {0.3, 11.0, 2.0}, 1.1), ligament);
    s.add("patellar ligament", capsule({0, 2.4, 3.0}, {0, -4.0, 2.4}, 0.7), ligament);
    s.add("medial collateral ligament", capsule({4.2, 3.2, -0.5}, {4.3, -5.0, -0.3}, 0.45),
          ligament);
    s.add("lateral collateral ligament", capsule({-4.3, 3.0, -0.8}, {-4.3, -2.8, -1.1}, 0.35),
          ligament);
    s.backgroundTop = {0.03, 0.07, 0.10};
    s.backgroundBottom = {0.0, 0.01, 0.02};

    m.landmarks = {
        {"femur", {0.3, 9.5, 1.2}},
        {"patella", {0, 4.6, 4.0}},
        {"medial condyle", {3.6, 2.4, 0.8}},
        {"lateral condyle", {-3.6, 2.4, 0.6}},
        {"medial meniscus", {3.2, -0.25, 1.6}},
        {"lateral meniscus", {-3.2, -0.25, 1.4}},
        {"tibia", {0.1, -10.0, 1.4}},
        {"tibial tuberosity", {0, -4.4, 3.1}},
        {"fibula", {-4.2, -3.4, -0.2}},
        {"patellar ligament", {0, -1.0, 3.5}},
        {"quadriceps tendon", {0.2, 8.5, 3.3}},
        {"medial collateral ligament", {4.7, -1.0, -0.2}},
        {"lateral collateral ligament", {-4.6, 0.0, -0.9}},
    };
    return m;
}
