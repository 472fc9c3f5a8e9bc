// The bevel of every printable Latin-1 character in real fonts, from a narrow bevel to one far
// wider than the strokes: a closed solid whose bevel never faces forwards.
#include <gtest/gtest.h>

#include <cmath>

#include "export/SolidMesh.h"
#include "text/CText.h"
#include "text/MeshGeometry.h"

using namespace vyr;

namespace {

// Codes 33-126 and 161-255.
std::string printableLatin1() {
    std::string s;
    for (int c = 33; c < 256; ++c) {
        if (c < 127 || c > 160)
            s += static_cast<char>(c);
    }
    return s;
}

std::string liberationMono() {
    std::string path = VYR_TEST_FONT_LIBERATION;
    return path.replace(path.find("Sans"), 4, "Mono");
}

CText built(const std::string& font, float width, int bevel, int rounded = 0, int filter = 4) {
    CText t("/nonexistent-folder");
    t.fontPath = font;
    t.text = printableLatin1();
    t.bevelWidth = width;
    t.bevelOn = bevel;
    t.roundedEdges = rounded;
    t.filter1 = filter;
    EXPECT_TRUE(t.buildMesh().ok);
    return t;
}

struct Case {
    std::string font;
    float width;
    int bevel, rounded, filter;
};

class SoundBevel : public testing::TestWithParam<Case> {};

}  // namespace

TEST_P(SoundBevel, EveryCharacterIsClosedWithItsBevelFacingBackAndItsBackFilled) {
    const Case& c = GetParam();
    const CText t = built(c.font, c.width, c.bevel, c.rounded, c.filter);
    const SolidMesh solid = buildSolidMesh(t);
    EXPECT_TRUE(solid.sound()) << solid.faultReport();
    // Triangles wind counter-clockwise seen from outside; the back face looks along +z.
    std::vector<double> backArea(t.text.size(), 0.0);
    for (const SolidMesh::Triangle& tri : solid.triangles) {
        Vec3 p[3];
        for (int k = 0; k < 3; ++k) {
            const auto& v = solid.vertices[tri.v[k]];
            p[k] = {v[0], v[1], v[2]};
        }
        const Vec3 n = cross(p[1] - p[0], p[2] - p[0]);
        const double size = std::sqrt(dot(n, n));
        if (tri.part == SolidPart::kBevel) {
            EXPECT_GE(n.z, -1e-4 * size) << "character " << tri.character;
        }
        if (tri.part == SolidPart::kFaces && n.z > 0.0)
            backArea[size_t(tri.character)] += n.z / 2.0;
    }
    for (size_t i = 0; i < backArea.size(); ++i)
        EXPECT_GT(backArea[i], 0.0) << "character " << i;
}

INSTANTIATE_TEST_SUITE_P(RealFonts, SoundBevel,
                         testing::Values(Case{VYR_TEST_FONT_DEJAVU, 4.0f, 1, 0, 4},
                                         Case{VYR_TEST_FONT_LIBERATION, 4.0f, 1, 0, 4},
                                         Case{VYR_TEST_FONT_LIBERATION, 4.0f, 0, 0, 4},
                                         Case{liberationMono(), 2.0f, 0, 0, 4},
                                         Case{liberationMono(), 8.0f, 1, 1, 4},
                                         Case{VYR_TEST_FONT_DEJAVU, 16.0f, 1, 1, 0},
                                         Case{VYR_TEST_FONT_LIBERATION, 100.0f, 1, 0, 2}));

// A character whose plain inset is sound keeps it, and its back face is the tessellator's;
// a narrowed one moves each point the plain way, but less far.
TEST(SoundBevel, SoundInsetsStayPlainAndNarrowedOnesMoveLessFarTheSameWay) {
    for (const char* font : {VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION}) {
        const CText t = built(font, 8.0f, 1);
        int plain = 0, narrowed = 0;
        for (const TextMeshEntry& e : t.mesh().entries) {
            SCOPED_TRACE(std::string(font) + " code " + std::to_string(e.code));
            ASSERT_NE(e.bevelFit, BevelFit::kFlat);
            (e.bevelFit == BevelFit::kPlain ? plain : narrowed) += 1;
            for (int k = 0; k < e.contourCount(); ++k) {
                const Contour& c = e.contour(k);
                std::vector<VertexRecord> records(size_t(c.count));
                Contour copy;
                for (int j = 0; j < c.count; ++j) {
                    records[size_t(j)] = *c[j].user;
                    copy.addPoint(c[j].x, c[j].y);
                    copy[copy.count - 1].user = &records[size_t(j)];
                }
                ASSERT_EQ(copy.count, c.count);
                insetContour(copy, 8.0f);
                for (int j = 0; j < c.count; ++j) {
                    const VertexRecord& r = *c[j].user;
                    if (e.bevelFit == BevelFit::kPlain) {
                        ASSERT_EQ(r.inset, records[size_t(j)].inset);
                        continue;
                    }
                    const Vec3 moved = r.inset - r.position;
                    const Vec3 full = records[size_t(j)].inset - r.position;
                    EXPECT_LE(dot(moved, moved), dot(full, full) * (1 + 1e-12));
                    EXPECT_NEAR(cross(moved, full).z, 0.0, 1e-9 * dot(full, full));
                    EXPECT_GE(dot(moved, full), 0.0);
                }
            }
            if (e.bevelFit != BevelFit::kPlain)
                continue;
            TriangleList fresh(e.outline.get(), 0);
            fresh.buildInOnePass();
            ASSERT_EQ(fresh.triangleCount, e.backCount());
            for (int i = 0; i < fresh.triangleCount; ++i) {
                EXPECT_EQ(fresh[i].a, (*e.back)[i].a);
                EXPECT_EQ(fresh[i].c, (*e.back)[i].c);
            }
        }
        EXPECT_GT(plain, 90);
        EXPECT_GT(narrowed, 40);
    }
}
