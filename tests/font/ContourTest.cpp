// The contour record: signed area, orientation, bounding box, duplicate points and growth.

#include "FontTestSupport.h"

using namespace vyr;

namespace {

Contour contourOf(const test::Points& pts) {
    Contour c;
    c.reset();
    for (const auto& [x, y] : pts)
        c.addPoint(x, y);
    c.finish();
    return c;
}

}  // namespace

TEST(Contour, AreaOrientationAndBoxByHand) {
    struct Case {
        test::Points points;
        double area;
        int clockwise;
        double minX, maxX, minY, maxY;
    };
    const Case cases[] = {
        {{{0, 0}, {4, 0}, {0, 3}}, 6.0, 0, 0, 4, 0, 3},
        {{{0, 3}, {4, 0}, {0, 0}}, -6.0, 1, 0, 4, 0, 3},
        // Away from the origin the closing edge counts: without it the sum is 13.5.
        {{{1, 1}, {5, 1}, {5, 4}, {1, 4}}, 12.0, 0, 1, 5, 1, 4},
        {{{-2, 7}, {3, -1}, {9, 4}, {1, 11}}, 63.0, 0, -2, 9, -1, 11},
        // Fewer than two points: no area, an empty box.
        {{}, 0.0, 0, 1e20, -1e20, 1e20, -1e20},
        {{{3, 4}}, 0.0, 0, 3, 3, 4, 4},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::PrintToString(k.points));
        const Contour c = contourOf(k.points);
        EXPECT_DOUBLE_EQ(c.area, k.area);
        EXPECT_EQ(c.clockwise, k.clockwise);
        EXPECT_EQ((std::vector<double>{c.minX, c.maxX, c.minY, c.maxY}),
                  (std::vector<double>{k.minX, k.maxX, k.minY, k.maxY}));
    }
}

TEST(Contour, PointWithinOneHundredMillionthOfTheLastIsSkipped) {
    Contour c;
    const test::Points added = {{1.0, 1.0},
                                {1.0 + 5e-9, 1.0 - 5e-9},  // close in x and y: skipped
                                {1.0 + 2e-8, 1.0},         // far enough in x alone
                                {1.0 + 2e-8, 1.0 + 2e-8},  // far enough in y alone
                                {1.0, 1.0}};               // equal to an earlier point
    for (const auto& [x, y] : added)
        c.addPoint(x, y);
    EXPECT_EQ(c.count, 4);
}

TEST(Contour, CapacityGrowsFromEightByHalvesKeepingThePoints) {
    Contour c;
    EXPECT_EQ(c.capacity, 0);
    for (int n = 1; n <= 28; ++n) {
        c.addPoint(n, n % 3);
        const int expected = n <= 8 ? 8 : n <= 12 ? 12 : n <= 18 ? 18 : n <= 27 ? 27 : 40;
        ASSERT_EQ(c.capacity, expected) << "after " << n << " points";
    }
    for (int i = 0; i < 28; ++i)
        EXPECT_EQ(test::pointsOf(c)[i], std::make_pair(double(i + 1), double((i + 1) % 3)));
}
