#include <gtest/gtest.h>

#include <cmath>

#include "core/Archive.h"
#include "scene/CCamera.h"

using namespace vyr;

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

void expectNear3(const Float3& p, double x, double y, double z, double tolerance = 1e-6) {
    EXPECT_NEAR(p.x, x, tolerance);
    EXPECT_NEAR(p.y, y, tolerance);
    EXPECT_NEAR(p.z, z, tolerance);
}

bool allFinite(const CCamera& c) {
    for (float v : {c.eye.x, c.eye.y, c.eye.z, c.target.x, c.target.y, c.target.z, c.up.x, c.up.y,
                    c.up.z, c.elevation, c.elevationCos, c.elevationSin}) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

// One drag step in rotate-camera mode.
void orbit(CCamera& c, int dx, int dy) {
    c.OrbitHorizontal(dx);
    c.OrbitVertical(dy);
}

}  // namespace

TEST(CameraViews, FreshCameraLooksDownTheZAxisAndFrontKeepsIt) {
    CCamera c;
    EXPECT_EQ(c.eye, (Float3{0, 0, 4}));
    EXPECT_EQ(c.target, (Float3{0, 0, 0}));
    EXPECT_EQ(c.up, (Float3{0, 1, 0}));
    EXPECT_EQ(c.zoom, 2.0f);
    EXPECT_EQ(c.rotationStepCos, static_cast<float>(std::cos(0.08726646111111111)));
    EXPECT_EQ(c.rotationStepSin, static_cast<float>(std::sin(0.08726646111111111)));

    c.ViewFront();
    EXPECT_EQ(c.eye, (Float3{0, 0, 4}));
    EXPECT_EQ(c.up, (Float3{0, 1, 0}));
    EXPECT_EQ(c.elevation, 0.0f);

    c.ViewBack();
    EXPECT_EQ(c.eye, (Float3{0, 0, -4}));
    EXPECT_EQ(c.up, (Float3{0, 1, 0}));
}

TEST(CameraViews, RightAndLeftPutTheEyeOnTheXAxisAtTheSameDistance) {
    CCamera c;
    c.ZoomTowardTarget(20);  // distance 2
    c.ViewRight();
    EXPECT_EQ(c.eye, (Float3{-2, 0, 0}));
    c.ViewLeft();
    EXPECT_EQ(c.eye, (Float3{2, 0, 0}));
    EXPECT_EQ(c.up, (Float3{0, 1, 0}));
}

TEST(CameraViews, UpAndDownTiltTheUpVectorOppositeWays) {
    // sin(180 k) with k = 3.1415926 / 180 is +5.36e-8: the sign fixes which way +z faces on
    // screen, so it must not be computed from a single-precision pi.
    CCamera c;
    c.ViewUp();
    EXPECT_EQ(c.eye, (Float3{0, 4, 0}));
    EXPECT_EQ(c.elevation, 180.0f);
    EXPECT_FLOAT_EQ(c.up.y, -1.0f);
    EXPECT_EQ(c.up.x, 0.0f);
    EXPECT_NEAR(c.up.z, 5.36e-8, 0.01e-8);

    c.ViewDown();
    EXPECT_EQ(c.eye, (Float3{0, -4, 0}));
    EXPECT_EQ(c.elevation, -180.0f);
    EXPECT_FLOAT_EQ(c.up.y, -1.0f);
    EXPECT_NEAR(c.up.z, -5.36e-8, 0.01e-8);
}

TEST(CameraViews, ResetRestoresEyeTargetAndUpButKeepsZoomAndStep) {
    CCamera c;
    c.SetZoom(7);
    c.SetRotationStep(30);
    c.SetTarget(1, 2, 3);
    orbit(c, 40, 70);
    c.Reset();
    EXPECT_EQ(c.eye, (Float3{0, 0, 4}));
    EXPECT_EQ(c.target, (Float3{0, 0, 0}));
    EXPECT_EQ(c.up, (Float3{0, 1, 0}));
    EXPECT_EQ(c.zoom, 7.0f);
    EXPECT_EQ(c.rotationStep, 30.0f);
}

TEST(CameraOrbit, VerticalDragOf90PixelsGoesOverTheTopWithUpTowardMinusZ) {
    CCamera c;
    orbit(c, 0, 90);
    expectNear3(c.eye, 0, 4, 0);
    expectNear3(c.up, 0, 0, -1);
    EXPECT_FLOAT_EQ(c.elevation, 90.0f);
}

TEST(CameraOrbit, HorizontalDragOf90PixelsCirclesToTheLeftSide) {
    CCamera c;
    orbit(c, 90, 0);
    expectNear3(c.eye, -4, 0, 0);
    expectNear3(c.up, 0, 1, 0);
    // The borrowed rotation step slots are given back.
    EXPECT_EQ(c.rotationStep, 5.0f);
    EXPECT_EQ(c.rotationStepCos, static_cast<float>(std::cos(0.08726646111111111)));
}

