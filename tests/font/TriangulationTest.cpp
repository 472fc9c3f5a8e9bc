// Triangulation of the ordered contours through the GLU tessellator, the triangle lists it
// fills and the conversion of strips and fans into triangles.

#include "FontTestSupport.h"
#include "font/TriangleSink.h"

using namespace vyr;

TEST(TriangleList, SelfIntersectingContourReportsTheErrorOnlyWhenAskedAndKeepsValidTriangles) {
    // A figure-eight: its crossing would need a new vertex.
    for (int report : {0, 1}) {
        OutlineVectorizer v;
        test::vectorize(v, test::makeOutline({{{0, 0}, {0, 10}, {20, 0}, {20, 2}}}));
        TriangleList list(&v, report);
        ::testing::internal::CaptureStderr();
        list.build();
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(err.find("GLU error #100156 ("), report ? 0u : std::string::npos) << err;
        EXPECT_LT(list.triangleCount, list.capacity());
        for (int i = 0; i < list.triangleCount; ++i)
            ASSERT_TRUE(test::isPointOf(v, list[i].a) && test::isPointOf(v, list[i].c));
    }
    // GLU names a code it knows (100151: a call out of order), not one it does not.
    TriangleSink loud(1);
    ::testing::internal::CaptureStderr();
    loud.error(100151);
    loud.error(7);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(err.starts_with("GLU error #100151 (") && err.size() > 37 &&
                err.ends_with(")\nGLU error #7 ()\n"))
        << err;
}

using GlyphTriangulation = test::RealFont;

// Accented letters, the percent sign and the circled letters have several outer contours with
// holes; a hole given to the wrong outer contour would be filled instead of cut out.
TEST_P(GlyphTriangulation, EveryGlyphFillsExactlyItsEnclosedAreaOutsideItsHoles) {
    test::LoadedFont font(GetParam());
    ASSERT_TRUE(font.opened);
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE("code " + std::to_string(code));
        OutlineVectorizer v;
        ASSERT_EQ(v.init(font.font.glyph(code)), 1);
        v.vectorize();
        TriangleList list(&v), onePass(&v);
        ASSERT_TRUE(list.build() == 1 && onePass.buildInOnePass() == 1);
        ASSERT_EQ(std::pair(onePass.triangleCount, onePass.capacity()),
                  std::pair(list.triangleCount, list.capacity()));
        for (int i = 0; i < list.triangleCount; ++i)
            ASSERT_TRUE(onePass[i].a == list[i].a && onePass[i].b == list[i].b &&
                        onePass[i].c == list[i].c)
                << "triangle " << i;
        // The area enclosed: outer contours (clockwise, negative) minus holes.
        double enclosed = 0.0, covered = 0.0;
        for (int h = 0; h < v.contourCount(); ++h)
            enclosed -= v.contour(h)->area;
        // Only the spaces have no contours.
        const bool space = code == ' ' || code == 0xA0;
        EXPECT_TRUE((list.triangleCount == 0) == space && (v.contourCount() == 0) == space);
        for (int i = 0; i < list.triangleCount; ++i) {
            const Triangle& t = list[i];
            // Straight stems give zero-area slivers, which are allowed and cover nothing.
            const double twice = test::cross2(*t.a, *t.b, *t.c);
            ASSERT_GE(twice, 0.0) << "triangle " << i;
            covered += twice / 2;
            if (twice == 0.0)
                continue;
            const double cx = (t.a->x + t.b->x + t.c->x) / 3, cy = (t.a->y + t.b->y + t.c->y) / 3;
            // Filled means wound round: outer contours count one way, holes the other.
            int winding = 0;
            for (int h = 0; h < v.contourCount(); ++h) {
                const Contour& c = *v.contour(h);
                winding += test::insidePolygon(c, cx, cy) ? (c.clockwise ? 1 : -1) : 0;
            }
            ASSERT_GT(winding, 0) << "triangle " << i;
        }
        EXPECT_NEAR(covered, enclosed, 1e-3 * enclosed + 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, GlyphTriangulation, test::kBothFonts);
