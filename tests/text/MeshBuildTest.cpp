#include <gtest/gtest.h>

#include <cmath>

#include "TextTestSupport.h"
#include "text/Filters.h"
#include "text/GlSink.h"
#include "text/MeshGeometry.h"

using namespace vyr;
using Op = GlRecorder::Op;

namespace {

GlRecorder solidOf(const CText& t) {
    GlRecorder r;
    t.emitSolidList(r);
    return r;
}

GlRecorder wireOf(const CText& t) {
    GlRecorder r;
    t.emitWireList(r);
    return r;
}

size_t countOps(const GlRecorder& r, Op op) {
    size_t n = 0;
    for (const auto& c : r.calls)
        n += c.op == op;
    return n;
}

std::vector<Op> opsOf(const GlRecorder& r) {
    std::vector<Op> ops;
    for (const auto& c : r.calls)
        ops.push_back(c.op);
    return ops;
}

}  // namespace

TEST(TextObject, DefaultsAreThoseOfAFreshText) {
    CText t("/usr/share/fonts");
    EXPECT_EQ(t.text, "@");
    EXPECT_EQ(t.fontFile, "ARIAL.TTF");
    EXPECT_EQ(t.fontPath, "/usr/share/fonts/ARIAL.TTF");
    EXPECT_EQ(t.precision, 18.0);
    EXPECT_EQ(t.extrusionLength, 30.0);
    EXPECT_EQ(t.bevelDepth, 5.0);
    EXPECT_EQ(t.bevelWidth, 4.0f);
    EXPECT_EQ(t.bevelOn, 1);
    EXPECT_EQ(t.roundedEdges, 0);
    EXPECT_EQ(t.filter1, kFilterNone);
    EXPECT_EQ(t.filter2, kFilterNone);
    EXPECT_EQ(t.scale, (std::array<float, 3>{0.0025f, 0.0025f, 0.0025f}));
    EXPECT_EQ(t.bevelMaterial.ambient[3], 0.2f);
    EXPECT_EQ(t.frontMaterial.ambient[3], 0.0f);
    EXPECT_EQ(t.sideMaterial.diffuse[1], 0.08f);
    EXPECT_EQ(t.mesh().entryCount, 0);
}

TEST(TextObject, FontPathKeepsTheSeparatorOfAStoredFolder) {
    CText windows("C:\\Windows\\Fonts");
    EXPECT_EQ(windows.fontPath, "C:\\Windows\\Fonts\\ARIAL.TTF");
    windows.fontFile = "TIMES.TTF";
    windows.updateFontPath();
    EXPECT_EQ(windows.fontPath, "C:\\Windows\\Fonts\\TIMES.TTF");
}

TEST(TextObject, CaseOnlyChangeOfTheFontFileCountsAsAChange) {
    CText a("/f"), b("/f");
    EXPECT_FALSE(a.shapeDiffers(b));
    b.fontFile = "arial.ttf";
    EXPECT_TRUE(a.shapeDiffers(b));
    CText c("/f");
    c.scale[0] = 1.0f;  // scale only redraws
    EXPECT_FALSE(a.shapeDiffers(c));
}

TEST(MeshBuild, EmptyTextGivesNoEntriesAndListsWithTheTranslationOnly) {
    CText t = test::builtText(VYR_TEST_FONT_DEJAVU, "");
    ASSERT_TRUE(t.buildMesh().ok);
    EXPECT_EQ(t.mesh().entryCount, 0);
    EXPECT_EQ(t.mesh().width, 0.0f);
    EXPECT_EQ(opsOf(solidOf(t)), (std::vector<Op>{Op::kEnable, Op::kMatrixMode, Op::kPushMatrix,
                                                  Op::kTranslate, Op::kPopMatrix}));
    EXPECT_EQ(opsOf(wireOf(t)), (std::vector<Op>{Op::kEnable, Op::kMatrixMode, Op::kPushMatrix,
                                                 Op::kTranslate, Op::kColor3f, Op::kPopMatrix}));
    EXPECT_EQ(solidOf(t).calls[3].v[0], 0.0);
}

