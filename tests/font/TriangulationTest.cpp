// Triangulation of the ordered contours through the GLU tessellator: vertex identity, the
// two-pass list, holes, and the area invariant on real fonts.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "FontTestSupport.h"
#include "font/ContourTriangulator.h"
#include "font/OutlineVectorizer.h"
#include "font/TriangleList.h"
#include "font/TriangleSink.h"

using namespace vyr;
using vyr::test::LoadedFont;
using vyr::test::makeOutline;
using vyr::test::P;
using vyr::test::signedArea;

namespace {

std::vector<P> outer(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}};
}
std::vector<P> hole(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

void vectorize(OutlineVectorizer& v, const GlyphOutline& outline, double precision = 18.0) {
    v.setPrecision(precision);
    ASSERT_EQ(v.initOutline(outline), 1);
    ASSERT_EQ(v.vectorize(), 1);
}

double triangleArea(const TriangleList& list) {
    double sum = 0.0;
    for (int i = 0; i < list.triangleCount; ++i)
        sum += signedArea(list[i]);
    return sum;
}

// The area enclosed by the contours: outer contours (clockwise, negative) minus holes.
double enclosedArea(const OutlineVectorizer& v) {
    double sum = 0.0;
    for (int i = 0; i < v.contourCount(); ++i)
        sum -= v.contour(i)->area;
    return sum;
}

// Whether p is one of the points of the given contours (by address).
bool isPointOf(const OutlineVectorizer& v, const ContourPoint* p) {
    for (int i = 0; i < v.contourCount(); ++i) {
        const Contour& c = *v.contour(i);
        if (p >= c.points.get() && p < c.points.get() + c.count)
            return true;
    }
    return false;
}

// The tessellator's normal is fixed at +z, so no triangle may come out clockwise. Straight stems
// made of several collinear points give zero-area slivers, which are allowed.
void expectCounterClockwise(const TriangleList& list) {
    for (int i = 0; i < list.triangleCount; ++i) {
        EXPECT_GE(signedArea(list[i]), 0.0) << "triangle " << i;
    }
}

// A sink that records what the tessellator sends, without assembling triangles.
class TraceSink : public TriangleSink {
  public:
    void begin(unsigned) override {
        ++primitives;
        seenTriangulator = currentTriangulator;
    }
    void vertex(ContourPoint*) override { ++vertices; }
    int primitives = 0;
    int vertices = 0;
    ContourTriangulator* seenTriangulator = nullptr;
};

}  // namespace

// --- synthetic contours ----------------------------------------------------------------------

TEST(TriangleList, ThreePointContourGivesOneTriangleOfItsOwnPoints) {
    OutlineVectorizer v;
    vectorize(v, makeOutline({{{0, 0}, {0, 10}, {10, 0}}}));
    ASSERT_EQ(v.contourCount(), 1);
    Contour& c = *v.contour(0);
    ASSERT_EQ(c.count, 3);
    TriangleList list(&v);
    EXPECT_EQ(list.build(), 1);
    ASSERT_EQ(list.triangleCount, 1);
    const std::set<const ContourPoint*> corners = {list[0].a, list[0].b, list[0].c};
    EXPECT_EQ(corners, (std::set<const ContourPoint*>{&c.points[0], &c.points[1], &c.points[2]}));
    EXPECT_DOUBLE_EQ(signedArea(list[0]), 50.0);
}

TEST(TriangleList, SquareWithAHoleCoversOnlyTheRing) {
    OutlineVectorizer v;
    vectorize(v, makeOutline({outer(0, 0, 10, 10), hole(2, 2, 8, 8)}));
    ASSERT_EQ(v.contourCount(), 2);
    TriangleList list(&v);
    ASSERT_EQ(list.build(), 1);
    EXPECT_EQ(list.triangleCount, 8);
    EXPECT_NEAR(triangleArea(list), 100.0 - 36.0, 1e-9);
    for (int i = 0; i < list.triangleCount; ++i) {
        const Triangle& t = list[i];
        EXPECT_GT(signedArea(t), 0.0);
        const double cx = (t.a->x + t.b->x + t.c->x) / 3;
        const double cy = (t.a->y + t.b->y + t.c->y) / 3;
        EXPECT_FALSE(cx > 2 && cx < 8 && cy > 2 && cy < 8) << "triangle " << i << " in the hole";
    }
}

