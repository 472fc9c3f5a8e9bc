// Flattening of quadratic outlines into polylines. Expected points are worked out by hand from
// B(t) = (1-t)^2 P0 + 2t(1-t) P1 + t^2 P2 with n = int(box side / precision + 0.5) pieces.

#include <gmock/gmock.h>

#include <limits>

#include "FontTestSupport.h"

using namespace vyr;
using test::makeOutline;
using test::Points;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

MATCHER(NearPoint, "within 1e-12 in x and y") {
    const auto& [a, b] = arg;
    return std::abs(a.first - b.first) <= 1e-12 && std::abs(a.second - b.second) <= 1e-12;
}

}  // namespace

TEST(OutlineFlattening, OneContourByHand) {
    using Curve = std::vector<test::P>;
    const Curve fiveWide = {{0, 0}, {2, 4, false}, {5, 0}};
    const Curve twoOff = {{0, 0}, {0, 8, false}, {8, 8, false}, {8, 0}};
    const Curve offOff = {{0, 0, false}, {0, 8, false}, {8, 8}, {8, 0}};
    const Curve allOff = {{0, 0, false}, {0, 8, false}, {8, 8, false}, {8, 0, false}};
    const Points n3 = {{0, 0}, {13.0 / 9, 16.0 / 9}, {28.0 / 9, 16.0 / 9}, {5, 0}};
    const Points quarters = {{0, 0}, {2, 3}, {4, 4}, {6, 3}, {8, 0}};
    const Points squarePoints = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};
    const Points twoOffFine = {{0, 0},      {0.25, 3.5}, {1, 6},      {2.25, 7.5}, {4, 8},
                               {5.75, 7.5}, {7, 6},      {7.75, 3.5}, {8, 0}};
    // One contour, the precision and the points it is flattened into.
    const std::tuple<Curve, double, Points> cases[] = {
        {fiveWide, 2.0, n3},  // n = int(2.5 + 0.5): half rounds up
        {fiveWide, 1.6, n3},  // n = int(3.125 + 0.5)
        {fiveWide, 2.5, {{0, 0}, {2.25, 2}, {5, 0}}},
        {fiveWide, 4.0, {{0, 0}, {5, 0}}},
        // Two points: a line there and back.
        {{{0, 0}, {5, 0}}, 18.0, {{0, 0}, {5, 0}}},
        {fiveWide, kInf, {{0, 0}, {5, 0}}},
        // n = 0: the curve adds its start only.
        {{{0, 0}, {2, 4, false}, {5, 0}, {5, -20}, {0, -20}},
         12.5,
         {{0, 0}, {5, 0}, {5, -20}, {0, -20}}},
        {{{0, 0}, {4, 8, false}, {8, 0}}, 2.0, quarters},  // t = 1/4, 1/2, 3/4
        // A closing curve does not repeat the first point.
        {{{0, 0}, {8, 0}, {4, 8, false}}, 2.0, {{0, 0}, {8, 0}, {6, 3}, {4, 4}, {2, 3}}},
        {test::outer(0, 0, 10, 10), 18.0, squarePoints},
        // Equal successive points give one, before a line or a curve.
        {{{0, 0}, {0, 10}, {0, 10}, {10, 10}, {10, 0}}, 18.0, squarePoints},
        {{{0, 0}, {0, 0}, {4, 8, false}, {8, 0}}, 2.0, quarters},
        // Two off points meet at their midpoint; coarse, straight through it.
        {twoOff, 2.0, twoOffFine},
        {twoOff, 100.0, {{0, 0}, {4, 8}, {8, 0}}},
        // An off first point: the contour closes with a line, or starts at a midpoint.
        {{{0, 0, false}, {0, 8}, {8, 8}, {8, 0}}, 2.0, {{0, 8}, {8, 8}, {8, 0}}},
        {offOff, 100.0, {{0, 4}, {8, 8}, {8, 0}}},
        {offOff, 2.0, {{0, 4}, {0.5, 5.75}, {2, 7}, {4.5, 7.75}, {8, 8}, {8, 0}}},
        // All off: the last piece closes straight to the first midpoint.
        {allOff, 100.0, {{0, 4}, {4, 8}, {8, 4}}},
        {allOff, 2.0, {{0, 4}, {1, 7}, {4, 8}, {7, 7}, {8, 4}, {7, 1}}},
    };
    for (const auto& [contour, precision, expected] : cases) {
        SCOPED_TRACE(::testing::PrintToString(expected));
        OutlineVectorizer v;
        test::vectorize(v, makeOutline({contour}), precision);
        ASSERT_EQ(v.contourCount(), 1);
        EXPECT_THAT(test::pointsOf(*v.contour(0)), testing::Pointwise(NearPoint(), expected));
        // A second run starts afresh.
        v.vectorize();
        EXPECT_THAT(test::pointsOf(*v.contour(0)), testing::Pointwise(NearPoint(), expected));
    }
}

TEST(OutlineFlattening, TheStepIsThePrecisionAtLeastOneHundredthDoubledOverThePointBudget) {
    const auto unitCurve = makeOutline({{{0, 0}, {0.5, 1, false}, {1, 0}}});
    for (double p : {0.02, 0.01, 0.005, 0.0, -0.0, -3.0, -kInf, kNaN}) {
        SCOPED_TRACE(p);
        OutlineVectorizer v;
        test::vectorize(v, unitCurve, p);
        EXPECT_EQ(v.precision(), p == 0.02 ? p : 0.01);
        // Box side 1: n = 1 / precision pieces. At t = 1/n, x = t and y = 2t(1-t).
        const Points pts = test::pointsOf(*v.contour(0));
        const double t = v.precision();
        ASSERT_EQ(pts.size(), size_t(std::lround(1 / t) + 1));
        EXPECT_NEAR(pts[1].first, t, 1e-12);
        EXPECT_NEAR(pts[1].second, 2 * t * (1 - t), 1e-12);
    }
    // Over the point budget the step doubles until the glyph fits. One curve 2000 wide: at
    // 2000 / 19999, 19999 pieces and the end point, just within; at 0.1 one more, so 0.2; at
    // 0.04 so 0.16.
    const auto wide = makeOutline({{{0, 0}, {1000, 2000, false}, {2000, 0}}});
    for (const auto& [precision, points] :
         {std::pair{2000.0 / 19999, 20000}, {0.1, 10001}, {0.04, 12501}}) {
        OutlineVectorizer v;
        test::vectorize(v, wide, precision);
        EXPECT_EQ(v.pointCount(), points) << precision;
    }
}

TEST(OutlineFlattening, BadInputIsRefusedAndLeavesNoContours) {
    // Contour ends past the points, repeated, or a tag missing.
    const GlyphOutline square = makeOutline({test::outer(0, 0, 10, 10)});
    GlyphOutline pastTheEnd = square, repeated = square, missingTag = square;
    pastTheEnd.contourEnds = {4};
    repeated.contourEnds = {1, 1, 3};
    missingTag.tags.pop_back();
    GlyphOutline* const noGlyph = nullptr;
    for (const GlyphOutline* bad : {&pastTheEnd, &repeated, &missingTag, noGlyph}) {
        OutlineVectorizer v;
        test::vectorize(v, square);
        EXPECT_EQ(bad ? v.initOutline(*bad) : v.init(nullptr), 0);
        EXPECT_FALSE(v.hasOutline());
        v.vectorize();
        EXPECT_TRUE(v.contourCount() == 0 && v.advance() == 0.0);
    }
}
