// The three spot lights: defaults, turning and moving, worked out by hand, and the 26 stored
// values.

#include "SceneTestSupport.h"

using namespace vyr;

namespace {

const double kDegToRad = 0.017453292222222222;

}  // namespace

TEST(Light, EachNumberHasItsPlaceColourAndStoredAzimuth) {
    const CLight yellow(1), blue(2), green(3);
    EXPECT_EQ(yellow.referencePoint, (Float4{0, -2, 2, 1}));
    EXPECT_EQ(blue.position, (Float4{3, 0, 1, 1}));
    EXPECT_EQ(green.position, (Float4{-3, 0, 1, 1}));
    EXPECT_EQ((std::vector<uint32_t>{yellow.colour, blue.colour, green.colour}),
              (std::vector<uint32_t>{0x00050181u, 0x003EC6FAu, 0x00F27422u}));
    EXPECT_NEAR(yellow.azimuthStepCos, 0.9961947, 1e-7);
    // Lights 2 and 3 carry 1/sqrt(10) and +-3/sqrt(10) until their first turn.
    EXPECT_EQ(blue.azimuthStepCos, static_cast<float>(1 / std::sqrt(10.0)));
    EXPECT_EQ(green.azimuthStepSin, static_cast<float>(-3 / std::sqrt(10.0)));
    EXPECT_EQ(green.cutOff, 25.0f);
    EXPECT_EQ(CLight(3).rendererLight(), 2);
    const CLight first, second;
    EXPECT_EQ(second.number, first.number + 1);
    EXPECT_EQ(CLight::numbersGiven(), second.number);
}

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

TEST(Light, MovingShiftsPositionAndBeamEndAndKeepsTheDirection) {
    CLight l(1);
    l.Move({0.5, -1.0, 0.25});
    EXPECT_EQ(l.position, (Float4{0.5f, -3.0f, 2.25f, 1.0f}));
    EXPECT_EQ(l.beamEnd, (Float4{0.5f, -1.0f, 0.25f, 1.0f}));
    EXPECT_EQ(l.referencePoint, (Float4{0, -2, 2, 1}));
}

TEST(Light, DegenerateValuesProduceNoNaN) {
    CLight seven(7);  // a number outside one to three still works
    EXPECT_EQ(seven.rendererLight(), -1);
    EXPECT_EQ(seven.markerColour(), (Float3{1, 1, 1}));
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

TEST(Light, TwentySixValuesInFileOrder) {
    CLight l(3);
    Archive out;
    l.Serialize(out);
    ASSERT_EQ(out.bytes().size(), 104u);
    Archive in(out.bytes().data(), out.bytes().size());
    EXPECT_EQ(in.readInt(), 3);        // number
    EXPECT_EQ(in.readInt(), 1);        // enabled
    EXPECT_EQ(in.readFloat(), 25.0f);  // cutOff
    EXPECT_EQ(in.readFloat(), -3.0f);  // referencePoint
    for (int i = 0; i < 7; ++i)
        in.readFloat();
    EXPECT_EQ(in.readFloat(), 5.0f);  // azimuth step
    EXPECT_EQ(in.readFloat(), static_cast<float>(1 / std::sqrt(10.0)));
    for (int i = 0; i < 4; ++i)
        in.readFloat();
    EXPECT_EQ(in.readUInt(), 0x00F27422u);  // colour
    for (int i = 0; i < 4; ++i)
        in.readFloat();                // beamEnd
    EXPECT_EQ(in.readFloat(), -3.0f);  // position
}