TEST(MeshBuild, SpacesAddTheirAdvanceAndNoGeometry) {
    CText one = test::builtText(VYR_TEST_FONT_DEJAVU, " ");
    ASSERT_TRUE(one.buildMesh().ok);
    const float advance = one.mesh().width;
    EXPECT_GT(advance, 0.0f);
    CText t = test::builtText(VYR_TEST_FONT_DEJAVU, "   ");
    ASSERT_TRUE(t.buildMesh().ok);
    EXPECT_EQ(t.mesh().entryCount, 3);
    EXPECT_EQ(t.mesh().width, 3 * advance);
    EXPECT_EQ(t.mesh().entries[2].xOffset, 2.0 * advance);
    const GlRecorder solid = solidOf(t);
    EXPECT_EQ(countOps(solid, Op::kBegin), 0u);
    // Front, side and bevel materials for each character, five calls each.
    EXPECT_EQ(countOps(solid, Op::kMaterial), 3u * 3u * 5u);
    EXPECT_EQ(solid.calls[3].v[0], -0.5 * 3 * advance);
}

TEST(MeshBuild, BevelOffPutsTheBackFaceAtLengthFromTheFrontTriangulation) {
    CText t = test::builtText(VYR_TEST_FONT_DEJAVU, "o", 0);
    ASSERT_TRUE(t.buildMesh().ok);
    const TextMeshEntry& e = t.mesh().entries[0];
    ASSERT_GT(e.frontCount(), 0);
    const GlRecorder solid = solidOf(t);
    // After the front material: per triangle a front block (c, b, a) then a back block (a, b, c).
    size_t i = 0;
    while (solid.calls[i].op != Op::kBegin)
        ++i;
    for (int k = 0; k < e.frontCount(); ++k) {
        const Triangle& tri = (*e.front)[k];
        const ContourPoint* front[3] = {tri.c, tri.b, tri.a};
        const ContourPoint* back[3] = {tri.a, tri.b, tri.c};
        ASSERT_EQ(solid.calls[i++].op, Op::kBegin);
        for (const ContourPoint* p : front) {
            EXPECT_EQ(solid.calls[i++].v[2], -1.0);
            const auto& v = solid.calls[i++];
            EXPECT_EQ(v.op, Op::kVertex3d);
            EXPECT_EQ(v.v[0], p->user->position.x);
            EXPECT_EQ(v.v[2], 0.0);
        }
        ASSERT_EQ(solid.calls[i++].op, Op::kEnd);
        ASSERT_EQ(solid.calls[i++].op, Op::kBegin);
        for (const ContourPoint* p : back) {
            EXPECT_EQ(solid.calls[i++].v[2], 1.0);
            const auto& v = solid.calls[i++];
            EXPECT_EQ(v.v[1], p->user->position.y);
            EXPECT_EQ(v.v[2], 30.0);
        }
        ASSERT_EQ(solid.calls[i++].op, Op::kEnd);
    }
    EXPECT_EQ(solid.calls[i].op, Op::kMaterial);  // the side material follows
}

TEST(MeshBuild, BevelOnPutsTheBackFaceAtLengthPlusDepthFromTheInsetTriangulation) {
    CText t = test::builtText(VYR_TEST_FONT_DEJAVU, "o", 1);
    ASSERT_TRUE(t.buildMesh().ok);
    const TextMeshEntry& e = t.mesh().entries[0];
    ASSERT_GT(e.backCount(), 0);
    const GlRecorder solid = solidOf(t);
    // Skip the list prelude (4 calls), 5 materials, then frontCount blocks of 8 calls.
    size_t i = 4 + 5 + static_cast<size_t>(e.frontCount()) * 8;
    for (int k = 0; k < e.backCount(); ++k) {
        const Triangle& tri = (*e.back)[k];
        ASSERT_EQ(solid.calls[i++].op, Op::kBegin);
        for (const ContourPoint* p : {tri.a, tri.b, tri.c}) {
            const auto& nrm = solid.calls[i++];
            EXPECT_EQ(nrm.v[2], 1.0);
            const auto& v = solid.calls[i++];
            EXPECT_EQ(v.v[0], p->user->inset.x);
            EXPECT_EQ(v.v[1], p->user->inset.y);
            EXPECT_EQ(v.v[2], 35.0);
            // The back triangles were computed on the inset outline.
            EXPECT_EQ(p->x, p->user->inset.x);
        }
        ASSERT_EQ(solid.calls[i++].op, Op::kEnd);
    }
    EXPECT_EQ(solid.calls[i].op, Op::kMaterial);
}