TEST(TriangleList, HoleBeforeAnyOuterContourIsSkippedButLaterOutersAreFilled) {
    OutlineVectorizer v;
    vectorize(v, makeOutline({outer(0, 0, 10, 10), hole(2, 2, 8, 8), outer(20, 0, 30, 10)}));
    ASSERT_EQ(v.contourCount(), 3);
    // Put the hole first: hole, its outer square, the second square.
    std::swap(*v.contour(0), *v.contour(1));
    ASSERT_EQ(v.contour(0)->clockwise, 0);
    TriangleList list(&v);
    ASSERT_EQ(list.build(), 1);
    EXPECT_EQ(list.triangleCount, 4);
    EXPECT_NEAR(triangleArea(list), 200.0, 1e-9);
    const Contour& skipped = *v.contour(0);
    for (int i = 0; i < list.triangleCount; ++i) {
        for (const ContourPoint* p : {list[i].a, list[i].b, list[i].c}) {
            EXPECT_FALSE(p >= skipped.points.get() && p < skipped.points.get() + skipped.count);
        }
    }
}

TEST(TriangleList, ShapeNestedInAHoleKeepsItsOwnHole) {
    // Ring 100 - 80 around a square 40 with a hole 20: 10000 - 6400 + 1600 - 400.
    OutlineVectorizer v;
    vectorize(v, makeOutline({outer(0, 0, 100, 100), hole(10, 10, 90, 90), outer(30, 30, 70, 70),
                              hole(40, 40, 60, 60)}));
    TriangleList list(&v);
    ASSERT_EQ(list.build(), 1);
    EXPECT_NEAR(triangleArea(list), 4800.0, 1e-9);
    expectCounterClockwise(list);
}

TEST(TriangleList, NothingToTriangulateLeavesRoomForOneTriangle) {
    OutlineVectorizer v;  // neither a glyph nor an outline
    TriangleList list(&v);
    EXPECT_EQ(list.build(), 0);
    EXPECT_EQ(list.triangleCount, 0);
    EXPECT_EQ(list.capacity(), 1);
    EXPECT_NE(list.triangles.get(), nullptr);
}

TEST(TriangleList, BorrowedVectorizerIsNotVectorizedAgain) {
    // The mesh builder moves points after vectorizing; triangles must follow those points.
    OutlineVectorizer v;
    vectorize(v, makeOutline({outer(0, 0, 10, 10), hole(2, 2, 8, 8)}));
    for (int i = 0; i < v.contourCount(); ++i) {
        Contour& c = *v.contour(i);
        for (int k = 0; k < c.count; ++k)
            c.points[k].x *= 3;
    }
    TriangleList list(&v);
    ASSERT_EQ(list.build(), 1);
    EXPECT_NEAR(triangleArea(list), 3 * 64.0, 1e-9);
    for (int i = 0; i < list.triangleCount; ++i)
        EXPECT_TRUE(isPointOf(v, list[i].a));
}

TEST(TriangleList, SelfIntersectingContourReportsTheTessellatorErrorAndKeepsValidTriangles) {
    // A figure-eight: the edge (20,2)-(0,0) crosses (0,10)-(20,0), a crossing that would need a
    // new vertex. The error is reported only when asked for.
    const GlyphOutline outline = makeOutline({{{0, 0}, {0, 10}, {20, 0}, {20, 2}}});
    for (int report : {0, 1}) {
        OutlineVectorizer v;
        vectorize(v, outline);
        ASSERT_EQ(v.contour(0)->clockwise, 1);
        TriangleList list(&v, report);
        ::testing::internal::CaptureStderr();
        list.build();
        const std::string err = ::testing::internal::GetCapturedStderr();
        if (report) {
            EXPECT_NE(err.find("GLU error #100156 ("), std::string::npos) << err;
        } else {
            EXPECT_EQ(err, "");
        }
        EXPECT_LT(list.triangleCount, list.capacity());
        for (int i = 0; i < list.triangleCount; ++i) {
            for (const ContourPoint* p : {list[i].a, list[i].b, list[i].c}) {
                ASSERT_TRUE(isPointOf(v, p));
            }
        }
    }
}

// --- the triangulator and its sinks ----------------------------------------------------------

TEST(TriangleSink, ErrorIsPrintedOnlyWhenReporting) {
    TriangleSink quiet(0);
    ::testing::internal::CaptureStderr();
    quiet.error(100151);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

    TriangleSink loud(1);
    ::testing::internal::CaptureStderr();
    loud.error(100151);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.rfind("GLU error #100151 (", 0), 0u) << err;
    EXPECT_GT(err.size(), std::string("GLU error #100151 ()\n").size()) << err;
    EXPECT_EQ(err.substr(err.size() - 2), ")\n");

    // A code the error-string table does not know prints an empty text.
    ::testing::internal::CaptureStderr();
    loud.error(7);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "GLU error #7 ()\n");
}

