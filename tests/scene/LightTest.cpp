// The three spot lights turning, worked out by hand, and values that must not give NaN.

#include "SceneTestSupport.h"

using namespace vyr;

namespace {

const double kDegToRad = 0.017453292222222222;

}  // namespace

TEST(Light, TurningFollowsTheMouseOneDegreePerPixel) {
    // The stored elevation 0 does not match (0, -2, 2): even a turn with dy = 0 moves the
    // reference point to elevation atan2(-2, 2 sqrt 2) = -35.26 degrees, distance 2 sqrt(2/3).
    CLight yellow(1);
    yellow.Turn(0, 0);
    test::expectNear3({yellow.referencePoint.x, yellow.referencePoint.y, yellow.referencePoint.z},
                      0, -1.6329932, 1.6329932, 1e-5);
    EXPECT_NEAR(yellow.elevation, -35.26439, 1e-4);
    EXPECT_NEAR(yellow.DirectionLength(), 2.3094011, 1e-5);
    // Lights 2 and 3 take the five-degree step at their first turn.
    CLight green(3);
    green.Turn(0, 0);
    EXPECT_EQ(green.azimuthStepCos, static_cast<float>(std::cos(5 * kDegToRad)));
    // Moving right turns clockwise seen from above: (3, 0, 1) by 90 degrees.
    CLight blue(2);
    blue.RotateAzimuth(90);
    test::expectNear3({blue.referencePoint.x, blue.referencePoint.y, blue.referencePoint.z}, -1, 0,
                      3);
    // Moving down raises the reference point: 30 degrees on a radius of sqrt(10).
    CLight raised(2);
    raised.RotateElevation(30);
    test::expectNear3({raised.referencePoint.x, raised.referencePoint.y, raised.referencePoint.z},
                      3 * std::cos(30 * kDegToRad), std::sqrt(10.0) / 2, std::cos(30 * kDegToRad),
                      1e-5);
    // Turning keeps the position and puts the beam end along the direction.
    raised.Turn(25, -12);
    EXPECT_EQ(raised.position, (Float4{3, 0, 1, 1}));
    EXPECT_FLOAT_EQ(raised.beamEnd.x, 3 - raised.referencePoint.x);
    EXPECT_FLOAT_EQ(raised.beamEnd.z, 1 - raised.referencePoint.z);
}

TEST(Light, DegenerateValuesProduceNoNaN) {
    CLight seven(7);  // a number outside one to three still works
    CLight zero(1), cosine(2), overhead(1);
    zero.referencePoint = zero.targetPoint;
    cosine.elevationCos = 0.0f;  // only a scene file holds such a value
    overhead.referencePoint = {0, 2, 0, 1};
    for (CLight* l : {&seven, &zero, &cosine, &overhead}) {
        l->Turn(10, 10);
        l->Move({1, 1, 1});
        EXPECT_TRUE(test::allFinite(*l)) << l->number;
    }
    EXPECT_EQ(zero.DirectionLength(), 0.0);
    EXPECT_NEAR(cosine.DirectionLength(), std::sqrt(10.0), 1e-5);
}
