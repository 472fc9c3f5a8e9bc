// The bevel of every printable Latin-1 character in real fonts, from a narrow bevel to one far
// wider than the strokes: a closed solid whose bevel never faces forwards.
#include <gtest/gtest.h>

#include <cmath>

#include "export/SolidMesh.h"
#include "text/CText.h"
#include "text/MeshGeometry.h"

using namespace vyr;

namespace {

struct Case {
    std::string font;
    float width;
    int bevel, filter;
};

// Every printable Latin-1 character, codes 33-126 and 161-255.
CText built(const Case& c) {
    CText t("/nonexistent-folder");
    t.text.clear();
    for (int code = 33; code < 256; ++code)
        t.text += code < 127 || code > 160 ? std::string(1, char(code)) : "";
    t.fontPath = c.font;
    t.bevelWidth = c.width;
    t.bevelOn = c.bevel;
    t.filter1 = c.filter;
    EXPECT_TRUE(t.buildMesh().ok);
    return t;
}

const std::string kMono =
    std::string(VYR_TEST_FONT_LIBERATION)
        .replace(std::string(VYR_TEST_FONT_LIBERATION).find("Sans"), 4, "Mono");

class SoundBevel : public testing::TestWithParam<Case> {};

}  // namespace

TEST_P(SoundBevel, EveryCharacterIsClosedWithItsBevelFacingBackAndItsBackFilled) {
    const CText t = built(GetParam());
    const SolidMesh solid = buildSolidMesh(t);
    EXPECT_TRUE(solid.sound()) << solid.faultReport();
    // Triangles wind counter-clockwise seen from outside.
    std::vector<double> backArea(t.text.size(), 0.0);
    for (const SolidMesh::Triangle& tri : solid.triangles) {
        auto at = [&](int k) {
            const auto& v = solid.vertices[tri.v[k]];
            return Vec3{v[0], v[1], v[2]};
        };
        const Vec3 n = cross(at(1) - at(0), at(2) - at(0));
        // Every bevel triangle looks backwards (or sideways), and so does the back face unless a
        // filter folded the outline and with it the front face.
        const bool back = tri.part == SolidPart::kFaces && at(0).z > 0.0;
        if (tri.part == SolidPart::kBevel || (back && GetParam().filter == 4)) {
            EXPECT_GE(n.z, -1e-4 * std::sqrt(dot(n, n))) << "character " << tri.character;
        }
        if (back)
            backArea[size_t(tri.character)] += n.z / 2.0;
    }
    for (size_t i = 0; i < backArea.size(); ++i)
        EXPECT_GT(backArea[i], 0.0) << "character " << i;
}

INSTANTIATE_TEST_SUITE_P(RealFonts, SoundBevel,
                         testing::Values(Case{VYR_TEST_FONT_DEJAVU, 4.0f, 1, 4},
                                         Case{VYR_TEST_FONT_LIBERATION, 4.0f, 1, 4},
                                         Case{VYR_TEST_FONT_LIBERATION, 4.0f, 0, 4},
                                         Case{kMono, 2.0f, 0, 4}, Case{kMono, 8.0f, 1, 4},
                                         Case{VYR_TEST_FONT_DEJAVU, 16.0f, 1, 0},
                                         Case{VYR_TEST_FONT_LIBERATION, 100.0f, 1, 2}));

// A character whose plain inset is sound keeps it and the tessellator's back face; a narrowed
// one moves each point the plain way, but less far.
TEST(SoundBevel, SoundInsetsStayPlainAndNarrowedOnesMoveLessFarTheSameWay) {
    for (const char* font : {VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION}) {
        const CText t = built({font, 8.0f, 1, 4});
        int plain = 0;
        for (const TextMeshEntry& e : t.mesh().entries) {
            SCOPED_TRACE(std::string(font) + " code " + std::to_string(e.code));
            ASSERT_NE(e.bevelFit, BevelFit::kFlat);
            plain += e.bevelFit == BevelFit::kPlain;
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
                    const Vec3 moved = c[j].user->inset - c[j].user->position;
                    const Vec3 full = records[size_t(j)].inset - c[j].user->position;
                    const double part = dot(moved, full) / dot(full, full);
                    ASSERT_TRUE(e.bevelFit == BevelFit::kPlain ? moved == full
                                                               : part >= 0 && part <= 1);
                    EXPECT_NEAR(cross(moved, full).z, 0.0, 1e-9 * dot(full, full));
                }
            }
            TriangleList fresh(e.outline.get(), 0);
            fresh.buildInOnePass();
            for (int i = 0; e.bevelFit == BevelFit::kPlain && i < fresh.triangleCount; ++i)
                ASSERT_EQ(fresh[i].b, (*e.back)[i].b);
            EXPECT_TRUE(e.bevelFit != BevelFit::kPlain || fresh.triangleCount == e.backCount());
        }
        EXPECT_GT(plain, 90);
        EXPECT_LT(plain, 150);
    }
}
