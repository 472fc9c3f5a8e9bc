#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "font/Contour.h"
#include "text/MeshGeometry.h"
#include "text/VertexRecord.h"

using namespace vyr;

namespace {

// A placed contour with records, as the mesh build leaves it before the inset.
struct PlacedContour {
    Contour contour;
    std::vector<VertexRecord> records;

    explicit PlacedContour(const std::vector<std::pair<double, double>>& pts) {
        for (auto [x, y] : pts)
            contour.addPoint(x, y);
        contour.finish();
        records.resize(contour.count);
        for (int i = 0; i < contour.count; ++i) {
            records[i].position = {contour[i].x, contour[i].y, 0.0};
            records[i].normal = {0.0, 0.0, -1.0};
            contour[i].user = &records[i];
        }
    }
    double moved(int i) const {
        const Vec3 d = records[i].inset - records[i].position;
        return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    }
};

// Clockwise square 100 x 100 with an extra point in the middle of each side: a TrueType outer
// contour, filled area on the right of the direction of travel.
PlacedContour clockwiseSquare() {
    return PlacedContour(
        {{0, 0}, {0, 50}, {0, 100}, {50, 100}, {100, 100}, {100, 50}, {100, 0}, {50, 0}});
}

}  // namespace

TEST(Inset, StraightRunMovesTwoThirdsOfTheWidthIntoTheFilledArea) {
    PlacedContour sq = clockwiseSquare();
    insetContour(sq.contour, 4.0f);
    // Point 1 (0, 50) is in the middle of the left side: c = 1, f = 2/3.
    EXPECT_DOUBLE_EQ(sq.moved(1), 4.0 * 2.0 / 3.0);
    EXPECT_GT(sq.records[1].inset.x, 0.0);
    EXPECT_DOUBLE_EQ(sq.records[1].inset.y, 50.0);
}

TEST(Inset, RightAngleMovesBySqrtTwoConstantAlongTheBisector) {
    PlacedContour sq = clockwiseSquare();
    insetContour(sq.contour, 4.0f);
    const double k = static_cast<double>(1.4142f);
    EXPECT_NEAR(sq.moved(0), k * 4.0, 1e-12);
    // Corner (0, 0) moves towards the inside along the diagonal.
    EXPECT_NEAR(sq.records[0].inset.x, k * 4.0 / std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(sq.records[0].inset.y, k * 4.0 / std::sqrt(2.0), 1e-12);
}

TEST(Inset, NearHairpinMovesByOneMinusCosineOverThree) {
    // A long thin spike: at the tip (100, 1) the direction almost reverses.
    PlacedContour spike({{0, 0}, {0, 2}, {100, 1}});
    insetContour(spike.contour, 3.0f);
    const Vec3 dIn = normalize(spike.records[2].position - spike.records[1].position);
    const Vec3 dOut = normalize(spike.records[0].position - spike.records[2].position);
    const double c = dot(dIn, dOut);
    ASSERT_LT(c, -0.99);
    EXPECT_NEAR(spike.moved(2), (1.0 - c / 3.0) * 3.0, 1e-9);
    EXPECT_NEAR(spike.moved(2), 4.0 / 3.0 * 3.0, 0.01);
    // Inwards: the tip moves back towards the spike's base.
    EXPECT_LT(spike.records[2].inset.x, 100.0);
}

TEST(Inset, ContourPointsTakeTheInsetAndZStaysZero) {
    PlacedContour sq = clockwiseSquare();
    insetContour(sq.contour, 4.0f);
    for (int i = 0; i < sq.contour.count; ++i) {
        EXPECT_EQ(sq.contour[i].x, sq.records[i].inset.x);
        EXPECT_EQ(sq.contour[i].y, sq.records[i].inset.y);
        EXPECT_EQ(sq.records[i].inset.z, 0.0);
    }
}

TEST(Inset, RepeatedPointLeavesNoNaN) {
    // Degenerate edges keep their vectors unnormalised instead of dividing by zero.
    PlacedContour c({{0, 0}, {0, 10}, {10, 10}});
    c.records[1].position = c.records[0].position;
    insetContour(c.contour, 4.0f);
    for (const VertexRecord& r : c.records) {
        EXPECT_TRUE(std::isfinite(r.inset.x) && std::isfinite(r.inset.y));
    }
}

TEST(VerticalPlacement, ShiftCentresOnTheExtentPlusFifty) {
    EXPECT_EQ(verticalShift(-60.0, 200.0), 60.0);
    // The placed outline then spans -120 ... 140.
    EXPECT_EQ(-60.0 - verticalShift(-60.0, 200.0), -120.0);
    EXPECT_EQ(200.0 - verticalShift(-60.0, 200.0), 140.0);
}