TEST(ContourTriangulator, RunsIntoTheGivenSinkAndClearsItsTriangulatorAfterwards) {
    OutlineVectorizer v;
    vectorize(v, makeOutline({outer(0, 0, 10, 10)}));
    ContourTriangulator t(&v);
    TraceSink sink;
    EXPECT_EQ(t.triangulate(&sink), 1);
    EXPECT_GE(sink.primitives, 1);
    EXPECT_GE(sink.vertices, 3);
    EXPECT_EQ(sink.seenTriangulator, &t);
    EXPECT_EQ(sink.currentTriangulator, nullptr);
    // Without a sink the silent default receiver takes the output.
    EXPECT_EQ(t.triangulate(nullptr), 1);
}

TEST(ContourTriangulator, OwnVectorizerIsInitialisedAndVectorizedForTheGlyph) {
    LoadedFont font(VYR_TEST_FONT_DEJAVU);
    ASSERT_TRUE(font.opened);
    ContourTriangulator t;
    t.setPrecision(18.0);
    EXPECT_EQ(t.vectorizer()->precision(), 18.0);
    ASSERT_EQ(t.setGlyph(font.font.glyph('o')), 1);
    EXPECT_EQ(t.vectorizer()->pointCount(), 0);  // not flattened yet
    TraceSink sink;
    EXPECT_EQ(t.triangulate(&sink), 1);
    ASSERT_EQ(t.vectorizer()->contourCount(), 2);
    EXPECT_EQ(t.vectorizer()->contour(0)->clockwise, 1);
    EXPECT_GT(t.vectorizer()->pointCount(), 8);
    EXPECT_GT(sink.vertices, 0);

    ContourTriangulator none;
    EXPECT_EQ(none.setGlyph(nullptr), 0);
    EXPECT_EQ(none.triangulate(&sink), 0);
}

// --- real glyphs -----------------------------------------------------------------------------

TEST(TriangleList, CountPassEqualsStorePassAndCapacityIsOneMore) {
    LoadedFont font(VYR_TEST_FONT_DEJAVU);
    ASSERT_TRUE(font.opened);
    OutlineVectorizer v;
    v.setPrecision(18.0);
    ASSERT_EQ(v.init(font.font.glyph('@')), 1);
    ASSERT_EQ(v.vectorize(), 1);
    TriangleList list(&v);
    list.setGlyph(font.font.glyph('@'));

    list.countOnly = 1;
    list.triangleCount = 0;
    ASSERT_EQ(list.triangulate(), 1);
    const int counted = list.triangleCount;
    EXPECT_GT(counted, 10);
    EXPECT_EQ(list.triangles.get(), nullptr);  // counting stores nothing

    list.countOnly = 0;
    list.reserve();
    EXPECT_EQ(list.capacity(), counted + 1);
    list.triangleCount = 0;
    ASSERT_EQ(list.triangulate(), 1);
    EXPECT_EQ(list.triangleCount, counted);
    for (int i = 0; i < counted; ++i) {
        ASSERT_TRUE(isPointOf(v, list[i].a) && isPointOf(v, list[i].b) && isPointOf(v, list[i].c))
            << "triangle " << i;
    }

    // Another counting run leaves the stored triangles alone.
    const Triangle stored = list[0];
    list.countOnly = 1;
    list.triangleCount = 0;
    ASSERT_EQ(list.triangulate(), 1);
    EXPECT_EQ(list.triangleCount, counted);
    EXPECT_EQ(list[0].a, stored.a);
    EXPECT_EQ(list[0].b, stored.b);
    EXPECT_EQ(list[0].c, stored.c);
    const Triangle second = list[1];
    list.triangles[1] = Triangle{nullptr, nullptr, nullptr};
    list.triangleCount = 0;
    ASSERT_EQ(list.triangulate(), 1);
    EXPECT_EQ(list[1].a, nullptr);
    list.triangles[1] = second;

    TriangleList again(&v);
    ASSERT_EQ(again.build(), 1);
    EXPECT_EQ(again.triangleCount, counted);
    EXPECT_EQ(again.capacity(), counted + 1);
    for (int i = 0; i < counted; ++i) {
        EXPECT_EQ(again[i].a, list[i].a);
        EXPECT_EQ(again[i].b, list[i].b);
        EXPECT_EQ(again[i].c, list[i].c);
    }
}

