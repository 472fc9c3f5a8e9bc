// Flattening of quadratic outlines into polylines: precision, segment counts, Bezier points and
// the walk over on- and off-curve points. Expected points are worked out by hand from
// B(t) = (1-t)^2 P0 + 2t(1-t) P1 + t^2 P2 on outlines given in pixels.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "FontTestSupport.h"
#include "font/OutlineVectorizer.h"

using namespace vyr;
using vyr::test::makeOutline;
using vyr::test::P;

namespace {

using Points = std::vector<std::pair<double, double>>;

void expectPoints(const Contour& contour, const Points& expected) {
    ASSERT_EQ(contour.count, static_cast<int>(expected.size()))
        << ::testing::PrintToString(vyr::test::pointsOf(contour));
    for (int i = 0; i < contour.count; ++i) {
        EXPECT_NEAR(contour.points[i].x, expected[i].first, 1e-12) << "point " << i;
        EXPECT_NEAR(contour.points[i].y, expected[i].second, 1e-12) << "point " << i;
    }
}

// Flattens a one-contour outline and returns its only contour's points.
Points flattenOne(const GlyphOutline& outline, double precision) {
    OutlineVectorizer v;
    v.setPrecision(precision);
    EXPECT_EQ(v.initOutline(outline), 1);
    EXPECT_EQ(v.vectorize(), 1);
    EXPECT_EQ(v.contourCount(), 1);
    return v.contourCount() == 1 ? vyr::test::pointsOf(*v.contour(0)) : Points{};
}

void expectPointsNear(const Points& actual, const Points& expected) {
    ASSERT_EQ(actual.size(), expected.size()) << ::testing::PrintToString(actual);
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].first, expected[i].first, 1e-12) << "point " << i;
        EXPECT_NEAR(actual[i].second, expected[i].second, 1e-12) << "point " << i;
    }
}

// A single curve piece (0,0) -(1,1)- ... with a 1 x 1 pixel control box, closed by a line.
GlyphOutline unitCurve() {
    return makeOutline({{{0, 0}, {0.5, 1, false}, {1, 0}}});
}

// A curve piece whose control box is 5 pixels wide and 4 high, closed by a line.
GlyphOutline fiveWideCurve() {
    return makeOutline({{{0, 0}, {2, 4, false}, {5, 0}}});
}

}  // namespace

// --- precision -----------------------------------------------------------------------------

