// The text object's defaults, its mesh build and the display lists drawn from the mesh.

#include <algorithm>
#include <cmath>

#include "TextTestSupport.h"
#include "text/MeshGeometry.h"

using namespace vyr;
using Op = GlRecorder::Op;
using Call = GlRecorder::Call;
using test::solidOf;
using test::textOn;

namespace {

// Index of the first call with the op (and, when given, the mode).
size_t find(const GlRecorder& r, Op op, unsigned mode = ~0u) {
    auto is = [&](const Call& c) { return c.op == op && (mode == ~0u || c.arg0 == mode); };
    return size_t(std::ranges::find_if(r.calls, is) - r.calls.begin());
}

}  // namespace

TEST(MeshBuild, BackFaceLiesAtLengthOrAtLengthPlusDepthOnTheInset) {
    for (int bevel : {0, 1}) {
        SCOPED_TRACE(bevel);
        Text t = textOn(VYR_TEST_FONT_DEJAVU, "o", bevel);
        ASSERT_TRUE(t.buildMesh().ok);
        const TextMeshEntry& e = t.mesh().entries[0];
        const GlRecorder solid = solidOf(t);
        const auto at = [&solid](size_t i) {
            return Vec3(solid.calls[i].v[0], solid.calls[i].v[1], solid.calls[i].v[2]);
        };
        // Blocks of 8 calls (begin, 3 x normal and vertex, end). The first front block is
        // (c, b, a) at z = 0 facing -z. The first back block (a, b, c) faces +z: the next block
        // at z = 30 without the bevel; with it, after every front block, on the inset at 35.
        const size_t front = find(solid, Op::kBegin),
                     back = front + 8 * (bevel ? e.frontCount() : 1);
        const PlanePoint c = (*e.front)[0].c->user->position;
        const PlanePoint a = bevel ? (*e.back)[0].a->user->inset : (*e.front)[0].a->user->position;
        EXPECT_EQ(at(front + 1), Vec3(0, 0, -1));
        EXPECT_EQ(at(front + 2), Vec3(c.x, c.y, 0));
        EXPECT_EQ(at(back + 1), Vec3(0, 0, 1));
        EXPECT_EQ(at(back + 2), Vec3(a.x, a.y, bevel ? 35 : 30));
        const int blocks = e.frontCount() + (bevel ? e.backCount() : e.frontCount());
        EXPECT_EQ(solid.calls[front + 8 * size_t(blocks)].op,
                  Op::kMaterial);  // the sides' material
    }
}

TEST(MeshBuild, SideWallsAndBevelRunOnceRoundEachContourAndBack) {
    Text t = textOn(VYR_TEST_FONT_DEJAVU, "I", 1);
    ASSERT_TRUE(t.buildMesh().ok);
    const TextMeshEntry& e = t.mesh().entries[0];
    ASSERT_EQ(e.contourCount(), 1);
    const int n = e.contour(0).count;
    const GlRecorder solid = solidOf(t), wire = test::wireOf(t);
    for (const GlRecorder* r : {&solid, &wire})  // centred
        EXPECT_EQ(r->calls[find(*r, Op::kTranslate)],
                  (Call{Op::kTranslate, 0, 0, {-t.mesh().width / 2}}));
    // The walls: n + 1 pairs of (normal, vertex, normal, vertex), starting and ending at point
    // n - 1. Then 5 material calls and the bevel: one block of 6 (n + 1) corners in single
    // precision, its first and last pass also starting there, at z = 30.
    const size_t strip = find(solid, Op::kBegin, kGlQuadStrip), bevel = strip + 4 * n + 11;
    const Vec3 last = e.contour(0)[n - 1].user->position;
    for (size_t at : {strip + 2, strip + 4 * n + 2})
        EXPECT_EQ(Vec3(solid.calls[at].v[0], solid.calls[at].v[1], 0.0), last) << at;
    EXPECT_EQ(solid.calls[strip + 4 * (n + 1) + 1].op, Op::kEnd);
    EXPECT_EQ(solid.calls[bevel].arg0, kGlTriangles);
    for (size_t at : {bevel + 2, bevel + 12 * n + 2}) {
        const double* v = solid.calls[at].v;
        EXPECT_EQ(Vec3(v[0], v[1], v[2]), Vec3(float(last.x), float(last.y), 30.0)) << at;
    }
    EXPECT_EQ(solid.calls[bevel + 12 * (n + 1) + 1].op, Op::kEnd);
    // The wire list, in red: front and back triangles and one segment per point, 0 to 30 deep.
    EXPECT_EQ(wire.calls[find(wire, Op::kColor3f)], (Call{Op::kColor3f, 0, 0, {0.9f, 0.2f, 0.2f}}));
    EXPECT_EQ(std::ranges::count(wire.calls, Op::kBegin, &Call::op), 2 * e.frontCount() + n);
    EXPECT_TRUE(wire.calls.end()[-4].v[2] == 0.0 && wire.calls.end()[-3].v[2] == 30.0);
}

