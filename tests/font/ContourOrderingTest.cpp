// Ordering of contours into outer contours each followed by their holes, and the inclusive
// ray test that decides whether an outer contour claims a hole.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FontTestSupport.h"
#include "font/OutlineVectorizer.h"

using namespace vyr;
using vyr::test::LoadedFont;
using vyr::test::makeOutline;
using vyr::test::P;

namespace {

Contour polygon(const std::vector<std::pair<double, double>>& pts) {
    Contour c;
    for (const auto& [x, y] : pts)
        c.addPoint(x, y);
    c.finish();
    return c;
}

// Axis-aligned squares in TrueType orientation.
std::vector<P> outer(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}};
}
std::vector<P> hole(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// The contours after vectorize, each named by its lower-left corner "x,y" and orientation.
std::vector<std::string> order(const GlyphOutline& outline) {
    OutlineVectorizer v;
    v.setPrecision(18.0);
    EXPECT_EQ(v.initOutline(outline), 1);
    EXPECT_EQ(v.vectorize(), 1);
    std::vector<std::string> names;
    for (int i = 0; i < v.contourCount(); ++i) {
        const Contour& c = *v.contour(i);
        names.push_back((c.clockwise ? "outer " : "hole ") + std::to_string(int(c.minX)) + "," +
                        std::to_string(int(c.minY)));
    }
    return names;
}

using Names = std::vector<std::string>;

}  // namespace

// --- rayClaims ------------------------------------------------------------------------------

TEST(RayClaims, PointInsideASquareIsClaimedAndOutsideIsNot) {
    const Contour square = polygon({{0, 0}, {0, 10}, {10, 10}, {10, 0}});
    EXPECT_TRUE(rayClaims(square, 5, 5));
    EXPECT_FALSE(rayClaims(square, -1, 5));
    EXPECT_FALSE(rayClaims(square, 5, 11));
    EXPECT_FALSE(rayClaims(square, 15, 5));  // crosses both sides
}

TEST(RayClaims, EdgeExactlyAtTheRayOriginCounts) {
    // x of the edge <= px: a point on the left side is crossed by that side.
    const Contour square = polygon({{0, 0}, {0, 10}, {10, 10}, {10, 0}});
    EXPECT_TRUE(rayClaims(square, 0, 5));
    EXPECT_FALSE(rayClaims(square, 10, 5));  // on the right side: both sides count
}

TEST(RayClaims, RayThroughAVertexCountsOnceWhereTheBoundaryPassesThrough) {
    // Diamond around (5,5). At py = 5 the ray from (8,5) runs through the left vertex (0,5),
    // where the boundary passes from below the ray to above it: one crossing, inside.
    const Contour diamond = polygon({{5, 0}, {10, 5}, {5, 10}, {0, 5}});
    EXPECT_TRUE(rayClaims(diamond, 8, 5));
    EXPECT_TRUE(rayClaims(diamond, 5, 4));
    EXPECT_TRUE(rayClaims(diamond, 5, 6));
    // From the right of the diamond the ray passes through both side vertices: outside.
    EXPECT_FALSE(rayClaims(diamond, 12, 5));
    // Rays that only touch the top or bottom vertex count it zero or two times: outside.
    EXPECT_FALSE(rayClaims(diamond, 12, 10));
    EXPECT_FALSE(rayClaims(diamond, 12, 0));
}

TEST(RayClaims, HorizontalEdgesAtTheRayNeverCount) {
    // Right of a square, level with its top edge: the ray only runs along the boundary.
    const Contour square = polygon({{0, 0}, {0, 10}, {10, 10}, {10, 0}});
    EXPECT_FALSE(rayClaims(square, 12, 10));
    EXPECT_FALSE(rayClaims(square, 12, 0));

    // A block with a bump on top: (20,15) is level with the bump's top edge and outside;
    // (20,10) is level with the shoulders and outside; (7,12) is inside the bump.
    const Contour bump =
        polygon({{0, 0}, {0, 10}, {5, 10}, {5, 15}, {10, 15}, {10, 10}, {15, 10}, {15, 0}});
    EXPECT_FALSE(rayClaims(bump, 20, 15));
    EXPECT_FALSE(rayClaims(bump, 20, 10));
    EXPECT_TRUE(rayClaims(bump, 7, 12));
    EXPECT_TRUE(rayClaims(bump, 12, 8));
}

