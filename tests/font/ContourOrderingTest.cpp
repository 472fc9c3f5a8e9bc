// The contour record (signed area, orientation, box), the half-open ray test that decides
// whether an outer contour claims a hole, and the ordering of contours into outer contours each
// followed by their holes.

#include "FontTestSupport.h"

using namespace vyr;
using test::hole;
using test::outer;
using test::P;

namespace {

// The contours after vectorize, each named by orientation and lower-left corner.
std::vector<std::string> order(const std::vector<std::vector<P>>& contours) {
    OutlineVectorizer v;
    test::vectorize(v, test::makeOutline(contours));
    std::vector<std::string> names;
    for (int i = 0; i < v.contourCount(); ++i) {
        const Contour& c = *v.contour(i);
        names.push_back((c.clockwise ? "outer " : "hole ") + std::to_string(int(c.minX)) + "," +
                        std::to_string(int(c.minY)));
    }
    return names;
}

}  // namespace

TEST(RayClaims, HalfOpenEdgesCountAVertexOnceWhereTheBoundaryPassesThrough) {
    const Contour square = test::contourOf({{0, 0}, {0, 10}, {10, 10}, {10, 0}});
    const Contour closingLeft = test::contourOf({{0, 10}, {10, 10}, {10, 0}, {0, 0}});
    const Contour diamond = test::contourOf({{5, 0}, {10, 5}, {5, 10}, {0, 5}});
    const Contour bump =
        test::contourOf({{0, 0}, {0, 10}, {5, 10}, {5, 15}, {10, 15}, {10, 10}, {15, 10}, {15, 0}});
    // A contour, a point (x, y) and whether the contour claims it.
    const std::tuple<const Contour*, double, double, bool> cases[] = {
        {&square, 5, 5, true},    {&square, -1, 5, false},   {&square, 5, 11, false},
        {&square, 15, 5, false},  {&square, 0, 5, true},     {&square, 10, 5, false},
        {&square, 12, 10, false}, {&square, 12, 0, false},   {&closingLeft, 5, 5, true},
        {&diamond, 8, 5, true},   {&diamond, 5, 4, true},    {&diamond, 5, 6, true},
        {&diamond, 12, 5, false}, {&diamond, 12, 10, false}, {&diamond, 12, 0, false},
        {&bump, 20, 15, false},   {&bump, 20, 10, false},    {&bump, 7, 12, true},
        {&bump, 12, 8, true},
    };
    for (const auto& [contour, x, y, claimed] : cases)
        EXPECT_EQ(rayClaims(*contour, x, y), claimed)
            << "contour " << (contour - &square) << " at (" << x << ", " << y << ")";
}

TEST(ContourOrder, EachHoleFollowsTheSmallestOuterContourContainingIt) {
    using Names = std::vector<std::string>;
    // A U-shaped outer contour whose notch holds a hole inside its box but outside itself.
    const std::vector<P> u = {{0, 0},   {0, 30},  {10, 30}, {10, 10},
                              {20, 10}, {20, 30}, {30, 30}, {30, 0}};
    const std::vector<P> diamond = {{0, 50}, {50, 100}, {100, 50}, {50, 0}};
    const std::vector<P> innerDiamond = {{30, 50}, {50, 30}, {70, 50}, {50, 70}};
    const std::pair<std::vector<std::vector<P>>, Names> cases[] = {
        {{hole(2, 2, 8, 8), outer(0, 0, 10, 10)}, {"outer 0,0", "hole 2,2"}},
        {{hole(100, 100, 110, 110), outer(0, 0, 10, 10), hole(2, 2, 8, 8), outer(20, 0, 30, 10)},
         {"outer 0,0", "hole 2,2", "outer 20,0", "hole 100,100"}},
        {{outer(0, 0, 10, 10), outer(20, 0, 30, 10), hole(22, 2, 24, 8), hole(2, 2, 8, 8),
          hole(26, 2, 28, 8)},
         {"outer 0,0", "hole 2,2", "outer 20,0", "hole 22,2", "hole 26,2"}},
        {{u, outer(50, 0, 60, 10), hole(12, 15, 18, 25)},
         {"outer 0,0", "outer 50,0", "hole 12,15"}},
        // The hole's box reaches out of the square's; a diamond's box equals it.
        {{outer(0, 0, 10, 10), outer(20, 0, 30, 10), hole(2, 2, 8, 12)},
         {"outer 0,0", "outer 20,0", "hole 2,2"}},
        {{outer(0, 0, 10, 10), outer(20, 0, 30, 10), {{5, 0}, {10, 5}, {5, 10}, {0, 5}}},
         {"outer 0,0", "hole 0,0", "outer 20,0"}},
        // The ray from the hole's first point runs through the outer diamond's left vertex.
        {{diamond, outer(200, 0, 210, 10), innerDiamond},
         {"outer 0,0", "hole 30,30", "outer 200,0"}},
        // A holed square inside a ring's hole, like a circled R, in either order; its hole
        // stays with it also when the ring is found after it.
        {{outer(0, 0, 100, 100), hole(10, 10, 90, 90), outer(30, 30, 70, 70), hole(40, 40, 60, 60)},
         {"outer 0,0", "hole 10,10", "outer 30,30", "hole 40,40"}},
        {{outer(30, 30, 70, 70), hole(10, 10, 90, 90), hole(40, 40, 60, 60), outer(0, 0, 100, 100)},
         {"outer 30,30", "hole 40,40", "outer 0,0", "hole 10,10"}},
        {{hole(20, 0, 30, 10), hole(0, 0, 10, 10)}, {"hole 20,0", "hole 0,0"}},
    };
    for (const auto& [contours, expected] : cases)
        EXPECT_EQ(order(contours), expected);
}

TEST(Contour, AreaOrientationAndBoxByHand) {
    // Points, area, clockwise, box (min x, max x, min y, max y).
    const std::tuple<test::Points, double, int, std::array<double, 4>> cases[] = {
        {{{0, 0}, {4, 0}, {0, 3}}, 6.0, 0, {0, 4, 0, 3}},
        {{{0, 3}, {4, 0}, {0, 0}}, -6.0, 1, {0, 4, 0, 3}},
        // Away from the origin the closing edge counts: without it the sum is 13.5.
        {{{1, 1}, {5, 1}, {5, 4}, {1, 4}}, 12.0, 0, {1, 5, 1, 4}},
        {{{-2, 7}, {3, -1}, {9, 4}, {1, 11}}, 63.0, 0, {-2, 9, -1, 11}},
        // A line has no area; a sliver of a tenth of a pixel has one, counter-clockwise.
        {{{0, 0}, {5, 0}}, 0.0, 0, {0, 5, 0, 0}},
        {{{0, 0}, {1, 0}, {0, 0.1}}, 0.05, 0, {0, 1, 0, 0.1}},
        // Fewer than two points: no area, an empty box.
        {{}, 0.0, 0, {1e20, -1e20, 1e20, -1e20}},
        {{{3, 4}}, 0.0, 0, {3, 3, 4, 4}},
    };
    for (const auto& [points, area, clockwise, box] : cases) {
        SCOPED_TRACE(::testing::PrintToString(points));
        const Contour c = test::contourOf(points);
        EXPECT_DOUBLE_EQ(c.area, area);
        EXPECT_EQ(c.clockwise, clockwise);
        EXPECT_EQ((std::array<double, 4>{c.minX, c.maxX, c.minY, c.maxY}), box);
    }
}