TEST(OutlineVectorizerPrecision, ValuesAtOrBelowOneHundredthAreStoredAsOneHundredth) {
    OutlineVectorizer v;
    for (double p : {0.01, 0.005, 0.0, -0.0, -3.0, -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        v.setPrecision(18.0);
        v.setPrecision(p);
        EXPECT_EQ(v.precision(), 0.01) << "precision " << p;
    }
    v.setPrecision(0.0100001);
    EXPECT_EQ(v.precision(), 0.0100001);
    v.setPrecision(18.0);
    EXPECT_EQ(v.precision(), 18.0);
}

TEST(OutlineVectorizerPrecision, ZeroNegativeAndNaNFlattenWithStepOneHundredth) {
    // Box side 1 pixel at step 0.01: n = 100, so the start, 99 interior points and the end.
    for (double p : {0.0, -1.0, 0.01, std::numeric_limits<double>::quiet_NaN()}) {
        const Points pts = flattenOne(unitCurve(), p);
        ASSERT_EQ(pts.size(), 101u) << "precision " << p;
        for (const auto& [x, y] : pts) {
            ASSERT_TRUE(std::isfinite(x) && std::isfinite(y)) << "precision " << p;
        }
        // t = 1/100: x = 2t(1-t) * 0.5 + t^2 = t, y = 2t(1-t).
        EXPECT_NEAR(pts[1].first, 0.01, 1e-12);
        EXPECT_NEAR(pts[1].second, 2 * 0.01 * 0.99, 1e-12);
    }
    EXPECT_EQ(flattenOne(unitCurve(), 0.02).size(), 51u);  // n = 50
}

TEST(OutlineVectorizerPrecision, InfinitePrecisionFlattensCurvesToStraightLines) {
    expectPointsNear(flattenOne(unitCurve(), std::numeric_limits<double>::infinity()),
                     {{0, 0}, {1, 0}});
}

// --- segment count and curve points --------------------------------------------------------

TEST(OutlineVectorizerCurve, BoxOfFourTenthsOfPrecisionAddsOnlyTheStartPoint) {
    // Box side 5 at precision 12.5: n = int(0.4 + 0.5) = 0. The curve (0,0)-(2,4)-(5,0)
    // contributes (0,0) only; (5,0) is the start of the following straight pieces.
    const GlyphOutline outline = makeOutline({{{0, 0}, {2, 4, false}, {5, 0}, {5, -20}, {0, -20}}});
    expectPointsNear(flattenOne(outline, 12.5), {{0, 0}, {5, 0}, {5, -20}, {0, -20}});
}

TEST(OutlineVectorizerCurve, SegmentCountRoundsHalfUp) {
    // Box side 5; n = int(5 / precision + 0.5).
    const Points n3 = {{0, 0}, {13.0 / 9, 16.0 / 9}, {28.0 / 9, 16.0 / 9}, {5, 0}};
    expectPointsNear(flattenOne(fiveWideCurve(), 2.0), n3);  // 2.5 + 0.5 -> 3
    expectPointsNear(flattenOne(fiveWideCurve(), 1.6), n3);  // 3.125 + 0.5 -> 3
    expectPointsNear(flattenOne(fiveWideCurve(), 2.5), {{0, 0}, {2.25, 2}, {5, 0}});  // n = 2
    expectPointsNear(flattenOne(fiveWideCurve(), 4.0), {{0, 0}, {5, 0}});             // n = 1
}

TEST(OutlineVectorizerCurve, InteriorPointsLieOnTheQuadraticBezierAtEvenSteps) {
    // (0,0)-(4,8)-(8,0), box 8 at precision 2: n = 4, t = 1/4, 1/2, 3/4 give x = 8t,
    // y = 16t(1-t).
    const GlyphOutline outline = makeOutline({{{0, 0}, {4, 8, false}, {8, 0}}});
    OutlineVectorizer v;
    v.setPrecision(2.0);
    ASSERT_EQ(v.initOutline(outline), 1);
    ASSERT_EQ(v.vectorize(), 1);
    ASSERT_EQ(v.contourCount(), 1);
    expectPoints(*v.contour(0), {{0, 0}, {2, 3}, {4, 4}, {6, 3}, {8, 0}});
}

TEST(OutlineVectorizerCurve, ClosingCurveEndsAtTheFirstPointWithoutRepeatingIt) {
    // The last piece (8,0)-(4,8)-(0,0) runs back to the first point, which is not added again.
    const GlyphOutline outline = makeOutline({{{0, 0}, {8, 0}, {4, 8, false}}});
    expectPointsNear(flattenOne(outline, 2.0), {{0, 0}, {8, 0}, {6, 3}, {4, 4}, {2, 3}});
}

// --- the walk over on- and off-curve points -------------------------------------------------

TEST(OutlineVectorizerWalk, OnCurveContourYieldsItsPointsWithTheLastOnce) {
    const GlyphOutline outline = makeOutline({{{0, 0}, {0, 10}, {10, 10}, {10, 0}}});
    expectPointsNear(flattenOne(outline, 18.0), {{0, 0}, {0, 10}, {10, 10}, {10, 0}});
}

TEST(OutlineVectorizerWalk, EqualSuccessivePointsGiveOnePoint) {
    const GlyphOutline square = makeOutline({{{0, 0}, {0, 10}, {0, 10}, {10, 10}, {10, 0}}});
    expectPointsNear(flattenOne(square, 18.0), {{0, 0}, {0, 10}, {10, 10}, {10, 0}});
    // A repeated point in front of a curve piece is its start point only once.
    const GlyphOutline curve = makeOutline({{{0, 0}, {0, 0}, {4, 8, false}, {8, 0}}});
    expectPointsNear(flattenOne(curve, 2.0), {{0, 0}, {2, 3}, {4, 4}, {6, 3}, {8, 0}});
}

TEST(OutlineVectorizerWalk, ConsecutiveOffPointsMeetAtTheirMidpoint) {
    // (0,0) on, (0,8) off, (8,8) off, (8,0) on: the pieces are (0,0)-(0,8)-(4,8) and
    // (4,8)-(8,8)-(8,0), each with box side 8 -> n = 4 at precision 2.
    const GlyphOutline outline = makeOutline({{{0, 0}, {0, 8, false}, {8, 8, false}, {8, 0}}});
    expectPointsNear(flattenOne(outline, 2.0), {{0, 0},
                                                {0.25, 3.5},
                                                {1, 6},
                                                {2.25, 7.5},
                                                {4, 8},
                                                {5.75, 7.5},
                                                {7, 6},
                                                {7.75, 3.5},
                                                {8, 0}});
    // With coarse precision each piece is a straight line through the implied midpoint.
    expectPointsNear(flattenOne(outline, 100.0), {{0, 0}, {4, 8}, {8, 0}});
}

TEST(OutlineVectorizerWalk, OffCurveFirstPointBecomesTheClosingStraightLine) {
    // Off, on, on, on: the off-curve first point is skipped; the contour closes (8,0)-(0,8).
    const GlyphOutline offOn = makeOutline({{{0, 0, false}, {0, 8}, {8, 8}, {8, 0}}});
    expectPointsNear(flattenOne(offOn, 2.0), {{0, 8}, {8, 8}, {8, 0}});

    // Off, off, on, on: the first piece starts at the midpoint (0,4) of the two off points;
    // the closing line runs from (8,0) back to it, cutting the corner at (0,0).
    const GlyphOutline offOff = makeOutline({{{0, 0, false}, {0, 8, false}, {8, 8}, {8, 0}}});
    expectPointsNear(flattenOne(offOff, 100.0), {{0, 4}, {8, 8}, {8, 0}});
    // At precision 2 the piece (0,4)-(0,8)-(8,8) has box side 8 -> n = 4.
    expectPointsNear(flattenOne(offOff, 2.0),
                     {{0, 4}, {0.5, 5.75}, {2, 7}, {4.5, 7.75}, {8, 8}, {8, 0}});
}

TEST(OutlineVectorizerWalk, AllOffCurveContourClosesFromTheLastPieceStraightToTheFirst) {
    // Four off points: the pieces run between the implied midpoints (0,4), (4,8), (8,4) and
    // (4,0). The last piece, (8,4)-(8,0)-(4,0), contributes its start and interior points but
    // not its end (4,0); the contour then closes straight to (0,4), so the piece around the
    // first point, (4,0)-(0,0)-(0,4), becomes a straight line.
    const GlyphOutline outline =
        makeOutline({{{0, 0, false}, {0, 8, false}, {8, 8, false}, {8, 0, false}}});
    expectPointsNear(flattenOne(outline, 100.0), {{0, 4}, {4, 8}, {8, 4}});
    // At precision 2 each piece (box side 4) gets n = 2, i.e. its midpoint at t = 1/2.
    expectPointsNear(flattenOne(outline, 2.0), {{0, 4}, {1, 7}, {4, 8}, {7, 7}, {8, 4}, {7, 1}});
}

TEST(OutlineVectorizerWalk, OnePointAndDegenerateContoursAreDroppedKeepingTheOthersInOrder) {
    // Two separate outer squares with a one-point contour and a contour whose points all
    // coincide between them.
    const GlyphOutline outline = makeOutline({
        {{0, 0}, {0, 10}, {10, 10}, {10, 0}},
        {{50, 50}},
        {{60, 60}, {60, 60}, {60, 60, false}},
        {{20, 0}, {20, 10}, {30, 10}, {30, 0}},
    });
    OutlineVectorizer v;
    v.setPrecision(18.0);
    ASSERT_EQ(v.initOutline(outline), 1);
    ASSERT_EQ(v.vectorize(), 1);
    ASSERT_EQ(v.contourCount(), 2);
    EXPECT_EQ(v.contour(0)->points[0].x, 0.0);
    EXPECT_EQ(v.contour(1)->points[0].x, 20.0);
    EXPECT_EQ(v.contour(2), nullptr);
    EXPECT_EQ(v.contour(-1), nullptr);
    EXPECT_EQ(v.pointCount(), 8);
}

TEST(OutlineVectorizerWalk, SecondContourStartsAfterTheFirstContoursLastPoint) {
    // Each contour wraps to its own first point, not to point 0 of the outline.
    const GlyphOutline outline = makeOutline({
        {{0, 0}, {0, 10}, {10, 10}, {10, 0}},
        {{20, 0}, {28, 0}, {24, 8, false}},
    });
    OutlineVectorizer v;
    v.setPrecision(2.0);
    ASSERT_EQ(v.initOutline(outline), 1);
    ASSERT_EQ(v.vectorize(), 1);
    ASSERT_EQ(v.contourCount(), 2);
    const Contour* second = v.contour(0)->clockwise ? v.contour(1) : v.contour(0);
    expectPoints(*second, {{20, 0}, {28, 0}, {26, 3}, {24, 4}, {22, 3}});
}

TEST(OutlineVectorizerWalk, VectorizingTwiceGivesTheSameContours) {
    const GlyphOutline outline = makeOutline({{{0, 0}, {0, 8, false}, {8, 8, false}, {8, 0}}});
    OutlineVectorizer v;
    v.setPrecision(2.0);
    ASSERT_EQ(v.initOutline(outline), 1);
    ASSERT_EQ(v.vectorize(), 1);
    const Points first = vyr::test::pointsOf(*v.contour(0));
    ASSERT_EQ(v.vectorize(), 1);
    ASSERT_EQ(v.contourCount(), 1);
    EXPECT_EQ(vyr::test::pointsOf(*v.contour(0)), first);
}

TEST(OutlineVectorizerInput, InconsistentOutlineIsRefusedAndLeavesNoContours) {
    OutlineVectorizer v;
    GlyphOutline endPastPoints = makeOutline({{{0, 0}, {0, 10}, {10, 10}}});
    endPastPoints.contourEnds = {5};
    EXPECT_EQ(v.initOutline(endPastPoints), 0);
    EXPECT_EQ(v.vectorize(), 1);
    EXPECT_EQ(v.contourCount(), 0);

    GlyphOutline decreasing = makeOutline({{{0, 0}, {0, 10}}, {{10, 10}, {10, 0}}});
    decreasing.contourEnds = {3, 1};
    EXPECT_EQ(v.initOutline(decreasing), 0);

    GlyphOutline missingTags = makeOutline({{{0, 0}, {0, 10}, {10, 10}}});
    missingTags.tags.pop_back();
    EXPECT_EQ(v.initOutline(missingTags), 0);
    EXPECT_FALSE(v.hasOutline());
}

TEST(OutlineVectorizerInput, MissingGlyphFailsInitAndGivesNoAdvance) {
    OutlineVectorizer v;
    ASSERT_EQ(v.initOutline(makeOutline({{{0, 0}, {0, 10}, {10, 10}}})), 1);
    ASSERT_EQ(v.vectorize(), 1);
    EXPECT_EQ(v.init(nullptr), 0);
    EXPECT_EQ(v.contourCount(), 0);
    EXPECT_EQ(v.glyph(), nullptr);
    EXPECT_EQ(v.advance(), 0.0);
    EXPECT_EQ(v.vectorize(), 1);
    EXPECT_EQ(v.contourCount(), 0);
}
