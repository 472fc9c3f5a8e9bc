// The contour record: signed area, orientation, bounding box, duplicate points and growth.

#include <gtest/gtest.h>

#include <vector>

#include "font/Contour.h"

using namespace vyr;

namespace {

Contour contourOf(const std::vector<std::pair<double, double>>& pts) {
    Contour c;
    c.reset();
    for (const auto& [x, y] : pts)
        c.addPoint(x, y);
    c.finish();
    return c;
}

}  // namespace

TEST(Contour, CounterClockwiseAreaIsPositiveAndNotClockwise) {
    const Contour c = contourOf({{0, 0}, {4, 0}, {0, 3}});
    EXPECT_DOUBLE_EQ(c.area, 6.0);
    EXPECT_EQ(c.clockwise, 0);
}

TEST(Contour, ClockwiseAreaIsNegativeAndFlagged) {
    const Contour c = contourOf({{0, 3}, {4, 0}, {0, 0}});
    EXPECT_DOUBLE_EQ(c.area, -6.0);
    EXPECT_EQ(c.clockwise, 1);
}

TEST(Contour, AreaIncludesTheClosingEdge) {
    // Away from the origin the closing edge (1,4)-(1,1) contributes; without it the sum is 13.5.
    const Contour c = contourOf({{1, 1}, {5, 1}, {5, 4}, {1, 4}});
    EXPECT_DOUBLE_EQ(c.area, 12.0);
}

TEST(Contour, BoundingBoxSpansAllPoints) {
    const Contour c = contourOf({{-2, 7}, {3, -1}, {9, 4}, {1, 11}});
    EXPECT_EQ(c.minX, -2.0);
    EXPECT_EQ(c.maxX, 9.0);
    EXPECT_EQ(c.minY, -1.0);
    EXPECT_EQ(c.maxY, 11.0);
}

TEST(Contour, FewerThanTwoPointsKeepZeroAreaAndEmptyBox) {
    const Contour empty = contourOf({});
    EXPECT_EQ(empty.area, 0.0);
    EXPECT_EQ(empty.clockwise, 0);
    EXPECT_EQ(empty.minX, 1e20);
    EXPECT_EQ(empty.maxX, -1e20);
    const Contour one = contourOf({{3, 4}});
    EXPECT_EQ(one.count, 1);
    EXPECT_EQ(one.area, 0.0);
}

TEST(Contour, PointWithinOneHundredMillionthOfTheLastIsSkipped) {
    Contour c;
    c.addPoint(1.0, 1.0);
    c.addPoint(1.0 + 5e-9, 1.0 - 5e-9);  // close in both x and y: skipped
    EXPECT_EQ(c.count, 1);
    c.addPoint(1.0 + 2e-8, 1.0);  // far enough in x alone: kept
    EXPECT_EQ(c.count, 2);
    c.addPoint(1.0 + 2e-8, 1.0 + 2e-8);  // far enough in y alone: kept
    EXPECT_EQ(c.count, 3);
    c.addPoint(1.0, 1.0);  // equal to a point before the last: kept
    EXPECT_EQ(c.count, 4);
}

TEST(Contour, CapacityGrowsFromEightByHalves) {
    Contour c;
    EXPECT_EQ(c.capacity, 0);
    std::vector<int> capacities;
    for (int i = 0; i < 28; ++i) {
        c.addPoint(i, i % 3);
        capacities.push_back(c.capacity);
    }
    for (int n = 1; n <= 28; ++n) {
        const int expected = n <= 8 ? 8 : n <= 12 ? 12 : n <= 18 ? 18 : n <= 27 ? 27 : 40;
        EXPECT_EQ(capacities[n - 1], expected) << "after " << n << " points";
    }
    // Growing keeps the points already stored.
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(c.points[i].x, i);
        EXPECT_EQ(c.points[i].y, i % 3);
    }
}

TEST(Contour, ResetEmptiesButKeepsTheArray) {
    Contour c = contourOf({{0, 3}, {4, 0}, {0, 0}});
    const ContourPoint* array = c.points.get();
    c.reset();
    EXPECT_EQ(c.count, 0);
    EXPECT_EQ(c.area, 0.0);
    EXPECT_EQ(c.clockwise, 0);
    EXPECT_EQ(c.minX, 1e20);
    EXPECT_EQ(c.maxY, -1e20);
    EXPECT_EQ(c.capacity, 8);
    EXPECT_EQ(c.points.get(), array);
    // The running area starts again from zero.
    c.addPoint(0, 0);
    c.addPoint(4, 0);
    c.addPoint(0, 3);
    c.finish();
    EXPECT_DOUBLE_EQ(c.area, 6.0);
}
