// Triangulation of the ordered contours through the GLU tessellator, the triangle lists it
// fills and the conversion of strips and fans into triangles.

#include "FontTestSupport.h"
#include "font/TriangleSink.h"

using namespace vyr;
using test::hole;
using test::makeOutline;
using test::outer;
using test::triangleArea;

namespace {

// The area enclosed by the contours: outer contours (clockwise, negative) minus holes.
double enclosedArea(const OutlineVectorizer& v) {
    double sum = 0.0;
    for (int i = 0; i < v.contourCount(); ++i)
        sum -= v.contour(i)->area;
    return sum;
}

void expectSameTriangles(const TriangleList& a, const TriangleList& b) {
    ASSERT_EQ(a.triangleCount, b.triangleCount);
    EXPECT_EQ(a.capacity(), b.capacity());
    for (int i = 0; i < a.triangleCount; ++i) {
        EXPECT_TRUE(a[i].a == b[i].a && a[i].b == b[i].b && a[i].c == b[i].c) << "triangle " << i;
    }
}

std::string capturedError(TriangleSink& sink, unsigned code) {
    ::testing::internal::CaptureStderr();
    sink.error(code);
    return ::testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(TriangleList, SyntheticOutlinesFillTheirAreaCounterClockwise) {
    struct Case {
        std::vector<std::vector<test::P>> contours;
        double area;
        int triangles;
    };
    const Case cases[] = {
        {{{{0, 0}, {0, 10}, {10, 0}}}, 50.0, 1},
        {{outer(0, 0, 10, 10), hole(2, 2, 8, 8)}, 64.0, 8},
        // Ring 100 - 80 around a square 40 with a hole 20.
        {{outer(0, 0, 100, 100), hole(10, 10, 90, 90), outer(30, 30, 70, 70), hole(40, 40, 60, 60)},
         4800.0,
         -1},
    };
    for (const Case& k : cases) {
        OutlineVectorizer v;
        test::vectorize(v, makeOutline(k.contours));
        TriangleList list(&v);
        ASSERT_EQ(list.build(), 1);
        EXPECT_NEAR(triangleArea(list), k.area, 1e-9);
        if (k.triangles >= 0) {
            EXPECT_EQ(list.triangleCount, k.triangles);
        }
        for (int i = 0; i < list.triangleCount; ++i) {
            EXPECT_GT(test::cross2(*list[i].a, *list[i].b, *list[i].c), 0.0);
            EXPECT_TRUE(test::isPointOf(v, list[i].a) && test::isPointOf(v, list[i].b) &&
                        test::isPointOf(v, list[i].c));
        }
    }
}

TEST(TriangleList, BorrowedVectorizerIsNotVectorizedAgain) {
    // The mesh builder moves points after vectorizing; triangles must follow those points.
    OutlineVectorizer v;
    test::vectorize(v, makeOutline({outer(0, 0, 10, 10), hole(2, 2, 8, 8)}));
    for (int i = 0; i < v.contourCount(); ++i) {
        for (int k = 0; k < v.contour(i)->count; ++k)
            v.contour(i)->points[k].x *= 3;
    }
    TriangleList list(&v);
    ASSERT_EQ(list.build(), 1);
    EXPECT_NEAR(triangleArea(list), 3 * 64.0, 1e-9);
}

TEST(TriangleList, SelfIntersectingContourReportsTheErrorOnlyWhenAskedAndKeepsValidTriangles) {
    // A figure-eight: its crossing would need a new vertex.
    for (int report : {0, 1}) {
        OutlineVectorizer v;
        test::vectorize(v, makeOutline({{{0, 0}, {0, 10}, {20, 0}, {20, 2}}}));
        TriangleList list(&v, report);
        ::testing::internal::CaptureStderr();
        list.build();
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(err.find("GLU error #100156 ("), report ? 0u : std::string::npos) << err;
        EXPECT_LT(list.triangleCount, list.capacity());
        for (int i = 0; i < list.triangleCount; ++i)
            ASSERT_TRUE(test::isPointOf(v, list[i].a) && test::isPointOf(v, list[i].c));
    }
    TriangleSink quiet(0), loud(1);
    EXPECT_EQ(capturedError(quiet, 100151), "");
    const std::string err = capturedError(loud, 100151);
    EXPECT_EQ(err.rfind("GLU error #100151 (", 0), 0u) << err;
    EXPECT_GT(err.size(), std::string("GLU error #100151 ()\n").size()) << err;
    EXPECT_EQ(capturedError(loud, 7), "GLU error #7 ()\n");
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
        test::vectorize(v, font.font.glyph(code));
        TriangleList list(&v), onePass(&v);
        ASSERT_EQ(list.build(), 1);
        ASSERT_EQ(onePass.buildInOnePass(), 1);
        expectSameTriangles(onePass, list);
        const double expected = enclosedArea(v);
        EXPECT_NEAR(triangleArea(list), expected, 1e-3 * expected + 1e-9);
        EXPECT_EQ(list.triangleCount == 0, v.contourCount() == 0);
        for (int i = 0; i < list.triangleCount; ++i) {
            const Triangle& t = list[i];
            // Straight stems give zero-area slivers, which are allowed and cover nothing.
            const double twice = test::cross2(*t.a, *t.b, *t.c);
            ASSERT_GE(twice, 0.0) << "triangle " << i;
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
    }
}

VYR_ON_BOTH_FONTS(GlyphTriangulation);