TEST(MeshBuild, SideWallsAndBevelVisitEveryPointAndCloseTheirContour) {
    CText t = test::builtText(VYR_TEST_FONT_DEJAVU, "I", 1);
    ASSERT_TRUE(t.buildMesh().ok);
    const TextMeshEntry& e = t.mesh().entries[0];
    ASSERT_EQ(e.contourCount(), 1);
    const int n = e.contour(0).count;
    const GlRecorder solid = solidOf(t);
    size_t strip = 0;
    while (!(solid.calls[strip].op == Op::kBegin && solid.calls[strip].arg0 == kGlQuadStrip)) {
        ++strip;
    }
    // n + 1 pairs of (normal, vertex, normal, vertex), starting and ending at point n - 1.
    const Vec3 last = e.contour(0)[n - 1].user->position;
    EXPECT_EQ(solid.calls[strip + 2].v[0], last.x);
    EXPECT_EQ(solid.calls[strip + 4 * n + 2].v[0], last.x);
    EXPECT_EQ(solid.calls[strip + 4 * (n + 1) + 1].op, Op::kEnd);
    // The bevel: after 5 material calls, one triangle block of 6 (n + 1) corners.
    const size_t bevel = strip + 4 * (n + 1) + 2 + 5;
    EXPECT_EQ(solid.calls[bevel].arg0, kGlTriangles);
    EXPECT_EQ(solid.calls[bevel + 12 * (n + 1) + 1].op, Op::kEnd);
}

TEST(MeshBuild, RoundedEdgesChangeOnlyTheBevelNormals) {
    CText flat = test::builtText(VYR_TEST_FONT_DEJAVU, "Og", 1);
    CText round = test::builtText(VYR_TEST_FONT_DEJAVU, "Og", 1);
    round.roundedEdges = 1;
    ASSERT_TRUE(flat.buildMesh().ok && round.buildMesh().ok);
    const GlRecorder a = solidOf(flat), b = solidOf(round);
    ASSERT_EQ(a.calls.size(), b.calls.size());
    size_t differing = 0;
    size_t materials = 0;
    for (size_t i = 0; i < a.calls.size(); ++i) {
        materials += a.calls[i].op == Op::kMaterial;
        if (a.calls[i] == b.calls[i])
            continue;
        ++differing;
        EXPECT_EQ(a.calls[i].op, Op::kNormal3f);
        EXPECT_EQ(b.calls[i].op, Op::kNormal3d);
        // Materials come in groups of five: front, side, bevel per character.
        EXPECT_EQ((materials - 1) / 5 % 3, 2u) << "a normal outside the bevel changed";
    }
    EXPECT_GT(differing, 0u);
}

TEST(MeshBuild, TwoBuildsWithTheSameParametersGiveIdenticalStreams) {
    CText t = test::builtText(VYR_TEST_FONT_LIBERATION, "Ag 8%");
    t.filter1 = kFilterRainbow;
    t.roundedEdges = 1;
    ASSERT_TRUE(t.buildMesh().ok);
    const GlRecorder first = solidOf(t), firstWire = wireOf(t);
    ASSERT_TRUE(t.buildMesh().ok);
    EXPECT_EQ(first.calls, solidOf(t).calls);
    EXPECT_EQ(firstWire.calls, wireOf(t).calls);
}

