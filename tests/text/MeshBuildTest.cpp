// The text object's defaults, its mesh build and the display lists drawn from the mesh.

#include <cmath>

#include "TextTestSupport.h"
#include "text/MeshGeometry.h"

using namespace vyr;
using Op = GlRecorder::Op;
using test::solidOf;
using test::textOn;

namespace {

size_t countOps(const GlRecorder& r, Op op) {
    size_t n = 0;
    for (const auto& c : r.calls)
        n += c.op == op;
    return n;
}

// Index of the first call from `from` on with the op (and, when given, the mode).
size_t find(const GlRecorder& r, Op op, size_t from = 0, unsigned mode = ~0u) {
    while (from < r.calls.size() &&
           !(r.calls[from].op == op && (mode == ~0u || r.calls[from].arg0 == mode)))
        ++from;
    return from;
}

}  // namespace

TEST(MeshBuild, BackFaceLiesAtLengthOrAtLengthPlusDepthOnTheInset) {
    for (int bevel : {0, 1}) {
        SCOPED_TRACE(bevel);
        CText t = textOn(VYR_TEST_FONT_DEJAVU, "o", bevel);
        ASSERT_TRUE(t.buildMesh().ok);
        const TextMeshEntry& e = t.mesh().entries[0];
        const GlRecorder solid = solidOf(t);
        // Per front triangle (c, b, a) at z = 0, then without the bevel (a, b, c) at z = 30.
        size_t i = find(solid, Op::kBegin);
        auto expectCorner = [&](double nz, Vec3 v, double z) {
            EXPECT_EQ(solid.calls[i++].v[2], nz);
            EXPECT_EQ(solid.calls[i].v[0], v.x);
            EXPECT_EQ(solid.calls[i].v[1], v.y);
            EXPECT_EQ(solid.calls[i++].v[2], z);
        };
        for (int k = 0; k < e.frontCount(); ++k) {
            const Triangle& tri = (*e.front)[k];
            ASSERT_EQ(solid.calls[i++].op, Op::kBegin);
            for (const ContourPoint* p : {tri.c, tri.b, tri.a})
                expectCorner(-1.0, p->user->position, 0.0);
            ASSERT_EQ(solid.calls[i++].op, Op::kEnd);
            if (bevel)
                continue;
            ASSERT_EQ(solid.calls[i++].op, Op::kBegin);
            for (const ContourPoint* p : {tri.a, tri.b, tri.c})
                expectCorner(1.0, p->user->position, 30.0);
            ASSERT_EQ(solid.calls[i++].op, Op::kEnd);
        }
        // With the bevel, the back face's own triangulation of the inset at z = 35.
        for (int k = 0; bevel && k < e.backCount(); ++k) {
            const Triangle& tri = (*e.back)[k];
            ASSERT_EQ(solid.calls[i++].op, Op::kBegin);
            for (const ContourPoint* p : {tri.a, tri.b, tri.c}) {
                EXPECT_EQ(p->x, p->user->inset.x);
                expectCorner(1.0, p->user->inset, 35.0);
            }
            ASSERT_EQ(solid.calls[i++].op, Op::kEnd);
        }
        EXPECT_EQ(solid.calls[i].op, Op::kMaterial);  // the side material follows
    }
}

TEST(MeshBuild, SideWallsAndBevelRunOnceRoundEachContourAndBack) {
    CText t = textOn(VYR_TEST_FONT_DEJAVU, "I", 1);
    ASSERT_TRUE(t.buildMesh().ok);
    const TextMeshEntry& e = t.mesh().entries[0];
    ASSERT_EQ(e.contourCount(), 1);
    const int n = e.contour(0).count;
    const GlRecorder solid = solidOf(t);
    // n + 1 pairs of (normal, vertex, normal, vertex), starting and ending at point n - 1.
    const size_t strip = find(solid, Op::kBegin, 0, kGlQuadStrip);
    const double last = e.contour(0)[n - 1].user->position.x;
    EXPECT_EQ(solid.calls[strip + 2].v[0], last);
    EXPECT_EQ(solid.calls[strip + 4 * n + 2].v[0], last);
    EXPECT_EQ(solid.calls[strip + 4 * (n + 1) + 1].op, Op::kEnd);
    // The bevel: after 5 material calls, one triangle block of 6 (n + 1) corners.
    const size_t bevel = strip + 4 * (n + 1) + 2 + 5;
    EXPECT_EQ(solid.calls[bevel].arg0, kGlTriangles);
    EXPECT_EQ(solid.calls[bevel + 12 * (n + 1) + 1].op, Op::kEnd);
    // The wire list: front and back triangles and one segment per point.
    EXPECT_EQ(countOps(test::wireOf(t), Op::kBegin), size_t(2 * e.frontCount() + n));
    EXPECT_EQ(countOps(test::wireOf(t), Op::kMaterial), 0u);
}

