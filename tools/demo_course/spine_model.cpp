// Three lumbar vertebrae with their discs, seen from behind and to the side: bodies,
// pedicles and laminae around the vertebral canal with the spinal cord in it, transverse
// and spinous processes. Units are centimetres; x to the body's left, y up, z forwards
// (the bodies lie in front, the spinous processes point backwards along -z).
#include "demo_course/anatomy_scenes.h"
#include "demo_course/materials.h"

AnatomyModel spineModel() {
    AnatomyModel m;
    Scene& s = m.scene;
    const Material bone = boneMaterial();
    const Material disc = cartilageMaterial();
    const Material nerve = nerveMaterial();
    for (int i = 0; i < 3; ++i) {
        const double y = 4.2 - 4.2 * i;
        s.add("vertebral body", cylinder({0, y - 1.4, 1.6}, {0, y + 1.4, 1.6}, 2.6), bone);
        for (double side : {-1.0, 1.0}) {
            s.add("pedicle", capsule({side * 1.5, y + 0.4, 0.2}, {side * 1.5, y + 0.4, -1.6}, 0.55),
                  bone);
            s.add("lamina", capsule({side * 1.5, y + 0.3, -1.6}, {0, y, -2.9}, 0.5), bone);
            s.add("transverse process",
                  capsule({side * 1.6, y + 0.5, -1.2}, {side * 4.6, y + 0.8, -1.8}, 0.42), bone);
            s.add("articular process",
                  capsule({side * 1.7, y + 1.6, -1.9}, {side * 1.7, y - 0.9, -2.1}, 0.5), bone);
        }
        s.add("spinous process", capsule({0, y, -2.9}, {0, y - 1.0, -5.6}, 0.55), bone);
        s.add("spinous process", ellipsoid({0, y - 1.0, -5.6}, {0.5, 0.9, 0.7}), bone);
        if (i < 2) {
            s.add("intervertebral disc", cylinder({0, y - 2.8, 1.6}, {0, y - 1.4, 1.6}, 2.5), disc);
        }
    }
    s.add("spinal cord", capsule({0, 7.2, -0.7}, {0, -7.2, -0.7}, 0.75), nerve);
    for (double side : {-1.0, 1.0}) {
        for (int i = 0; i < 2; ++i) {
            const double y = 2.1 - 4.2 * i;
            s.add("spinal nerve", capsule({side * 0.6, y, -0.7}, {side * 4.0, y - 1.6, 0.4}, 0.3),
                  nerve);
        }
    }
    s.backgroundTop = {0.06, 0.06, 0.10};
    s.backgroundBottom = {0.0, 0.0, 0.01};

    m.landmarks = {
        {"vertebral body", {-2.0, 4.2, 3.4}},     {"intervertebral disc", {-1.8, 2.1, 3.4}},
        {"pedicle", {-2.0, 0.4, -0.6}},           {"lamina", {-0.9, 0.2, -2.8}},
        {"spinous process", {0, -1.0, -6.3}},     {"transverse process", {-4.6, 0.8, -2.2}},
        {"articular process", {-2.2, 4.5, -2.1}}, {"spinal cord", {0, 6.0, -1.5}},
        {"spinal nerve", {-3.2, -2.8, 0.5}},
    };
    return m;
}
