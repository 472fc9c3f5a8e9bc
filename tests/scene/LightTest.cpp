// The three spot lights turning, worked out by hand, and values that must not give NaN.

#include "SceneTestSupport.h"

using namespace vyr;
using test::expectNear3;
using test::kRoot3;

const auto xyz = [](const Float4& p) { return Float3{p.x, p.y, p.z}; };

// Numbers outside 1 to 3 (possible in a scene file) are white and have no renderer light.
TEST(Light, EachNumberHasItsMarkerColourAndRendererLight) {
    const Float3 markers[] = {{1, 1, 1}, {1, 1, 0}, {0, 0, 1}, {0, 1, 0}, {1, 1, 1}};
    const int renderers[] = {-1, 0, 1, 2, -1};
    for (int n = 0; n < 5; ++n) {
        const Light l(n);
        EXPECT_EQ(std::tuple(l.markerColour(), l.rendererLight(), l.colour == 0x00FFFFFF),
                  std::tuple(markers[n], renderers[n], renderers[n] < 0))
            << n;
    }
}

TEST(Light, TurningFollowsTheMouseOneDegreePerPixel) {
    // Target (1, 2, 3), reference point 0.5 away in the horizontal direction (0.6, 0.8).
    Light blue(2);
    blue.targetPoint = {1, 2, 3, 1};
    blue.referencePoint = {1.3f, 2, 3.4f, 1};
    // Moving right by 60 turns clockwise seen from above, by -60 degrees about the vertical.
    blue.rotateAzimuth(60);
    const double h = 0.3 - 0.4 * kRoot3, k = 0.4 + 0.3 * kRoot3;
    expectNear3(xyz(blue.referencePoint), 1 + h / 2, 2, 3 + k / 2);
    // The step is given back, with the cosine of 5 degrees for the stored one (1 / sqrt 10).
    EXPECT_EQ(blue.azimuthStepCos, static_cast<float>(std::cos(5 * 0.017453292222222222)));
    // Moving down by 30 and 30 raises it to 60 degrees at the same distance.
    blue.rotateElevation(30);
    expectNear3(xyz(blue.referencePoint), 1 + kRoot3 / 4 * h, 2.25, 3 + kRoot3 / 4 * k);
    blue.rotateElevation(30);
    expectNear3(xyz(blue.referencePoint), 1 + h / 4, 2 + kRoot3 / 4, 3 + k / 4);
    EXPECT_NEAR(blue.elevation, 60, 1e-4);
    // Turning keeps the position (3, 0, 1) and puts the beam end along the direction.
    blue.turn(0, 0);
    EXPECT_EQ(blue.position, (Float4{3, 0, 1, 1}));
    expectNear3(xyz(blue.beamEnd), 3 - h / 4, -kRoot3 / 4, 1 - k / 4);
}

TEST(Light, DegenerateValuesProduceNoNaN) {
    Light zero(1), cosine(2), overhead(1), far(2);
    zero.referencePoint = zero.targetPoint;
    // A stored elevation cosine of 0 (only a scene file holds one) turns the offset's own
    // direction: (0.6, 0.8) at 30 degrees, or straight up from 90 to 120 degrees.
    cosine.elevationCos = overhead.elevationCos = 0.0f;
    cosine.referencePoint = {0.3f, 0, 0.4f, 1};
    overhead.referencePoint = {0, 2, 0, 1};
    for (Light* l : {&zero, &cosine, &overhead}) {
        l->turn(0, 30);
        EXPECT_TRUE(test::allFinite(*l)) << l->number;
    }
    EXPECT_EQ(zero.elevation, 0.0f);  // nothing to turn
    expectNear3(xyz(cosine.referencePoint), 0.15 * kRoot3, 0.25, 0.2 * kRoot3);
    expectNear3(xyz(overhead.referencePoint), 0, kRoot3, 0);
    // A turn or move that would overflow single precision leaves the points where they were.
    far.referencePoint = far.beamEnd = {3e38f, 0, 3e38f, 1};
    far.rotateAzimuth(45);
    far.move({1e38, 0, 0});
    EXPECT_EQ(
        std::tie(far.referencePoint, far.beamEnd, far.position),
        std::tuple(Float4{3e38f, 0, 3e38f, 1}, Float4{3e38f, 0, 3e38f, 1}, Float4{3, 0, 1, 1}));
}