TEST(MeshBuild, PlacementShiftsByTheExtentAndOffsetsByTheAdvances) {
    CText t = test::builtText(VYR_TEST_FONT_DEJAVU, "Hg");
    ASSERT_TRUE(t.buildMesh().ok);
    const TextMesh& m = t.mesh();
    const double shift = verticalShift(m.minY, m.maxY);
    double lowest = 1e20, highest = -1e20;
    for (const TextMeshEntry& e : m.entries) {
        for (const VertexRecord& r : e.records) {
            lowest = std::min(lowest, r.position.y);
            highest = std::max(highest, r.position.y);
            EXPECT_EQ(r.normal, (Vec3{0.0, 0.0, -1.0}));
            EXPECT_EQ(r.position.z, 0.0);
        }
    }
    EXPECT_EQ(lowest, m.minY - shift);
    EXPECT_EQ(highest, m.maxY - shift);
    EXPECT_EQ(m.entries[0].xOffset, 0.0);
    EXPECT_EQ(m.entries[1].xOffset, m.entries[0].outline->advance());
    EXPECT_EQ(m.width, static_cast<float>(m.entries[0].outline->advance() +
                                          m.entries[1].outline->advance()));
}

TEST(MeshBuild, WireListTracesFrontAndBackTrianglesAndOneSegmentPerPoint) {
    CText t = test::builtText(VYR_TEST_FONT_DEJAVU, "L");
    ASSERT_TRUE(t.buildMesh().ok);
    const TextMeshEntry& e = t.mesh().entries[0];
    const GlRecorder wire = wireOf(t);
    EXPECT_EQ(countOps(wire, Op::kBegin),
              static_cast<size_t>(2 * e.frontCount() + e.contour(0).count));
    EXPECT_EQ(countOps(wire, Op::kMaterial), 0u);
}

TEST(MeshBuild, MissingFontFailsNamingThePathAndKeepsThePreviousMesh) {
    CText t = test::builtText(VYR_TEST_FONT_DEJAVU, "AB");
    ASSERT_TRUE(t.buildMesh().ok);
    const GlRecorder before = solidOf(t);
    t.fontPath = "/nowhere/NOSUCHFONT.TTF";
    t.text = "XYZ";
    const BuildResult r = t.buildMesh();
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("/nowhere/NOSUCHFONT.TTF"), std::string::npos);
    EXPECT_EQ(t.mesh().entryCount, 2);
    EXPECT_EQ(solidOf(t).calls, before.calls);

    CText fresh = test::builtText("/nowhere/NOSUCHFONT.TTF", "A");
    EXPECT_FALSE(fresh.buildMesh().ok);
    EXPECT_EQ(fresh.mesh().entryCount, 0);
}

TEST(MeshBuild, AFileThatIsNotAFontFailsCleanlyAndKeepsTheMeshUsable) {
    CText t = test::builtText(VYR_TEST_FONT_DEJAVU, "Ab");
    ASSERT_TRUE(t.buildMesh().ok);
    const double advance = t.mesh().entries[1].outline->advance();
    t.fontPath = "/etc/hostname";
    const BuildResult r = t.buildMesh();
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("/etc/hostname"), std::string::npos);
    // The kept mesh still reaches its glyphs (the sanitizer build catches a dangling one).
    EXPECT_EQ(t.mesh().entries[1].outline->advance(), advance);
}

TEST(MeshBuild, FiltersNeverLeaveNaNInTheMesh) {
    for (int f = 0; f < kFilterCount; ++f) {
        CText t = test::builtText(VYR_TEST_FONT_DEJAVU, "a.");
        t.filter1 = f;
        t.filter2 = (f + 3) % kFilterCount;
        ASSERT_TRUE(t.buildMesh().ok);
        for (const TextMeshEntry& e : t.mesh().entries) {
            for (const VertexRecord& r : e.records) {
                ASSERT_TRUE(std::isfinite(r.position.x) && std::isfinite(r.position.y) &&
                            std::isfinite(r.inset.x) && std::isfinite(r.inset.y))
                    << filterName(f);
            }
        }
    }
}
