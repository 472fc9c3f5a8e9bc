// The checks that judge an inset and a glyph outline: edges that meet, faces that fill their
// outline, outlines clean enough to fill and extrude; and the merge that makes them so.

#include <set>

#include "tests/font/FontTestSupport.h"
#include "text/OutlineChecks.h"
#include "text/OutlineMerge.h"

using namespace vyr;
using test::hole;
using test::makeOutline;
using test::outer;

TEST(OutlineChecks, EdgesMeetFacesFillAndOutlinesAreCleanAsWorkedOutByHand) {
    // Edge e starts left of f, so the sweep meets them as (e, f). Strict: a crossing inside both.
    struct Case {
        double e[4], f[4];
        bool crossing, meeting;
    };
    const Case cases[] = {
        {{0, 0, 4, 4}, {1, 4, 5, 0}, true, true},  // an X
        // T junctions, one per end point: an end on a horizontal edge tests the y bounds of
        // the on-segment test at their limits, one on a vertical edge the x bounds.
        {{0, 0, 4, 0}, {2, 0, 2, 3}, false, true},
        {{0, 0, 4, 0}, {2, 3, 2, 0}, false, true},
        {{1, 2, 0, 3}, {1, 0, 1, 4}, false, true},
        {{0, 3, 1, 2}, {1, 0, 1, 4}, false, true},
        // Corners that touch: f starts where e's box ends in x, or in y.
        {{0, 0, 1, 1}, {1, 1, 2, 0}, false, true},
        {{0, 0, 1, 1}, {1, 1, 2, 2}, false, true},
        {{0, 2, 1, 1}, {1, 1, 2, 0}, false, true},
        {{0, 0, 4, 0}, {1, 0, 3, 0}, false, true},  // overlapping on one line
        // Apart: one end inside the other's box but off its line, f's line crossing e's but
        // not e itself, f starting on e's line past its end, f's end 1/64 above e (twice the
        // area 1/16).
        {{0, 0, 4, 4}, {1, 0, 4, 3}, false, false},
        {{1, 3, -1, 5}, {0, 0, 4, 4}, false, false},
        {{-1, 5, 1, 3}, {0, 0, 4, 4}, false, false},
        {{0, 0, 4, 0}, {4, -1, 5, 1}, false, false},
        {{0, 0, 2, 0}, {3, 0, 1, 1}, false, false},
        {{0, 0, 4, 1}, {2, 0.515625, 2, 3}, false, false},
    };
    CrossingFinder finder;
    for (const Case& k : cases) {
        const std::vector<OutlineEdge> edges = {{k.e[0], k.e[1], k.e[2], k.e[3], 0, 0, 1},
                                                {k.f[0], k.f[1], k.f[2], k.f[3], 1, 0, 1}};
        SCOPED_TRACE("case " + std::to_string(&k - cases));
        EXPECT_EQ(finder.find(edges, true).size(), size_t(k.crossing));
        EXPECT_EQ(finder.find(edges, false).size(), size_t(k.meeting));
    }
    // Neighbours round a contour share a corner without meeting; a second square crosses the
    // first at (3, 2) and (2, 1), one pair when the limit is one.
    OutlineVectorizer v;
    test::vectorize(v, makeOutline({outer(1, 1, 3, 3), outer(2, 0, 4, 2)}));
    std::vector<OutlineEdge> edges;
    appendEdges(*v.contour(0), 0, edges);
    const OutlineEdge& closing = edges.back();  // from the last point back to the first
    EXPECT_TRUE(closing.ax == 3 && closing.ay == 1 && closing.bx == 1 && closing.by == 1);
    EXPECT_TRUE(finder.find(edges, false).empty());
    appendEdges(*v.contour(1), 1, edges);
    EXPECT_EQ(finder.find(edges, false).size(), 2u);
    EXPECT_EQ(finder.find(edges, true, 1).size(), 1u);

    // Triangles wind against the contours: a ring turned inside out is filled by the ring's
    // triangles turned over.
    OutlineVectorizer ring, inverse, triangle, none;
    test::vectorize(ring, makeOutline({outer(0, 0, 10, 10), hole(2, 2, 8, 8)}));
    test::vectorize(inverse, makeOutline({hole(0, 0, 10, 10), outer(2, 2, 8, 8)}));
    test::vectorize(triangle, makeOutline({{{0, 0}, {0, 10}, {10, 0}}}));
    test::vectorize(none, GlyphOutline());
    TriangleList face(&ring), one(&triangle), empty(&none);
    ASSERT_EQ(face.buildInOnePass() + one.buildInOnePass(), 2);
    std::vector<Triangle> t(face.triangles.get(), face.triangles.get() + face.triangleCount);
    auto fills = [&](std::vector<Triangle> triangles, const OutlineVectorizer* outline = nullptr) {
        TriangleList list(&ring);
        list.assign(triangles.data(), int(triangles.size()));
        return faceFills(list, outline ? *outline : ring);
    };
    EXPECT_TRUE(fills(t));
    EXPECT_TRUE(faceFills(one, triangle));
    EXPECT_TRUE(faceFills(empty, none));
    EXPECT_FALSE(faceFills(empty, ring));
    EXPECT_FALSE(fills({t.begin(), t.end() - 1}));  // one missing
    std::vector<Triangle> reversed;
    for (const Triangle& k : t)
        reversed.push_back({k.c, k.b, k.a});
    EXPECT_FALSE(fills(reversed));
    EXPECT_TRUE(fills(reversed, &inverse));
    // The right total, but one triangle twice and once turned over.
    t.push_back(t[0]);
    t.push_back(reversed[0]);
    EXPECT_FALSE(fills(t));

    using C = std::vector<test::P>;
    const C diamond = {{5, 0}, {10, 5}, {5, 10}, {0, 5}};  // a hole touching the square's sides
    const C u = {{0, 0}, {0, 30}, {10, 30}, {10, 10}, {20, 10}, {20, 30}, {30, 30}, {30, 0}};
    const std::pair<std::vector<C>, bool> outlines[] = {
        {{outer(0, 0, 10, 10)}, true},
        {{{{0, 0}, {0, 10}, {10, 0}}}, true},
        {{outer(0, 0, 10, 10), hole(2, 2, 8, 8)}, true},
        {{outer(0, 0, 10, 10), diamond}, true},
        {{outer(0, 0, 10, 10), outer(10, 10, 20, 20)}, true},      // corners touching
        {{outer(0, 0, 10, 10), {{2, 5}, {8, 5}}}, false},          // two points
        {{outer(0, 0, 10, 10), {{2, 5}, {5, 5}, {8, 5}}}, false},  // no area
        {{hole(2, 2, 8, 8)}, false},
        {{outer(0, 0, 10, 10), hole(20, 2, 28, 8)}, false},
        {{u, hole(12, 15, 18, 25)}, false},  // in the box, not in the U
        {{outer(0, 0, 10, 10), outer(5, 5, 15, 15)}, false},
    };
    for (const auto& k : outlines) {
        OutlineVectorizer o;
        test::vectorize(o, makeOutline(k.first));
        EXPECT_EQ(outlineIsClean(o), k.second) << "outline " << &k - outlines;
    }
}