TEST(RayClaims, ClosingEdgeFromLastPointToFirstIsTested) {
    // The only edge left of (5,5) is the closing edge (0,10)-(0,0).
    const Contour square = polygon({{0, 10}, {10, 10}, {10, 0}, {0, 0}});
    EXPECT_TRUE(rayClaims(square, 5, 5));
}

// --- ordering on synthetic outlines ----------------------------------------------------------

TEST(OutlineVectorizerOrder, HoleListedBeforeItsOuterContourFollowsIt) {
    EXPECT_EQ(order(makeOutline({hole(2, 2, 8, 8), outer(0, 0, 10, 10)})),
              (Names{"outer 0,0", "hole 2,2"}));
}

TEST(OutlineVectorizerOrder, HoleOutsideEveryOuterBoxGoesLast) {
    EXPECT_EQ(order(makeOutline({hole(100, 100, 110, 110), outer(0, 0, 10, 10), hole(2, 2, 8, 8),
                                 outer(20, 0, 30, 10)})),
              (Names{"outer 0,0", "hole 2,2", "outer 20,0", "hole 100,100"}));
}

TEST(OutlineVectorizerOrder, EachHoleFollowsTheOuterContourContainingIt) {
    EXPECT_EQ(order(makeOutline({outer(0, 0, 10, 10), outer(20, 0, 30, 10), hole(22, 2, 24, 8),
                                 hole(2, 2, 8, 8), hole(26, 2, 28, 8)})),
              (Names{"outer 0,0", "hole 2,2", "outer 20,0", "hole 22,2", "hole 26,2"}));
}

TEST(OutlineVectorizerOrder, HoleInsideTheBoxButOutsideTheContourIsNotClaimed) {
    // A U-shaped outer contour; the hole sits in its notch, inside its box, and the ray from
    // the hole's first point crosses the U twice.
    const std::vector<P> u = {{0, 0},   {0, 30},  {10, 30}, {10, 10},
                              {20, 10}, {20, 30}, {30, 30}, {30, 0}};
    EXPECT_EQ(order(makeOutline({u, outer(50, 0, 60, 10), hole(12, 15, 18, 25)})),
              (Names{"outer 0,0", "outer 50,0", "hole 12,15"}));
}

TEST(OutlineVectorizerOrder, HoleReachingOutOfTheOuterBoxIsNotClaimed) {
    // The hole starts inside the first square but its box reaches above it.
    EXPECT_EQ(order(makeOutline({outer(0, 0, 10, 10), outer(20, 0, 30, 10), hole(2, 2, 8, 12)})),
              (Names{"outer 0,0", "outer 20,0", "hole 2,2"}));
}

TEST(OutlineVectorizerOrder, HoleLevelWithAnOuterVertexIsClaimed) {
    // Hinting puts a hole's first point on the same row as outer vertices. Here the ray from
    // the hole's first point (30,50) runs through the outer diamond's left vertex (0,50).
    const std::vector<P> diamond = {{0, 50}, {50, 100}, {100, 50}, {50, 0}};
    const std::vector<P> innerDiamond = {{30, 50}, {50, 30}, {70, 50}, {50, 70}};
    EXPECT_EQ(order(makeOutline({diamond, outer(200, 0, 210, 10), innerDiamond})),
              (Names{"outer 0,0", "hole 30,30", "outer 200,0"}));
}

TEST(OutlineVectorizerOrder, HoleGoesWithTheSmallestOuterContourContainingIt) {
    // A ring with a holed square inside its hole, like a circled R: the square's hole lies
    // inside both outer contours and belongs to the square.
    EXPECT_EQ(order(makeOutline({outer(0, 0, 100, 100), hole(10, 10, 90, 90), outer(30, 30, 70, 70),
                                 hole(40, 40, 60, 60)})),
              (Names{"outer 0,0", "hole 10,10", "outer 30,30", "hole 40,40"}));
    EXPECT_EQ(order(makeOutline({hole(40, 40, 60, 60), hole(10, 10, 90, 90), outer(30, 30, 70, 70),
                                 outer(0, 0, 100, 100)})),
              (Names{"outer 30,30", "hole 40,40", "outer 0,0", "hole 10,10"}));
}