TEST(CameraOrbit, PassingOverTheTopAndBackReturnsToTheStart) {
    // Past 90 degrees the stored cosine turns negative; dividing by it keeps the horizontal
    // direction, so the eye comes down the far side and can go back the same way.
    CCamera c;
    orbit(c, 0, 100);
    expectNear3(c.eye, 0, 4 * std::sin(100 * kDeg), 4 * std::cos(100 * kDeg), 1e-5);
    EXPECT_GT(c.up.y, 0.0f);  // |sin| > |cos|: the negated up vector
    expectNear3(c.up, 0, -std::cos(100 * kDeg), -std::sin(100 * kDeg), 1e-5);
    orbit(c, 0, 40);
    EXPECT_NEAR(c.elevation, 140.0f, 1e-4);
    orbit(c, 0, -140);
    expectNear3(c.eye, 0, 0, 4, 1e-5);
    expectNear3(c.up, 0, 1, 0, 1e-5);
}

TEST(CameraOrbit, DialogEyeGivesItsElevationAndAZeroDragKeepsIt) {
    CCamera c;
    c.SetEye(0, 3, 4);
    EXPECT_NEAR(c.elevation, std::atan2(3.0, 4.0) / kDeg, 1e-4);  // 36.87
    expectNear3(c.up, 0, 0.8, 0.6);
    c.OrbitVertical(0);
    expectNear3(c.eye, 0, 3, 4);
    expectNear3(c.up, 0, 0.8, 0.6);
}

TEST(CameraOrbit, VerticalDragAfterUpMovesAlongTheAxisAt135PlusN) {
    // After "Up" the eye stands on the axis with a stored elevation of 180: the next step
    // sees the angle of (D, -D), 135 degrees, and adds n to it.
    CCamera c;
    c.ViewUp();
    c.OrbitVertical(10);
    EXPECT_NEAR(c.elevation, 145.0, 1e-4);
    expectNear3(c.eye, 0, 4 * std::sin(145 * kDeg), 0, 1e-5);

    CCamera d;
    d.ViewDown();
    d.OrbitVertical(10);
    EXPECT_NEAR(d.elevation, -125.0, 1e-4);
    expectNear3(d.eye, 0, 4 * std::sin(-125 * kDeg), 0, 1e-5);
}

TEST(CameraZoom, ZoomMovesTheEyeAlongTheLineToAnOffOriginTarget) {
    CCamera c;
    c.SetTarget(1, 2, 3);
    c.ZoomTowardTarget(10);  // a quarter of the way at zoom 2
    expectNear3(c.eye, 0.25, 0.5, 3.75);
    c.ZoomTowardTarget(-20);  // backs away by half the remaining offset
    expectNear3(c.eye, -0.125, -0.25, 4.125);
    // Still on the line through the original eye and the target.
    const double t = (c.eye.x - 0.0) / 1.0;
    EXPECT_NEAR(c.eye.y, 2 * t, 1e-6);
    EXPECT_NEAR(c.eye.z, 4 - t, 1e-6);
}

TEST(CameraZoom, AStepNeverReachesOrPassesTheTarget) {
    CCamera c;
    c.ZoomTowardTarget(40);  // a full distance at zoom 2
    EXPECT_GT(c.eye.z, 0.0f);
    c.ZoomTowardTarget(5000);
    EXPECT_GT(c.eye.z, 0.0f);
    for (int i = 0; i < 200; ++i)
        c.ZoomTowardTarget(39);
    EXPECT_GT(c.Distance(), 0.0);

    CCamera still;
    still.SetZoom(0);  // the dialog allows it; the divisor must not reach the eye
    still.ZoomTowardTarget(10);
    EXPECT_EQ(still.eye, (Float3{0, 0, 4}));
}

TEST(CameraDegenerate, EyeStraightAboveTheTargetKeepsTheLastHeading) {
    CCamera c;
    orbit(c, 90, 0);  // heading now -x
    c.SetEye(0, 5, 0);
    ASSERT_TRUE(allFinite(c));
    EXPECT_NEAR(c.elevation, 90.0, 1e-4);
    // Looking straight down, the top of the screen faces away from the old eye side.
    expectNear3(c.up, 1, 0, 0);

    c.SetEye(0, -5, 0);
    ASSERT_TRUE(allFinite(c));
    EXPECT_NEAR(c.elevation, -90.0, 1e-4);
    expectNear3(c.up, -1, 0, 0);
}

TEST(CameraDegenerate, EyeOnTheTargetLeavesNothingUndefined) {
    CCamera c;
    c.SetEye(0, 0, 0);
    EXPECT_TRUE(allFinite(c));
    c.SetTarget(0, 0, 0);
    EXPECT_TRUE(allFinite(c));
    orbit(c, 10, 10);
    c.ZoomTowardTarget(5);
    c.ViewUp();
    c.OrbitVertical(3);
    EXPECT_TRUE(allFinite(c));

    // A stored elevation cosine of 0 (only a scene file holds one).
    CCamera d;
    d.elevationCos = 0.0f;
    d.OrbitVertical(5);
    EXPECT_TRUE(allFinite(d));
}

TEST(CameraFile, SixteenFloatsInFileOrder) {
    CCamera c;
    c.eye = {1, 2, 3};
    c.target = {4, 5, 6};
    c.rotationStep = 7, c.rotationStepCos = 8, c.rotationStepSin = 9;
    c.elevation = 10, c.elevationCos = 11, c.elevationSin = 12;
    c.zoom = 13;
    c.up = {14, 15, 16};
    Archive out;
    c.Serialize(out);
    ASSERT_EQ(out.bytes().size(), 64u);
    Archive in(out.bytes().data(), out.bytes().size());
    for (int i = 1; i <= 16; ++i)
        EXPECT_EQ(in.readFloat(), static_cast<float>(i));
}
