// The camera's views, orbit and zoom, worked out by hand.

#include "SceneTestSupport.h"

using namespace vyr;
using test::expectNear3;
using test::kRoot3;

TEST(Camera, ViewsPutTheEyeOnAnAxisAtTheSameDistance) {
    Camera c;
    // sin(180 k) with k = 3.1415926 / 180 is +5.36e-8: its sign fixes which way +z faces on
    // screen after "Up" and "Down", so it must not come from a single-precision pi.
    const float tiny = static_cast<float>(std::sin(3.1415926));
    const std::tuple<void (Camera::*)(), Float3, float, Float3> cases[] = {
        {&Camera::viewBack, {0, 0, -4}, 0, {0, 1, 0}},
        {&Camera::viewRight, {-4, 0, 0}, 0, {0, 1, 0}},
        {&Camera::viewLeft, {4, 0, 0}, 0, {0, 1, 0}},
        {&Camera::viewUp, {0, 4, 0}, 180, {0, -1, tiny}},
        {&Camera::viewDown, {0, -4, 0}, -180, {0, -1, -tiny}},
        {&Camera::viewFront, {0, 0, 4}, 0, {0, 1, 0}}};
    for (const auto& [view, eye, elevation, up] : cases) {
        (c.*view)();
        EXPECT_EQ(std::tie(c.eye, c.elevation), std::tie(eye, elevation));
        expectNear3(c.up, up.x, up.y, up.z, 1e-14);
    }
    c.setTarget(1, 2, 3);
    c.setZoom(3);
    c.reset();  // brings the target back too; zoom and rotation step stay
    EXPECT_EQ(std::tie(c.eye, c.target, c.up, c.elevation, c.zoom, c.rotationStep),
              std::tuple(Float3{0, 0, 4}, Float3{}, Float3{0, 1, 0}, 0.0f, 3.0f, 5.0f));
}

// Target (1, 2, 3), eye 0.5 away in the horizontal direction (0.6, 0.8).
TEST(Camera, OrbitCirclesTheTargetOneDegreePerPixelAndPassesOverTheTop) {
    Camera c;
    c.setTarget(1, 2, 3);
    c.setEye(1.3f, 2, 3.4f);
    // Moving right by 60 turns the direction by -60 degrees about the vertical, to (h, k).
    c.orbitHorizontal(60);
    const double h = 0.3 - 0.4 * kRoot3, k = 0.4 + 0.3 * kRoot3;
    expectNear3(c.eye, 1 + h / 2, 2, 3 + k / 2);
    EXPECT_EQ(c.rotationStep, 5.0f);  // the borrowed step is given back
    // Straight above the target the turned direction stays: the top of the screen faces away.
    Camera above = c;
    above.setEye(1, 2.5f, 3);
    expectNear3(above.up, -h, 0, -k);
    // Up 30 degrees: cos 30 of the distance out, sin 30 up; up tilts back by as much.
    c.orbitVertical(30);
    expectNear3(c.eye, 1 + kRoot3 / 4 * h, 2.25, 3 + kRoot3 / 4 * k);
    expectNear3(c.up, h / 2, kRoot3 / 2, k / 2);
    // On to 120 degrees, over the top: the eye comes down the far side and up is negated.
    c.orbitVertical(90);
    expectNear3(c.eye, 1 - h / 4, 2 + kRoot3 / 4, 3 - k / 4);
    expectNear3(c.up, -kRoot3 / 2 * h, 0.5, -kRoot3 / 2 * k);
    // A loaded camera takes its direction from the eye, reversed past the top; an eye straight
    // above the target gives none, and the default (0, 1) stays.
    Camera steep = above;
    steep.setEye(1.03f, 2.4f, 3.04f);
    for (const auto& [saved, x, z] :
         {std::tuple{&c, h, k}, {&above, 0.0, 1.0}, {&steep, 0.6, 0.8}}) {
        Archive out;
        saved->serialize(out);
        Camera loaded;
        Archive in(out.bytes().data(), out.bytes().size());
        loaded.serialize(in);
        loaded.setEye(1, 1.5f, 3);  // straight below
        expectNear3(loaded.up, x, 0, z);
    }
    c.orbitVertical(-120);  // back the same way
    expectNear3(c.eye, 1 + h / 2, 2, 3 + k / 2);
}

// An eye set in the dialog gives its elevation (atan2(0.3, 0.4) = 36.87 degrees) and its
// horizontal direction; straight above or below the target the last direction stays.
TEST(Camera, SettingTheEyeDerivesElevationAndUp) {
    const std::tuple<Float3, double, Float3> cases[] = {
        {{1.24f, 2.3f, 3.32f}, 36.869898, {0.36f, 0.8f, 0.48f}},
        {{1, 2.3f, 3.4f}, 36.869898, {0, 0.8f, 0.6f}},
        {{1.4f, 2.3f, 3}, 36.869898, {0.6f, 0.8f, 0}},
        {{1, 2.5f, 3}, 90, {-1, 0, 0}},
        {{1, 1.5f, 3}, -90, {1, 0, 0}}};
    Camera c;
    c.setTarget(1, 2, 3);
    for (const auto& [eye, elevation, up] : cases) {
        c.setEye(eye.x, eye.y, eye.z);
        EXPECT_NEAR(c.elevation, elevation, 1e-4);
        expectNear3(c.up, up.x, up.y, up.z);
    }
}

TEST(Camera, ZoomMovesAlongTheLineToTheTargetAndNeverReachesIt) {
    Camera c;
    c.setTarget(1, 2, 3);
    c.zoomTowardTarget(10);  // a quarter of the way at zoom 2
    expectNear3(c.eye, 0.25, 0.5, 3.75);
    c.zoomTowardTarget(-20);  // backs away by half the remaining offset
    expectNear3(c.eye, -0.125, -0.25, 4.125);
    Camera d;
    d.zoomTowardTarget(5000);  // at most 0.975 of the way
    EXPECT_NEAR(d.eye.z, 0.1, 1e-6);
    // One float from the target, a step rounds onto it: the eye stays.
    const float next = std::nextafter(4.0f, 5.0f);
    d.setTarget(0, 0, 4);
    d.eye = {0, 0, next};
    d.zoomTowardTarget(39);
    EXPECT_EQ(d.eye.z, next);
}

TEST(Camera, DegenerateMovesLeaveNothingUndefined) {
    Camera onTarget, flat, noZoom;
    onTarget.setEye(0, 0, 0);
    flat.elevationCos = 0.0f;  // only a scene file holds one
    noZoom.setZoom(0);         // the dialog allows it
    for (Camera* c : {&onTarget, &flat, &noZoom}) {
        c->orbitHorizontal(10);
        c->orbitVertical(10);
        c->zoomTowardTarget(5);
        EXPECT_TRUE(test::allFinite(*c));
    }
    EXPECT_NEAR(noZoom.distance(), 4, 1e-5);
    // A step that would overflow single precision leaves the eye where it was.
    Camera far;
    far.eye = {3e38f, 0, 3e38f};
    far.orbitHorizontal(45);
    far.zoomTowardTarget(-40);
    EXPECT_EQ(far.eye, (Float3{3e38f, 0, 3e38f}));
}