TEST(TriangleList, OnePassBuildEqualsTheTwoPassBuild) {
    LoadedFont font(VYR_TEST_FONT_DEJAVU);
    ASSERT_TRUE(font.opened);
    for (int code : {'@', 'o', ' '}) {
        OutlineVectorizer v;
        v.setPrecision(18.0);
        ASSERT_EQ(v.init(font.font.glyph(code)), 1);
        ASSERT_EQ(v.vectorize(), 1);
        TriangleList two(&v);
        TriangleList one(&v);
        ASSERT_EQ(two.build(), 1);
        ASSERT_EQ(one.buildInOnePass(), 1);
        ASSERT_EQ(one.triangleCount, two.triangleCount) << char(code);
        EXPECT_EQ(one.capacity(), two.capacity());
        EXPECT_EQ(one.countOnly, 0);
        for (int i = 0; i < two.triangleCount; ++i) {
            EXPECT_EQ(one[i].a, two[i].a);
            EXPECT_EQ(one[i].b, two[i].b);
            EXPECT_EQ(one[i].c, two[i].c);
        }
    }
    // Lists built one after the other do not share the scratch buffer's contents.
    OutlineVectorizer square;
    vectorize(square, makeOutline({outer(0, 0, 10, 10)}));
    TriangleList first(&square);
    ASSERT_EQ(first.buildInOnePass(), 1);
    OutlineVectorizer none;
    TriangleList second(&none);
    EXPECT_EQ(second.buildInOnePass(), 0);
    EXPECT_EQ(second.triangleCount, 0);
    EXPECT_EQ(first.triangleCount, 2);
    EXPECT_NEAR(triangleArea(first), 100.0, 1e-9);
}

TEST(TriangleList, AssignCopiesTrianglesWithRoomForOneMore) {
    ContourPoint p[4];
    const Triangle given[2] = {{&p[0], &p[1], &p[2]}, {&p[2], &p[1], &p[3]}};
    TriangleList list(nullptr);
    list.assign(given, 2);
    EXPECT_EQ(list.triangleCount, 2);
    EXPECT_EQ(list.capacity(), 3);
    EXPECT_EQ(list.countOnly, 0);
    EXPECT_EQ(list[1].a, &p[2]);
    EXPECT_EQ(list[1].c, &p[3]);
    list.assign(nullptr, 0);
    EXPECT_EQ(list.triangleCount, 0);
    EXPECT_EQ(list.capacity(), 1);
}

TEST(OutlineVectorizer, CopiedContoursAreEqualValuesInFreshPoints) {
    OutlineVectorizer v;
    vectorize(v, makeOutline({hole(2, 2, 8, 8), outer(0, 0, 10, 10)}), 7.0);
    VertexRecord* marker = reinterpret_cast<VertexRecord*>(&v);
    v.contour(0)->points[0].user = marker;
    OutlineVectorizer copy;
    copy.copyContoursFrom(v);
    EXPECT_EQ(copy.precision(), 7.0);
    EXPECT_EQ(copy.glyph(), nullptr);
    ASSERT_EQ(copy.contourCount(), 2);
    for (int i = 0; i < 2; ++i) {
        const Contour& a = *v.contour(i);
        const Contour& b = *copy.contour(i);
        EXPECT_EQ(vyr::test::pointsOf(a), vyr::test::pointsOf(b));
        EXPECT_NE(a.points.get(), b.points.get());
        EXPECT_EQ(a.clockwise, b.clockwise);
        EXPECT_EQ(a.area, b.area);
        EXPECT_EQ(a.minX, b.minX);
        EXPECT_EQ(a.maxY, b.maxY);
        for (int k = 0; k < b.count; ++k)
            EXPECT_EQ(b.points[k].user, nullptr);
    }
    // The copy triangulates like the original, on its own points.
    TriangleList list(&copy);
    ASSERT_EQ(list.build(), 1);
    EXPECT_NEAR(triangleArea(list), 64.0, 1e-9);
    for (int i = 0; i < list.triangleCount; ++i)
        EXPECT_TRUE(isPointOf(copy, list[i].a));
    // Without the raw outline, flattening the copy again gives nothing.
    EXPECT_EQ(copy.vectorize(), 1);
    EXPECT_EQ(copy.contourCount(), 0);
}