// A hole across the square's lower edge: filled are the square above less the hole, a U, and
// the hole below the edge, which meet at (10, 0) and (90, 0). Each copy of those points moves
// 1/8 pixel into the angle between its own edges (8192 / sqrt 2 = 5792.6 steps of 1/65536 in
// x and y), the U's up and outwards, the lower part's down and inwards; nothing else moves. A
// hole touching the square at (50, 0) leaves a ring pinched there, opened the same way.
TEST(OutlineMerge, ContoursMeetingAtAPointMoveApartIntoTheirOwnAngles) {
    const double d = 5793.0 / 65536.0;
    using Points = std::set<std::pair<double, double>>;
    const std::vector<test::P> diamond = {{50, 0}, {80, 30}, {50, 60}, {20, 30}};
    const std::pair<std::vector<std::vector<test::P>>, Points> cases[] = {
        {{outer(0, 0, 100, 100), hole(10, -20, 90, 50)},
         {{0, 0}, {0, 100}, {100, 100}, {100, 0}, {90 + d, d}, {90, 50}, {10, 50}, {10 - d, d},
          {10, -20}, {90, -20}, {90 - d, -d}, {10 + d, -d}}},
        {{outer(0, 0, 100, 100), diamond},
         {{0, 0}, {0, 100}, {100, 100}, {100, 0}, {50, -0.125}, {50, 0.125}, {80, 30}, {50, 60},
          {20, 30}}},
        // A hole whose edge from (50, 0) to (50.25, 0.25) is 0.35 px: it moves a quarter of that.
        {{outer(0, 0, 100, 100), {{50, 0}, {50.25, 0.25}, {50, 20}, {40, 10}}},
         {{0, 0}, {0, 100}, {100, 100}, {100, 0}, {50, -0.125}, {50, d}, {50.25, 0.25}, {50, 20},
          {40, 10}}},
    };
    for (const auto& [contours, moved] : cases) {
        OutlineVectorizer v;
        test::vectorize(v, makeOutline(contours));
        mergeOutline(v);
        Points points;
        std::vector<OutlineEdge> edges;
        for (int k = 0; k < v.contourCount(); ++k) {
            for (const auto& p : test::pointsOf(*v.contour(k)))
                points.insert(p);
            appendEdges(*v.contour(k), k, edges);
        }
        EXPECT_EQ(points, moved);
        EXPECT_TRUE(CrossingFinder().find(edges, false).empty());
    }
}
