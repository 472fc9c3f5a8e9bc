// The welded solid behind the STL, OBJ and glTF files, on hand-made meshes.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "ExportTestSupport.h"
#include "SolidReader.h"
#include "export/MeshFormats.h"
#include "export/SolidMesh.h"
#include "tests/text/TextTestSupport.h"

namespace vyr {
namespace {

TextExportView unitScale(const TextMesh& mesh, bool bevel) {
    TextExportView v = test::viewOf(mesh, bevel);
    v.scale = {1.0f, 1.0f, 1.0f};
    return v;
}

// What an independent reader makes of the solid, through the STL bytes.
test::SolidCheck readBack(const SolidMesh& solid) {
    std::ostringstream out;
    EXPECT_TRUE(writeStl(solid, out).ok);
    const test::FileTriangles file = test::readStl(out.str());
    EXPECT_EQ(file.error, "");
    return test::checkSolid(file);
}

size_t countPart(const SolidMesh& m, SolidPart part) {
    size_t n = 0;
    for (const auto& t : m.triangles)
        n += t.part == part;
    return n;
}

TEST(SolidMesh, PrismIsClosedCentredAndHoldsItsVolumeWithAndWithoutBevel) {
    struct Case {
        bool bevel;
        size_t vertices, faces, sides, bevelTriangles;
        double volume;
    };
    // Area 50 times length 30; the bevel adds each edge once (the closing edge is not
    // doubled here) and a frustum 5 deep from area 50 through 36.125 (middle) to 24.5.
    const Case cases[] = {{false, 6, 2, 6, 0, 1500.0},
                          {true, 9, 2, 6, 6, 1500.0 + 5.0 / 6.0 * (50.0 + 4.0 * 36.125 + 24.5)}};
    const TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    for (const Case& k : cases) {
        const SolidMesh solid = buildSolidMesh(unitScale(mesh, k.bevel));
        EXPECT_TRUE(solid.sound()) << solid.faultReport();
        EXPECT_EQ(solid.vertices.size(), k.vertices);
        EXPECT_EQ(countPart(solid, SolidPart::kFaces), k.faces);
        EXPECT_EQ(countPart(solid, SolidPart::kSides), k.sides);
        EXPECT_EQ(countPart(solid, SolidPart::kBevel), k.bevelTriangles);
        float lo = 1e9f, hi = -1e9f;
        for (const auto& v : solid.vertices)
            lo = std::min(lo, v[0]), hi = std::max(hi, v[0]);
        EXPECT_EQ(lo, -5.0f);
        EXPECT_EQ(hi, 5.0f);
        const test::SolidCheck c = readBack(solid);
        EXPECT_TRUE(c.closedAndOriented());
        EXPECT_NEAR(c.volume, k.volume, 1e-9);
    }
}

TEST(SolidMesh, TextScaleAppliesAndAMirroringScaleKeepsTheSolidOutwardFacing) {
    const TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    TextExportView view = test::viewOf(mesh, false);
    // 0.0025 is not exact in single precision: allow its relative error, three times.
    const double scaled = 1500.0 * 0.0025 * 0.0025 * 0.0025;
    EXPECT_NEAR(readBack(buildSolidMesh(view)).volume, scaled, scaled * 1e-6);
    view.scale = {-2.0f, 1.0f, 1.0f};
    const test::SolidCheck mirrored = readBack(buildSolidMesh(view));
    EXPECT_TRUE(mirrored.closedAndOriented());
    EXPECT_NEAR(mirrored.volume, 3000.0, 1e-9);
}

// A square whose right side holds a middle point; the face triangulation joins the three
// collinear points with a triangle of no area, as the tessellator does.
test::SyntheticChar squareWithCollinearPoint() {
    test::SyntheticChar c;
    const double pts[5][2] = {{0, 0}, {0, 10}, {10, 10}, {10, 5}, {10, 0}};
    c.contours.emplace_back();
    for (const auto& p : pts)
        c.contours[0].push_back({{p[0], p[1], 0}, {p[0], p[1], 0}});
    using test::Corner;
    c.front = {{Corner{0, 0}, Corner{0, 4}, Corner{0, 2}},
               {Corner{0, 0}, Corner{0, 2}, Corner{0, 1}},
               {Corner{0, 2}, Corner{0, 4}, Corner{0, 3}}};
    return c;
}

TEST(SolidMesh, TriangleWithoutAreaIsFlippedAwayKeepingTheSurfaceClosed) {
    const TextMesh mesh = test::makeMesh({squareWithCollinearPoint()}, 10.0f);
    const SolidMesh solid = buildSolidMesh(unitScale(mesh, false));
    EXPECT_TRUE(solid.sound()) << solid.faultReport();
    const test::SolidCheck c = readBack(solid);
    EXPECT_EQ(c.degenerate, 0u);
    EXPECT_TRUE(c.closedAndOriented());
    EXPECT_NEAR(c.volume, 100.0 * 30.0, 1e-9);
    // Front and back: 3 triangles each, none flat; walls: 5 edges.
    EXPECT_EQ(countPart(solid, SolidPart::kFaces), 6u);
    EXPECT_EQ(countPart(solid, SolidPart::kSides), 10u);
}

TEST(SolidMesh, InsetThatCrossesItselfIsReported) {
    test::SyntheticChar c = test::rightTriangle();
    std::swap(c.contours[0][1].inset, c.contours[0][2].inset);
    const TextMesh mesh = test::makeMesh({test::space(), c}, 10.0f);
    const SolidMesh solid = buildSolidMesh(unitScale(mesh, true));
    ASSERT_EQ(solid.faults.size(), 1u);
    EXPECT_EQ(solid.faults[0].character, 1);
    EXPECT_EQ(solid.faults[0].code, 'v');
    EXPECT_TRUE(solid.faults[0].folded);
    EXPECT_NE(solid.faultReport().find("character 2 ('v'): the bevel inset crosses itself"),
              std::string::npos);
    // Without the bevel the inset is not used: sound.
    EXPECT_TRUE(buildSolidMesh(unitScale(mesh, false)).sound());
}

TEST(SolidMesh, BackFaceMissingFromTheBevelIsReportedAsOpen) {
    test::SyntheticChar c = test::rightTriangle();
    c.back.clear();
    const TextMesh mesh = test::makeMesh({c}, 10.0f);
    const SolidMesh solid = buildSolidMesh(unitScale(mesh, true));
    ASSERT_EQ(solid.faults.size(), 1u);
    EXPECT_TRUE(solid.faults[0].backUnfilled);
    EXPECT_TRUE(solid.faults[0].open);
    EXPECT_FALSE(readBack(solid).closedAndOriented());
}

TEST(SolidMesh, CoordinatesThatAreNotNumbersOrAZeroScaleAreReported) {
    TextMesh mesh = test::makeMesh({test::rightTriangle(), test::rightTriangle(20)}, 30.0f);
    mesh.entries[1].records[0].inset.x = std::nan("");
    const SolidMesh solid = buildSolidMesh(unitScale(mesh, true));
    ASSERT_EQ(solid.faults.size(), 1u);
    EXPECT_EQ(solid.faults[0].character, 1);
    EXPECT_TRUE(solid.faults[0].nonFinite);
    for (const auto& v : solid.vertices) {
        for (float f : v)
            EXPECT_TRUE(std::isfinite(f));
    }

    TextExportView flat = test::viewOf(mesh, false);
    flat.scale = {1.0f, 0.0f, 1.0f};
    const SolidMesh squashed = buildSolidMesh(flat);
    ASSERT_EQ(squashed.faults.size(), 2u);
    EXPECT_TRUE(squashed.faults[0].flat);
}

TEST(SolidMesh, ATextWithoutDepthIsAsSoundAsWithDepthAndNoTriangleRepeatsACorner) {
    // Front, wall ends and back face weld into one another; only real folds remain faults.
    for (const char* font : {VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION}) {
        CText t = test::textOn(font, "The quick brown fox 0123456789 @%&");
        ASSERT_TRUE(t.buildMesh().ok);
        const size_t faults = buildSolidMesh(t).faults.size();
        t.extrusionLength = t.bevelDepth = 0.0;
        ASSERT_TRUE(t.buildMesh().ok);
        const SolidMesh flat = buildSolidMesh(t);
        EXPECT_EQ(flat.faults.size(), faults) << font << "\n" << flat.faultReport();
        for (const auto& tri : flat.triangles)
            ASSERT_TRUE(tri.v[0] != tri.v[1] && tri.v[1] != tri.v[2] && tri.v[2] != tri.v[0]);
    }
}

}  // namespace
}  // namespace vyr
