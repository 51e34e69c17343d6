// The renderer's shapes: where a ray enters and leaves each kind, and solids hollowed by
// cutters (an eye socket shows its inner wall; a hole right through lets the ray pass).
#include <gtest/gtest.h>

#include "demo_course/scene.h"

namespace {

Ray along(Vec3 origin, Vec3 direction) {
    return {origin, normalize(direction)};
}

TEST(SceneShapes, EachKindGivesWhereTheRayIsInside) {
    struct Case {
        const char* what;
        Shape shape;
        Ray ray;
        bool hit;
        double enter, leave;
    } cases[] = {
        {"sphere", sphere({0, 0, 0}, 2), along({0, 0, 10}, {0, 0, -1}), true, 8, 12},
        {"sphere missed", sphere({0, 0, 0}, 2), along({3, 0, 10}, {0, 0, -1}), false, 0, 0},
        {"ellipsoid, long axis", ellipsoid({0, 0, 0}, {1, 1, 4}), along({0, 0, 10}, {0, 0, -1}),
         true, 6, 14},
        {"ellipsoid turned 90 degrees", ellipsoid({0, 0, 0}, {1, 1, 4}, rotationAbout('y', 90)),
         along({0, 0, 10}, {0, 0, -1}), true, 9, 11},
        {"capsule side", capsule({-5, 0, 0}, {5, 0, 0}, 1), along({0, 0, 10}, {0, 0, -1}), true, 9,
         11},
        {"capsule end cap", capsule({-5, 0, 0}, {5, 0, 0}, 1), along({10, 0, 0}, {-1, 0, 0}), true,
         4, 16},
        {"capsule beyond its cap", capsule({-5, 0, 0}, {5, 0, 0}, 1),
         along({6.5, 0, 10}, {0, 0, -1}), false, 0, 0},
        {"cylinder along its axis", cylinder({0, 0, -3}, {0, 0, 3}, 1),
         along({0, 0, 10}, {0, 0, -1}), true, 7, 13},
        {"cylinder has flat ends", cylinder({-5, 0, 0}, {5, 0, 0}, 1),
         along({5.5, 0, 10}, {0, 0, -1}), false, 0, 0},
        {"box", box({0, 0, 0}, {1, 2, 3}), along({0, 0, 10}, {0, 0, -1}), true, 7, 13},
        {"box turned", box({0, 0, 0}, {1, 2, 3}, rotationAbout('y', 90)),
         along({0, 0, 10}, {0, 0, -1}), true, 9, 11},
    };
    for (const Case& c : cases) {
        const auto interval = intersect(c.shape, c.ray);
        ASSERT_EQ(interval.has_value(), c.hit) << c.what;
        if (c.hit) {
            EXPECT_NEAR(interval->enter, c.enter, 1e-9) << c.what;
            EXPECT_NEAR(interval->leave, c.leave, 1e-9) << c.what;
        }
        Vec3 centre;
        double radius = 0;
        boundingSphere(c.shape, centre, radius);
        if (c.hit) { // the bounding sphere holds the entry point
            EXPECT_LE(length(c.ray.origin + c.ray.direction * c.enter - centre), radius + 1e-9)
                << c.what;
        }
    }
}

TEST(SceneShapes, NormalsPointOutwards) {
    EXPECT_NEAR(surfaceNormal(sphere({0, 0, 0}, 2), {0, 0, 2}).z, 1.0, 1e-12);
    EXPECT_NEAR(surfaceNormal(capsule({-5, 0, 0}, {5, 0, 0}, 1), {7, 0, 0}).x, 1.0, 1e-12);
    EXPECT_NEAR(surfaceNormal(cylinder({0, 0, -3}, {0, 0, 3}, 1), {0.2, 0, 3}).z, 1.0, 1e-12);
    EXPECT_NEAR(surfaceNormal(cylinder({0, 0, -3}, {0, 0, 3}, 1), {1, 0, 0.5}).x, 1.0, 1e-12);
    EXPECT_NEAR(surfaceNormal(box({0, 0, 0}, {1, 2, 3}), {0.5, -2, 0}).y, -1.0, 1e-12);
}

TEST(SceneSolids, CuttersLeaveCavitiesAndHoles) {
    Scene scene;
    Solid& head = scene.add("head", sphere({0, 0, 0}, 5), Material{});
    head.cutters.push_back(sphere({0, 0, 5}, 2));                 // a socket in the front
    head.cutters.push_back(cylinder({3, 0, -6}, {3, 0, 6}, 0.5)); // a hole right through
    const auto plain = scene.trace(along({-3, 0, 20}, {0, 0, -1}));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->material, &scene.solids[0].material);
    const auto socket = scene.trace(along({0, 0, 20}, {0, 0, -1}));
    ASSERT_TRUE(socket);
    EXPECT_NEAR(socket->distance, 20 - 3, 1e-9); // the socket's floor, 3 from the centre
    EXPECT_EQ(socket->material, &scene.solids[0].cavity);
    EXPECT_GT(socket->normal.z, 0.99); // the floor faces the viewer
    EXPECT_FALSE(scene.trace(along({3, 0, 20}, {0, 0, -1})));
    EXPECT_TRUE(scene.blocked(along({-3, 0, 20}, {0, 0, -1}), 1e-4, 100));
    EXPECT_FALSE(scene.blocked(along({-3, 0, 20}, {0, 0, -1}), 1e-4, 10));
}

} // namespace