TEST(MeshBuild, PlacementShiftsByTheExtentAndOffsetsByTheAdvances) {
    Text t = textOn(VYR_TEST_FONT_DEJAVU, "HgH");
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
    const double h = m.entries[0].outline->advance(), g = m.entries[1].outline->advance();
    EXPECT_EQ(m.entries[2].xOffset, h + g);
    EXPECT_EQ(m.width, float(h + g + h));
    // The same glyph again lies its offset further right.
    for (size_t k = 0; k < m.entries[0].records.size(); ++k)
        EXPECT_EQ(m.entries[2].records[k].position.x, m.entries[0].records[k].position.x + h + g);
}

TEST(MeshBuild, AFontThatCannotBeOpenedFailsNamingThePathAndKeepsTheMesh) {
    Text t = textOn(VYR_TEST_FONT_DEJAVU, "Ab");
    ASSERT_TRUE(t.buildMesh().ok);
    const GlRecorder before = solidOf(t);
    const double advance = t.mesh().entries[1].outline->advance();
    for (const char* bad : {"/nowhere/NOSUCHFONT.TTF", "/etc/hostname"}) {
        t.parameters.chooseFontPath(bad);
        t.parameters.text = "XYZ";
        const BuildResult r = t.buildMesh();
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(bad), std::string::npos) << r.message;
        EXPECT_EQ(solidOf(t).calls, before.calls);
        // The kept mesh still reaches its glyphs (the sanitizer build catches a dangling one).
        EXPECT_EQ(t.mesh().entries[1].outline->advance(), advance);
    }
    Text fresh = textOn("/nowhere/NOSUCHFONT.TTF", "A");
    EXPECT_FALSE(fresh.buildMesh().ok);
    EXPECT_EQ(fresh.mesh().entryCount, 0);
}

TEST(MeshBuild, BothFiltersApplyAndNeverLeaveNaN) {
    Text plain = textOn(VYR_TEST_FONT_DEJAVU, "a.");
    ASSERT_TRUE(plain.buildMesh().ok);
    for (int f = 0; f < kFilterCount; ++f) {
        SCOPED_TRACE(filterName(f));
        Text first = textOn(VYR_TEST_FONT_DEJAVU, "a."),
             second = textOn(VYR_TEST_FONT_DEJAVU, "a.");
        first.parameters.filter1 = f;
        second.parameters.filter2 = f;
        ASSERT_TRUE(first.buildMesh().ok && second.buildMesh().ok);
        EXPECT_EQ(solidOf(first).calls, solidOf(second).calls);
        EXPECT_EQ(f == kFilterNone, solidOf(second).calls == solidOf(plain).calls);
        second.parameters.filter1 = (f + 3) % kFilterCount;
        ASSERT_TRUE(second.buildMesh().ok);
        for (const TextMeshEntry& e : second.mesh().entries) {
            for (const VertexRecord& r : e.records)
                ASSERT_TRUE(std::isfinite(r.position.x + r.position.y + r.inset.x + r.inset.y));
        }
    }
}

// Characters beyond Latin-1 come through the font's Unicode map, one entry per code point;
// one the font lacks comes from the font fontconfig chooses (the CJK one for 漢), and one no
// font has (U+0378 is unassigned) is an entry with no glyph and no advance. A byte that is
// not UTF-8 is read as U+FFFD.
TEST(MeshBuild, CodePointsBeyondLatin1AreGlyphsFromTheFontOrAFallback) {
    Text t = textOn(VYR_TEST_FONT_DEJAVU, "\xD0\x96\xCE\xA9\xCD\xB8\xD0\x96\xFF\xE6\xBC\xA2");
    ASSERT_TRUE(t.buildMesh().ok);
    const TextMesh& m = t.mesh();
    ASSERT_EQ(m.entryCount, 6);
    const int codes[] = {0x416, 0x3A9, 0x378, 0x416, 0xFFFD, 0x6F22};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(m.entries[i].code, codes[i]);
    EXPECT_TRUE(m.entries[0].vectorised && m.entries[1].vectorised && m.entries[3].vectorised);
    EXPECT_TRUE(!m.entries[2].hasGlyph && m.entries[2].font == -1 && m.entries[0].font == 0);
    ASSERT_EQ(m.entries[5].font, 1);
    EXPECT_TRUE(m.entries[5].vectorised);
    EXPECT_NE(t.fallbackFonts()[0].find("wqy-microhei.ttc"), std::string::npos);
    EXPECT_EQ(m.entries[3].xOffset, m.entries[2].xOffset);
    EXPECT_EQ(m.entries[3].xOffset - m.entries[1].xOffset, m.entries[1].outline->advance());
    EXPECT_EQ(m.entries[3].records.size(), m.entries[0].records.size());
}
