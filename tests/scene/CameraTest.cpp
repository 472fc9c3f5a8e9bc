// The camera's views, orbit and zoom, worked out by hand on the default camera 4 units in
// front of the origin.

#include "SceneTestSupport.h"

using namespace vyr;
using test::expectNear3;

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

void orbit(CCamera& c, int dx, int dy) {
    c.OrbitHorizontal(dx);
    c.OrbitVertical(dy);
}

}  // namespace

TEST(Camera, ViewsPutTheEyeOnAnAxisAtTheSameDistance) {
    CCamera c;
    EXPECT_EQ(c.eye, (Float3{0, 0, 4}));
    EXPECT_EQ(c.zoom, 2.0f);
    EXPECT_EQ(c.rotationStepCos, static_cast<float>(std::cos(0.08726646111111111)));
    struct Case {
        void (CCamera::*view)();
        Float3 eye;
        float elevation, upY;
    };
    const Case cases[] = {
        {&CCamera::ViewFront, {0, 0, 4}, 0, 1},  {&CCamera::ViewBack, {0, 0, -4}, 0, 1},
        {&CCamera::ViewRight, {-4, 0, 0}, 0, 1}, {&CCamera::ViewLeft, {4, 0, 0}, 0, 1},
        {&CCamera::ViewUp, {0, 4, 0}, 180, -1},  {&CCamera::ViewDown, {0, -4, 0}, -180, -1}};
    for (const Case& k : cases) {
        (c.*k.view)();
        EXPECT_EQ(c.eye, k.eye);
        EXPECT_EQ(c.elevation, k.elevation);
        EXPECT_FLOAT_EQ(c.up.y, k.upY);
    }
    // sin(180 k) with k = 3.1415926 / 180 is +5.36e-8: its sign fixes which way +z faces on
    // screen after "Up" and "Down", so it must not come from a single-precision pi.
    EXPECT_NEAR(c.up.z, -5.36e-8, 0.01e-8);
    c.ViewUp();
    EXPECT_NEAR(c.up.z, 5.36e-8, 0.01e-8);
}

TEST(Camera, OrbitTurnsOneDegreePerPixelAndPassesOverTheTop) {
    CCamera left;
    orbit(left, 45, 0);
    orbit(left, 45, 0);
    expectNear3(left.eye, -4, 0, 0);
    expectNear3(left.up, 0, 1, 0);
    EXPECT_EQ(left.rotationStep, 5.0f);  // the borrowed step is given back
    CCamera top;
    orbit(top, 0, 90);
    expectNear3(top.eye, 0, 4, 0);
    expectNear3(top.up, 0, 0, -1);
    // Past 90 degrees the stored cosine turns negative; dividing by it keeps the horizontal
    // direction, so the eye comes down the far side and can go back the same way.
    CCamera c;
    orbit(c, 0, 100);
    expectNear3(c.eye, 0, 4 * std::sin(100 * kDeg), 4 * std::cos(100 * kDeg), 1e-5);
    expectNear3(c.up, 0, -std::cos(100 * kDeg), -std::sin(100 * kDeg), 1e-5);
    orbit(c, 0, -100);
    expectNear3(c.eye, 0, 0, 4, 1e-5);
    expectNear3(c.up, 0, 1, 0, 1e-5);
    // An eye set in the dialog gives its elevation (atan2(3, 4) = 36.87 degrees).
    c.SetEye(0, 3, 4);
    EXPECT_NEAR(c.elevation, 36.869898, 1e-4);
    expectNear3(c.up, 0, 0.8, 0.6);
    // After "Up" the next step sees the angle of (D, -D), 135 degrees, and adds n to it.
    c.ViewUp();
    c.OrbitVertical(10);
    EXPECT_NEAR(c.elevation, 145.0, 1e-4);
    expectNear3(c.eye, 0, 5 * std::sin(145 * kDeg), 0, 1e-5);
}

TEST(Camera, ZoomMovesAlongTheLineToTheTargetAndNeverReachesIt) {
    CCamera c;
    c.SetTarget(1, 2, 3);
    c.ZoomTowardTarget(10);  // a quarter of the way at zoom 2
    expectNear3(c.eye, 0.25, 0.5, 3.75);
    c.ZoomTowardTarget(-20);  // backs away by half the remaining offset
    expectNear3(c.eye, -0.125, -0.25, 4.125);
    CCamera d;
    for (int n : {40, 5000, 39, 39, 39, 39})
        d.ZoomTowardTarget(n);
    EXPECT_GT(d.eye.z, 0.0f);
    CCamera still;
    still.SetZoom(0);  // the dialog allows it; the divisor must not reach the eye
    still.ZoomTowardTarget(10);
    EXPECT_EQ(still.eye, (Float3{0, 0, 4}));
}

TEST(Camera, EyeAboveOrOnTheTargetLeavesNothingUndefined) {
    CCamera c;
    orbit(c, 90, 0);  // heading now -x
    c.SetEye(0, 5, 0);
    EXPECT_NEAR(c.elevation, 90.0, 1e-4);
    expectNear3(c.up, 1, 0, 0);  // the top of the screen faces away from the old eye side
    c.SetEye(0, -5, 0);
    expectNear3(c.up, -1, 0, 0);
    c.SetEye(0, 0, 0);
    orbit(c, 10, 10);
    c.ZoomTowardTarget(5);
    EXPECT_TRUE(test::allFinite(c));
    CCamera d;
    d.elevationCos = 0.0f;  // only a scene file holds one
    d.OrbitVertical(5);
    EXPECT_TRUE(test::allFinite(d));
}