TEST(TriangleList, GlyphWithoutContoursGivesNoTriangles) {
    LoadedFont font(VYR_TEST_FONT_DEJAVU);
    ASSERT_TRUE(font.opened);
    OutlineVectorizer v;
    ASSERT_EQ(v.init(font.font.glyph(' ')), 1);
    ASSERT_EQ(v.vectorize(), 1);
    TriangleList list(&v);
    EXPECT_EQ(list.build(), 1);
    EXPECT_EQ(list.triangleCount, 0);
    EXPECT_EQ(list.capacity(), 1);
}

class GlyphTriangulation : public ::testing::TestWithParam<const char*> {
  protected:
    LoadedFont font{GetParam()};
};

TEST_P(GlyphTriangulation, NoTriangleCoversAHole) {
    ASSERT_TRUE(font.opened);
    for (int code : {'o', 'B', '8', 'A', '@'}) {
        SCOPED_TRACE(std::string("character ") + char(code));
        OutlineVectorizer v;
        v.setPrecision(18.0);
        ASSERT_EQ(v.init(font.font.glyph(code)), 1);
        ASSERT_EQ(v.vectorize(), 1);
        std::vector<const Contour*> holes;
        for (int i = 0; i < v.contourCount(); ++i) {
            if (!v.contour(i)->clockwise)
                holes.push_back(v.contour(i));
        }
        ASSERT_FALSE(holes.empty());
        TriangleList list(&v);
        ASSERT_EQ(list.build(), 1);
        ASSERT_GT(list.triangleCount, 0);
        for (int i = 0; i < list.triangleCount; ++i) {
            const Triangle& t = list[i];
            // Zero-area slivers along straight stems cover nothing; their centroid may lie on
            // a hole's edge.
            if (signedArea(t) == 0.0)
                continue;
            const double cx = (t.a->x + t.b->x + t.c->x) / 3;
            const double cy = (t.a->y + t.b->y + t.c->y) / 3;
            for (const Contour* h : holes) {
                EXPECT_FALSE(vyr::test::insidePolygon(*h, cx, cy))
                    << "triangle " << i << " centroid (" << cx << ", " << cy << ")";
            }
        }
    }
}

TEST_P(GlyphTriangulation, TrianglesFillExactlyTheEnclosedAreaCounterClockwise) {
    ASSERT_TRUE(font.opened);
    const std::string text = "The quick brown fox jumps over the lazy dog 0123456789 ABCDEFG";
    for (char ch : text) {
        SCOPED_TRACE(std::string("character '") + ch + "'");
        const FontGlyph* glyph = font.font.glyph(static_cast<unsigned char>(ch));
        ASSERT_NE(glyph, nullptr);
        OutlineVectorizer v;
        v.setPrecision(18.0);
        ASSERT_EQ(v.init(glyph), 1);
        ASSERT_EQ(v.vectorize(), 1);
        for (int i = 0; i < v.contourCount(); ++i) {
            EXPECT_NEAR(v.contour(i)->area, vyr::test::shoelace(*v.contour(i)), 1e-6);
        }
        TriangleList list(&v);
        list.setGlyph(glyph);
        ASSERT_EQ(list.build(), 1);
        const double expected = enclosedArea(v);
        if (v.contourCount() == 0) {
            EXPECT_EQ(list.triangleCount, 0);
            continue;
        }
        ASSERT_GT(expected, 0.0);
        EXPECT_NEAR(triangleArea(list), expected, 1e-3 * expected);
        expectCounterClockwise(list);
    }
}

TEST_P(GlyphTriangulation, EveryGlyphOfTheCodeTableFillsItsEnclosedArea) {
    // Accented letters, the percent sign and the circled letters have several outer contours
    // with holes; a hole given to the wrong outer contour would be filled instead of cut out.
    ASSERT_TRUE(font.opened);
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE("code " + std::to_string(code));
        const FontGlyph* glyph = font.font.glyph(code);
        ASSERT_NE(glyph, nullptr);
        OutlineVectorizer v;
        v.setPrecision(18.0);
        ASSERT_EQ(v.init(glyph), 1);
        ASSERT_EQ(v.vectorize(), 1);
        TriangleList list(&v);
        ASSERT_EQ(list.build(), 1);
        const double expected = enclosedArea(v);
        EXPECT_NEAR(triangleArea(list), expected, 1e-3 * expected + 1e-9);
        expectCounterClockwise(list);
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, GlyphTriangulation,
                         ::testing::Values(VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION),
                         vyr::test::fontName);
