#include <gtest/gtest.h>

#include <cmath>

#include "core/Archive.h"
#include "scene/CLight.h"

using namespace vyr;

namespace {

const double kDegToRad = 0.017453292222222222;

bool allFinite(const CLight& l) {
    for (const Float4& p : {l.referencePoint, l.targetPoint, l.beamEnd, l.position}) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z) ||
            !std::isfinite(p.w))
            return false;
    }
    for (float v : {l.elevation, l.elevationCos, l.elevationSin, l.azimuthStep, l.azimuthStepCos,
                    l.azimuthStepSin}) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

}  // namespace

TEST(LightDefaults, EachNumberHasItsPlaceColourAndStoredAzimuth) {
    const CLight yellow(1), blue(2), green(3);
    EXPECT_EQ(yellow.referencePoint, (Float4{0, -2, 2, 1}));
    EXPECT_EQ(blue.position, (Float4{3, 0, 1, 1}));
    EXPECT_EQ(green.position, (Float4{-3, 0, 1, 1}));
    EXPECT_EQ(yellow.colour, 0x00050181u);
    EXPECT_EQ(blue.colour, 0x003EC6FAu);
    EXPECT_EQ(green.colour, 0x00F27422u);
    EXPECT_EQ(yellow.azimuthStepCos, static_cast<float>(std::cos(0.08726646111111111)));
    EXPECT_NEAR(yellow.azimuthStepCos, 0.9961947, 1e-7);
    // Lights 2 and 3 carry 1/sqrt(10) and +-3/sqrt(10) until their first turn.
    EXPECT_EQ(blue.azimuthStepCos, static_cast<float>(1 / std::sqrt(10.0)));
    EXPECT_EQ(blue.azimuthStepSin, static_cast<float>(3 / std::sqrt(10.0)));
    EXPECT_EQ(green.azimuthStepSin, static_cast<float>(-3 / std::sqrt(10.0)));
    for (const CLight* l : {&yellow, &blue, &green}) {
        EXPECT_EQ(l->beamEnd, (Float4{0, 0, 0, 1}));
        EXPECT_EQ(l->targetPoint, (Float4{0, 0, 0, 1}));
        EXPECT_EQ(l->cutOff, 25.0f);
        EXPECT_EQ(l->enabled, 1);
    }
}

TEST(LightDefaults, TheCounterNumbersLightsInCreationOrder) {
    const CLight first;
    const CLight second;
    EXPECT_EQ(second.number, first.number + 1);
    const CLight explicitNumber(2);
    EXPECT_EQ(CLight::numbersGiven(), second.number);
    EXPECT_EQ(explicitNumber.number, 2);
}

TEST(LightTurn, FirstTurnOfLight1BringsItsReferencePointToItsStoredElevation) {
    // The stored elevation 0 does not match (0, -2, 2): even a turn with dy = 0 moves the
    // reference point to elevation atan2(-2, 2 sqrt 2) = -35.26 degrees, distance 2 sqrt(2/3).
    CLight l(1);
    l.Turn(0, 0);
    EXPECT_NEAR(l.referencePoint.x, 0.0, 1e-6);
    EXPECT_NEAR(l.referencePoint.y, -1.6329932, 1e-5);
    EXPECT_NEAR(l.referencePoint.z, 1.6329932, 1e-5);
    EXPECT_NEAR(l.elevation, -35.26439, 1e-4);
    EXPECT_NEAR(l.DirectionLength(), 2.3094011, 1e-5);
}

TEST(LightTurn, FirstTurnOfLights2And3StoresTheFiveDegreeStep) {
    for (int n : {2, 3}) {
        CLight l(n);
        l.Turn(0, 0);
        EXPECT_EQ(l.azimuthStep, 5.0f);
        EXPECT_EQ(l.azimuthStepCos, static_cast<float>(std::cos(5 * kDegToRad)));
        EXPECT_EQ(l.azimuthStepSin, static_cast<float>(std::sin(5 * kDegToRad)));
    }
}

TEST(LightTurn, MovingRightTurnsClockwiseSeenFromAbove) {
    CLight l(2);  // reference point (3, 0, 1)
    l.RotateAzimuth(90);
    EXPECT_NEAR(l.referencePoint.x, -1.0, 1e-6);
    EXPECT_NEAR(l.referencePoint.z, 3.0, 1e-6);
    EXPECT_EQ(l.referencePoint.y, 0.0f);
}

TEST(LightTurn, MovingDownRaisesTheReferencePointOneDegreePerPixel) {
    CLight l(2);  // elevation 0 matches (3, 0, 1)
    l.RotateElevation(30);
    const double r = std::sqrt(10.0);
    EXPECT_NEAR(l.elevation, 30.0, 1e-5);
    EXPECT_NEAR(l.referencePoint.y, r * 0.5, 1e-5);
    EXPECT_NEAR(l.referencePoint.x, 3 * std::cos(30 * kDegToRad), 1e-5);
    EXPECT_NEAR(l.referencePoint.z, std::cos(30 * kDegToRad), 1e-5);
    EXPECT_NEAR(l.DirectionLength(), r, 1e-5);
}

TEST(LightTurn, TurningKeepsThePositionAndPutsTheBeamEndAlongTheDirection) {
    CLight l(2);
    l.Turn(25, -12);
    EXPECT_EQ(l.position, (Float4{3, 0, 1, 1}));
    EXPECT_FLOAT_EQ(l.beamEnd.x, l.position.x - l.referencePoint.x);
    EXPECT_FLOAT_EQ(l.beamEnd.y, l.position.y - l.referencePoint.y);
    EXPECT_FLOAT_EQ(l.beamEnd.z, l.position.z - l.referencePoint.z);
    EXPECT_EQ(l.beamEnd.w, 1.0f);
}

TEST(LightMove, MovingShiftsPositionAndBeamEndAndKeepsTheDirection) {
    CLight l(1);
    l.Move({0.5, -1.0, 0.25});
    EXPECT_EQ(l.position, (Float4{0.5f, -3.0f, 2.25f, 1.0f}));
    EXPECT_EQ(l.beamEnd, (Float4{0.5f, -1.0f, 0.25f, 1.0f}));
    EXPECT_EQ(l.referencePoint, (Float4{0, -2, 2, 1}));
}

TEST(LightDegenerate, NumbersOutsideOneToThreeStillWork) {
    CLight l(7);
    EXPECT_EQ(l.rendererLight(), -1);
    EXPECT_EQ(l.markerColour(), (Float3{1, 1, 1}));
    l.Turn(10, 10);
    l.Move({1, 1, 1});
    EXPECT_TRUE(allFinite(l));
    EXPECT_EQ(CLight(3).rendererLight(), 2);
}

TEST(LightDegenerate, ZeroDirectionAndZeroStoredCosineProduceNoNaN) {
    CLight l(1);
    l.referencePoint = l.targetPoint;
    l.Turn(10, 10);
    EXPECT_TRUE(allFinite(l));
    EXPECT_EQ(l.DirectionLength(), 0.0);

    CLight m(2);
    m.elevationCos = 0.0f;  // only a scene file holds such a value
    m.Turn(0, 5);
    EXPECT_TRUE(allFinite(m));
    EXPECT_NEAR(m.DirectionLength(), std::sqrt(10.0), 1e-5);

    CLight overhead(1);
    overhead.referencePoint = {0, 2, 0, 1};  // straight above the target
    overhead.Turn(3, 7);
    EXPECT_TRUE(allFinite(overhead));
}

TEST(LightFile, TwentySixValuesInFileOrder) {
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
