// The filters and the inset on single points and small contours, against values worked out
// by hand (a calculator for the sines) from the filters' formulas.

#include <cmath>

#include "TextTestSupport.h"
#include "font/Contour.h"
#include "text/MeshGeometry.h"
#include "text/VertexRecord.h"

using namespace vyr;

TEST(Filters, PointsMoveAsWorkedOutByHand) {
    struct Case {
        int filter;
        double x, y, o, w;  // glyph point, character offset, text width
        int yMin, yMax, i, n;
        double nx, ny, tolerance;
    };
    const Case cases[] = {
        {kFilterNone, 12.5, -7.25, 100, 500, -60, 200, 0, 4, 112.5, -7.25, 0},
        {-1, 12.5, -7.25, 100, 500, -60, 200, 0, 4, 112.5, -7.25, 0},
        {9, 12.5, -7.25, 100, 500, -60, 200, 0, 4, 112.5, -7.25, 0},
        {kFilterChaos, 10, 20, 5, 100, 0, 100, 1, 4, 19.754297, 15.961009, 1e-6},
        {kFilterFloppy, 40, 15, 300, 1000, -60, 200, 0, 4, 340, -7.057833, 1e-6},
        {kFilterDrunk, 40, 15, 300, 1000, -60, 200, 0, 4, 354.705222, 0.294778, 1e-6},
        // Circle: the start of the text at -3.14 rad, its middle a whole turn on.
        {kFilterCircle, 0, 0, 0, 200, -60, 200, 0, 4, -399.999366, -0.796326, 1e-6},
        {kFilterCircle, 0, 0, 100, 200, -60, 200, 0, 4, 599.997463, 1.592651, 1e-6},
        {kFilterSemiCircle, 0, 0, 100, 200, -60, 200, 0, 4, 98.805511, 499.998573, 1e-6},
        {kFilterTwirl, 0, 0, 100, 400, -60, 200, 0, 4, 100.398163, -499.999841, 1e-6},
        // Rainbow: ends kept, the middle 200 lower.
        {kFilterRainbow, 0, 10, 200, 400, -60, 200, 0, 4, 200, -189.999937, 1e-6},
        {kFilterRainbow, 50, 10, 350, 400, -60, 200, 0, 4, 400, 9.681469, 1e-6},
        // Perspective: full shear (0.25 - 0.15) * 30 at yMin, none at yMax; plus w / 3.
        {kFilterPerspective, 10, -60, 20, 150, -60, 200, 0, 4, 30, -7, 1e-12},
        {kFilterPerspective, 10, 200, 20, 150, -60, 200, 0, 4, 30, 250, 1e-12},
        // No height to fade over, no width to divide by: the point stays.
        {kFilterPerspective, 10, 3, 20, 150, 3, 3, 0, 4, 30, 3, 0},
        {kFilterCircle, 0, 5, 0, 0, -60, 200, 0, 4, 0, 5, 0},
        {kFilterRainbow, 0, 5, 0, 0, -60, 200, 0, 4, 0, 5, 0},
        {kFilterSemiCircle, 0, 5, 0, 0, -60, 200, 0, 4, 0, 5, 0},
        {kFilterTwirl, 0, 5, 0, 0, -60, 200, 0, 4, 0, 5, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(filterName(k.filter) ? filterName(k.filter) : "unknown");
        const ContourPoint p{k.x, k.y, nullptr};
        VertexRecord r;
        r.position = {k.x + k.o, k.y, 0.0};
        applyFilter(k.filter, r, p, r, k.o, k.yMin, k.yMax, k.i, k.n, k.w);
        EXPECT_NEAR(r.position.x, k.nx, k.tolerance);
        EXPECT_NEAR(r.position.y, k.ny, k.tolerance);
    }
    EXPECT_EQ(std::string(filterName(kFilterChaos)) + filterName(kFilterTwirl), "chaostwirl");
    EXPECT_FALSE(filterName(kFilterCount) || filterName(-1));
}

namespace {

// A placed contour with records, as the mesh build leaves it before the inset.
struct PlacedContour {
    explicit PlacedContour(const std::vector<std::pair<double, double>>& pts)
        : records(pts.size()) {
        for (size_t i = 0; i < pts.size(); ++i) {
            contour.addPoint(pts[i].first, pts[i].second);
            contour[int(i)].user = &records[i];
            records[i].position = {pts[i].first, pts[i].second, 0.0};
        }
    }
    Contour contour;
    std::vector<VertexRecord> records;
};

}  // namespace

TEST(Inset, PointsMoveIntoTheFilledAreaByTheCornerFactor) {
    // Clockwise square 100 x 100 with a point in the middle of each side: a TrueType outer
    // contour, filled on the right of the direction of travel.
    PlacedContour sq(
        {{0, 0}, {0, 50}, {0, 100}, {50, 100}, {100, 100}, {100, 50}, {100, 0}, {50, 0}});
    insetContour(sq.contour, 4.0f);
    // Straight run: c = 1, f = 1 - 1/3, along the side's normal.
    EXPECT_DOUBLE_EQ(sq.records[1].inset.x, 4.0 * 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(sq.records[1].inset.y, 50.0);
    // Right angle: 1.4142f (single precision) times the width along the bisector.
    const double d = static_cast<double>(1.4142f) * 4.0 / std::sqrt(2.0);
    EXPECT_NEAR(sq.records[0].inset.x, d, 1e-12);
    EXPECT_NEAR(sq.records[0].inset.y, d, 1e-12);
    EXPECT_NEAR(sq.records[4].inset.x, 100 - d, 1e-12);
    for (int i = 0; i < sq.contour.count; ++i)
        EXPECT_TRUE(sq.contour[i].x == sq.records[i].inset.x &&
                    sq.contour[i].y == sq.records[i].inset.y);
    // Near hairpin at the spike's tip (c about -1): 1 - c/3 = 4/3 times the width, backwards.
    PlacedContour spike({{0, 0}, {0, 2}, {100, 1}});
    insetContour(spike.contour, 3.0f);
    EXPECT_NEAR(spike.records[2].inset.x, 100.0 - 4.0, 0.01);
    EXPECT_NEAR(spike.records[2].inset.y, 1.0, 1e-9);
    // A repeated point leaves no NaN.
    PlacedContour repeated({{0, 0}, {0, 10}, {10, 10}});
    repeated.records[1].position = repeated.records[0].position;
    insetContour(repeated.contour, 4.0f);
    for (const VertexRecord& r : repeated.records)
        EXPECT_TRUE(std::isfinite(r.inset.x) && std::isfinite(r.inset.y));
}
