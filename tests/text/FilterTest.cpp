#include <gtest/gtest.h>

#include <cmath>

#include "font/Contour.h"
#include "text/Filters.h"
#include "text/VertexRecord.h"

using namespace vyr;

namespace {

// Applies one filter to a point at glyph coordinates (x, y) of a character at offset o.
Vec3 filtered(int index, double x, double y, double o, double w, int yMin = -60, int yMax = 200,
              int i = 0, int n = 4) {
    ContourPoint p{x, y, nullptr};
    VertexRecord r;
    r.position = {x + o, y, 0.0};
    applyFilter(index, r, p, r, o, yMin, yMax, i, n, w);
    return r.position;
}

}  // namespace

TEST(Filters, NamesAreAlphabeticalWithNoneAtFour) {
    const char* names[] = {"chaos",       "circle",  "drunk",       "floppy", "none",
                           "perspective", "rainbow", "semi-circle", "twirl"};
    for (int i = 0; i < kFilterCount; ++i) {
        EXPECT_STREQ(filterName(i), names[i]);
        EXPECT_EQ(filterIndex(names[i]), i);
    }
    EXPECT_EQ(filterName(9), nullptr);
    EXPECT_EQ(filterIndex("wobble"), -1);
}

TEST(Filters, NoneAndUnknownIndicesLeaveThePositionExactly) {
    for (int index : {static_cast<int>(kFilterNone), -1, 9}) {
        const Vec3 p = filtered(index, 12.5, -7.25, 100.0, 500.0);
        EXPECT_EQ(p, (Vec3{112.5, -7.25, 0.0}));
    }
}

TEST(Filters, CircleMapsTheOriginOfASingleCharacterBelowTheCentre) {
    const double w = 200.0;
    const Vec3 p = filtered(kFilterCircle, 0.0, 0.0, 0.0, w);
    // a = -3.14: cos a ~ -1, sin a ~ -0.0016, r = 500.
    EXPECT_DOUBLE_EQ(p.x, 500.0 * std::cos(-3.14) + 0.5 * w);
    EXPECT_DOUBLE_EQ(p.y, 500.0 * std::sin(-3.14));
    EXPECT_NEAR(p.x, -500.0 + w / 2, 0.01);
    EXPECT_NEAR(p.y, -0.8, 0.01);
}

TEST(Filters, RainbowKeepsTheEndsAndLowersTheMiddleBy200) {
    const double w = 400.0;
    EXPECT_NEAR(filtered(kFilterRainbow, 0.0, 10.0, 0.0, w).y, 10.0, 1e-12);
    EXPECT_NEAR(filtered(kFilterRainbow, 50.0, 10.0, 350.0, w).y, 10.0 - 200.0 * std::sin(3.14),
                1e-12);
    EXPECT_NEAR(filtered(kFilterRainbow, 50.0, 10.0, 350.0, w).y, 10.0, 0.4);
    EXPECT_DOUBLE_EQ(filtered(kFilterRainbow, 0.0, 10.0, 200.0, w).y,
                     10.0 - 200.0 * std::sin(3.14 * 0.5));
    EXPECT_NEAR(filtered(kFilterRainbow, 0.0, 10.0, 200.0, w).y, 10.0 - 200.0, 1e-3);
}

TEST(Filters, ChaosThenCircleEqualsCircleAlone) {
    const double x = 31.0, y = 47.0, o = 120.0, w = 640.0;
    ContourPoint p{x, y, nullptr};
    VertexRecord both;
    both.position = {x + o, y, 0.0};
    applyFilter(kFilterChaos, both, p, both, o, 0, 100, 2, 7, w);
    EXPECT_NE(both.position.x, x + o);
    applyFilter(kFilterCircle, both, p, both, o, 0, 100, 2, 7, w);
    const Vec3 alone = filtered(kFilterCircle, x, y, o, w, 0, 100, 2, 7);
    EXPECT_EQ(both.position, alone);
}

TEST(Filters, ChaosWobblesBothAxesByTheirOwnFormula) {
    const Vec3 p = filtered(kFilterChaos, 10.0, 20.0, 5.0, 100.0, 0, 100, 1, 4);
    EXPECT_DOUBLE_EQ(p.x, 15.0 + 5.0 * std::sin(6.28 * (0.02 * 10.0)));
    EXPECT_DOUBLE_EQ(p.y, 20.0 + 5.0 * std::sin(6.28 * (0.02 * 20.0 + 0.25)));
}

TEST(Filters, FloppyMovesOnlyYAndRestartsPerCharacter) {
    const double x = 40.0, y = 15.0, o = 300.0;
    const Vec3 p = filtered(kFilterFloppy, x, y, o, 1000.0);
    EXPECT_EQ(p.x, x + o);
    EXPECT_DOUBLE_EQ(p.y, y - 30.0 * std::sin((x - (10 + o)) / ((0 - 10) * 3.14)));
}

TEST(Filters, DrunkMovesXAndYByEqualAndOppositeAmounts) {
    const double x = 40.0, y = 15.0, o = 300.0;
    const Vec3 p = filtered(kFilterDrunk, x, y, o, 1000.0);
    const double s = 20.0 * std::sin((x - o - 10.0) / -31.4);
    EXPECT_NEAR(p.x - (x + o), s, 1e-9);
    EXPECT_NEAR(p.y - y, -s, 1e-9);
    EXPECT_NE(s, 0.0);
}

TEST(Filters, PerspectiveShearsYByXAndFadesWithHeight) {
    const double w = 150.0;
    // y = yMin: full shear; y = yMax: none.
    const Vec3 low = filtered(kFilterPerspective, 10.0, -60.0, 20.0, w, -60, 200);
    EXPECT_DOUBLE_EQ(low.y, 1.0 * (0.25 - 0.001 * w) * 30.0 + -60.0 + w / 3.0);
    EXPECT_EQ(low.x, 30.0);
    const Vec3 high = filtered(kFilterPerspective, 10.0, 200.0, 20.0, w, -60, 200);
    EXPECT_DOUBLE_EQ(high.y, 200.0 + w / 3.0);
}

TEST(Filters, PerspectiveOnAFlatTextLeavesThePointInsteadOfDividingByZero) {
    const Vec3 p = filtered(kFilterPerspective, 10.0, 3.0, 20.0, 150.0, 3, 3);
    EXPECT_EQ(p, (Vec3{30.0, 3.0, 0.0}));
}

TEST(Filters, ZeroWidthNeverProducesNaN) {
    for (int index : {kFilterCircle, kFilterRainbow, kFilterSemiCircle, kFilterTwirl}) {
        const Vec3 p = filtered(index, 0.0, 5.0, 0.0, 0.0);
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << filterName(index);
    }
}

TEST(Filters, SemiCircleAndTwirlFollowTheTextPosition) {
    const double x = 20.0, y = 30.0, o = 80.0, w = 400.0;
    const Vec3 semi = filtered(kFilterSemiCircle, x, y, o, w);
    const double a = -3.14 - 3.14 * (x + o) / w;
    EXPECT_DOUBLE_EQ(semi.x, (y + 500.0) * std::cos(a) + 0.5 * w);
    EXPECT_DOUBLE_EQ(semi.y, (y + 500.0) * std::sin(a));
    const Vec3 twirl = filtered(kFilterTwirl, x, y, o, w);
    const double b = -6.28 * (x + o) / w;
    EXPECT_DOUBLE_EQ(twirl.x, (y + 500.0) * std::cos(b) + o);
    EXPECT_DOUBLE_EQ(twirl.y, (y + 500.0) * std::sin(b));
}