TEST(MeshBuild, PlacementShiftsByTheExtentAndOffsetsByTheAdvances) {
    CText t = textOn(VYR_TEST_FONT_DEJAVU, "Hg");
    ASSERT_TRUE(t.buildMesh().ok);
    const TextMesh& m = t.mesh();
    double lowest = 1e20, highest = -1e20;
    for (const TextMeshEntry& e : m.entries) {
        for (const VertexRecord& r : e.records) {
            lowest = std::min(lowest, r.position.y);
            highest = std::max(highest, r.position.y);
        }
    }
    // Lowered by minY + (minY + maxY) / 2 + 50.
    EXPECT_NEAR(lowest, -(m.minY + m.maxY) / 2 - 50, 1e-9);
    EXPECT_NEAR(highest - lowest, m.maxY - m.minY, 1e-9);
    EXPECT_EQ(m.entries[1].xOffset, m.entries[0].outline->advance());
    EXPECT_EQ(m.width, float(m.entries[0].outline->advance() + m.entries[1].outline->advance()));
}

TEST(MeshBuild, AFontThatCannotBeOpenedFailsNamingThePathAndKeepsTheMesh) {
    CText t = textOn(VYR_TEST_FONT_DEJAVU, "Ab");
    ASSERT_TRUE(t.buildMesh().ok);
    const GlRecorder before = solidOf(t);
    const double advance = t.mesh().entries[1].outline->advance();
    for (const char* bad : {"/nowhere/NOSUCHFONT.TTF", "/etc/hostname"}) {
        t.fontPath = bad;
        t.text = "XYZ";
        const BuildResult r = t.buildMesh();
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(bad), std::string::npos) << r.message;
        EXPECT_EQ(solidOf(t).calls, before.calls);
        // The kept mesh still reaches its glyphs (the sanitizer build catches a dangling one).
        EXPECT_EQ(t.mesh().entries[1].outline->advance(), advance);
    }
    CText fresh = textOn("/nowhere/NOSUCHFONT.TTF", "A");
    EXPECT_FALSE(fresh.buildMesh().ok);
    EXPECT_EQ(fresh.mesh().entryCount, 0);
}

TEST(MeshBuild, BothFiltersApplyAndNeverLeaveNaN) {
    CText plain = textOn(VYR_TEST_FONT_DEJAVU, "a.");
    ASSERT_TRUE(plain.buildMesh().ok);
    for (int f = 0; f < kFilterCount; ++f) {
        SCOPED_TRACE(filterName(f));
        CText first = textOn(VYR_TEST_FONT_DEJAVU, "a."),
              second = textOn(VYR_TEST_FONT_DEJAVU, "a.");
        first.filter1 = f;
        second.filter2 = f;
        ASSERT_TRUE(first.buildMesh().ok && second.buildMesh().ok);
        EXPECT_EQ(solidOf(first).calls, solidOf(second).calls);
        EXPECT_EQ(f == kFilterNone, solidOf(second).calls == solidOf(plain).calls);
        second.filter1 = (f + 3) % kFilterCount;
        ASSERT_TRUE(second.buildMesh().ok);
        for (const TextMeshEntry& e : second.mesh().entries) {
            for (const VertexRecord& r : e.records) {
                ASSERT_TRUE(std::isfinite(r.position.x) && std::isfinite(r.position.y) &&
                            std::isfinite(r.inset.x) && std::isfinite(r.inset.y));
            }
        }
    }
}

class MeshClosure : public ::testing::TestWithParam<const char*> {};

TEST_P(MeshClosure, EveryGlyphWithoutBevelIsAClosedSolid) {
    CText t = textOn(GetParam(), "", 0);
    for (int code = 33; code < 256; ++code) {
        t.text = std::string(1, char(code));
        ASSERT_TRUE(t.buildMesh().ok);
        int triangles = 0;
        EXPECT_EQ(test::unmatchedEdges(solidOf(t), &triangles), 0) << "code " << code;
        EXPECT_EQ(triangles > 0, t.mesh().entries[0].frontCount() > 0) << "code " << code;
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, MeshClosure,
                         ::testing::Values(VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION));
