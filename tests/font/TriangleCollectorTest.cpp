// Conversion of the tessellator's triangles, strips and fans into plain triangles, driven
// directly through the collector's begin/vertex/end.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "FontTestSupport.h"
#include "font/TriangleCollector.h"

using namespace vyr;

namespace {

using Tri = std::array<const ContourPoint*, 3>;

class Recorder : public TriangleCollector {
  public:
    Recorder() : TriangleCollector(nullptr, 0) {}
    void triangle(ContourPoint* a, ContourPoint* b, ContourPoint* c) override {
        triangles.push_back({a, b, c});
    }
    std::vector<Tri> triangles;
};

class TriangleCollectorTest : public ::testing::Test {
  protected:
    TriangleCollectorTest() {
        // A zigzag row: even points on y = 0, odd points on y = 1.
        for (int i = 0; i < 8; ++i)
            p[i] = ContourPoint{double(i / 2), double(i % 2), nullptr};
    }
    void feed(unsigned type, std::initializer_list<int> indices) {
        rec.begin(type);
        for (int i : indices)
            rec.vertex(&p[i]);
        rec.end();
    }
    Tri t(int a, int b, int c) const { return {&p[a], &p[b], &p[c]}; }

    ContourPoint p[8];
    Recorder rec;
};

}  // namespace

TEST_F(TriangleCollectorTest, StripOfFiveGivesThreeTrianglesInTheStripsWinding) {
    feed(kGlTriangleStrip, {0, 1, 2, 3, 4});
    EXPECT_EQ(rec.triangles, (std::vector<Tri>{t(0, 1, 2), t(2, 1, 3), t(2, 3, 4)}));
}

TEST_F(TriangleCollectorTest, LongStripKeepsOneWindingThroughout) {
    feed(kGlTriangleStrip, {0, 1, 2, 3, 4, 5, 6, 7});
    ASSERT_EQ(rec.triangles.size(), 6u);
    EXPECT_EQ(rec.triangles[3], t(4, 3, 5));
    for (const Tri& tri : rec.triangles) {
        EXPECT_LT(vyr::test::cross2(*tri[0], *tri[1], *tri[2]), 0.0);
    }
}

TEST_F(TriangleCollectorTest, FanOfFiveGivesThreeTrianglesSharingTheFirstVertex) {
    feed(kGlTriangleFan, {0, 1, 2, 3, 4});
    EXPECT_EQ(rec.triangles, (std::vector<Tri>{t(0, 1, 2), t(0, 2, 3), t(0, 3, 4)}));
}

TEST_F(TriangleCollectorTest, TrianglesStartAfreshEveryThreeVertices) {
    feed(kGlTriangles, {0, 1, 2, 3, 4, 5, 6});
    EXPECT_EQ(rec.triangles, (std::vector<Tri>{t(0, 1, 2), t(3, 4, 5)}));
    // The left-over vertex 6 does not leak into the next primitive.
    feed(kGlTriangles, {1, 2, 3});
    EXPECT_EQ(rec.triangles.back(), t(1, 2, 3));
    EXPECT_EQ(rec.triangles.size(), 3u);
}

TEST_F(TriangleCollectorTest, EachPrimitiveStartsWithNoSavedVertices) {
    feed(kGlTriangleStrip, {0, 1});
    feed(kGlTriangleFan, {2, 3, 4});
    EXPECT_EQ(rec.triangles, (std::vector<Tri>{t(2, 3, 4)}));
}

TEST_F(TriangleCollectorTest, VerticesOutsideAPrimitiveAreIgnored) {
    rec.vertex(&p[0]);
    rec.vertex(&p[1]);
    feed(kGlTriangles, {2, 3, 4});
    rec.vertex(&p[5]);
    rec.vertex(&p[6]);
    rec.vertex(&p[7]);
    EXPECT_EQ(rec.triangles, (std::vector<Tri>{t(2, 3, 4)}));
}

TEST_F(TriangleCollectorTest, NullVerticesAreIgnored) {
    rec.begin(kGlTriangleStrip);
    rec.vertex(&p[0]);
    rec.vertex(nullptr);
    rec.vertex(&p[1]);
    rec.vertex(nullptr);
    rec.vertex(&p[2]);
    rec.vertex(&p[3]);
    rec.end();
    EXPECT_EQ(rec.triangles, (std::vector<Tri>{t(0, 1, 2), t(2, 1, 3)}));
}