TEST(OutlineVectorizerOrder, OutlineWithoutOuterContoursKeepsItsOrder) {
    EXPECT_EQ(order(makeOutline({hole(20, 0, 30, 10), hole(0, 0, 10, 10)})),
              (Names{"hole 20,0", "hole 0,0"}));
}

// --- ordering on real fonts ------------------------------------------------------------------

class RealFontOrder : public ::testing::TestWithParam<const char*> {
  protected:
    void vectorize(int code) {
        ASSERT_TRUE(font.opened) << GetParam();
        v.setPrecision(18.0);
        ASSERT_EQ(v.init(font.font.glyph(code)), 1) << "code " << code;
        ASSERT_EQ(v.vectorize(), 1);
    }
    static bool boxInside(const Contour& inner, const Contour& outerContour) {
        return inner.minX >= outerContour.minX && inner.maxX <= outerContour.maxX &&
               inner.minY >= outerContour.minY && inner.maxY <= outerContour.maxY;
    }
    LoadedFont font{GetParam()};
    OutlineVectorizer v;
};

TEST_P(RealFontOrder, LetterOGivesItsOuterContourThenItsHole) {
    vectorize('o');
    ASSERT_EQ(v.contourCount(), 2);
    EXPECT_EQ(v.contour(0)->clockwise, 1);
    EXPECT_EQ(v.contour(1)->clockwise, 0);
    EXPECT_TRUE(boxInside(*v.contour(1), *v.contour(0)));
    EXPECT_LT(v.contour(0)->area, 0.0);
    EXPECT_GT(v.contour(1)->area, 0.0);
}

TEST_P(RealFontOrder, DigitEightGivesOneOuterContourThenBothHoles) {
    vectorize('8');
    ASSERT_EQ(v.contourCount(), 3);
    EXPECT_EQ(v.contour(0)->clockwise, 1);
    EXPECT_EQ(v.contour(1)->clockwise, 0);
    EXPECT_EQ(v.contour(2)->clockwise, 0);
    EXPECT_TRUE(boxInside(*v.contour(1), *v.contour(0)));
    EXPECT_TRUE(boxInside(*v.contour(2), *v.contour(0)));
    // One hole above the other, the bar of the 8 between them.
    const Contour& h1 = *v.contour(1);
    const Contour& h2 = *v.contour(2);
    EXPECT_TRUE(h1.minY >= h2.maxY || h2.minY >= h1.maxY);
}

TEST_P(RealFontOrder, EveryHoleFollowsAnOuterContourContainingIt) {
    for (int code = 33; code < 256; ++code) {
        SCOPED_TRACE("code " + std::to_string(code));
        vectorize(code);
        const Contour* currentOuter = nullptr;
        for (int i = 0; i < v.contourCount(); ++i) {
            const Contour& c = *v.contour(i);
            ASSERT_GE(c.count, 2);
            if (c.clockwise) {
                currentOuter = &c;
                continue;
            }
            ASSERT_NE(currentOuter, nullptr) << "hole before any outer contour";
            EXPECT_TRUE(boxInside(c, *currentOuter)) << "contour " << i;
            EXPECT_TRUE(rayClaims(*currentOuter, c.points[0].x, c.points[0].y)) << "contour " << i;
        }
    }
}

TEST_P(RealFontOrder, PercentSignPairsEachRingWithItsOwnHole) {
    vectorize('%');
    ASSERT_EQ(v.contourCount(), 5);
    int outers = 0;
    for (int i = 0; i < 5; ++i)
        outers += v.contour(i)->clockwise;
    EXPECT_EQ(outers, 3);
    // Each hole directly follows a ring whose box holds it.
    for (int i = 1; i < 5; ++i) {
        if (v.contour(i)->clockwise)
            continue;
        ASSERT_EQ(v.contour(i - 1)->clockwise, 1) << "contour " << i;
        EXPECT_TRUE(boxInside(*v.contour(i), *v.contour(i - 1))) << "contour " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, RealFontOrder,
                         ::testing::Values(VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION),
                         vyr::test::fontName);
