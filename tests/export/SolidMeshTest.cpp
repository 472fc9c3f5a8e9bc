// The welded solid behind the STL, OBJ and glTF files, on hand-made meshes.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "ExportTestSupport.h"
#include "SolidReader.h"
#include "export/MeshFormats.h"
#include "export/SolidMesh.h"

namespace vyr {
namespace {

// What an independent reader makes of the solid, through the STL bytes.
test::SolidCheck readBack(const SolidMesh& solid) {
    std::ostringstream out;
    EXPECT_TRUE(writeStl(solid, out).ok);
    const test::FileTriangles file = test::readStl(out.str());
    EXPECT_EQ(file.error, "");
    return test::checkSolid(file);
}

// Triangles of each part: faces, sides, bevel.
std::array<size_t, 3> partSizes(const SolidMesh& m) {
    std::array<size_t, 3> n{};
    for (const auto& t : m.triangles)
        ++n[size_t(t.part)];
    return n;
}

TEST(SolidMesh, SolidsAreClosedCentredScaledAndHoldTheirVolume) {
    // The prism: area 50 times length 30; the bevel adds each edge once (not the closing edge
    // twice) and a frustum 5 deep from area 50 through 36.125 (middle) to 24.5. The comb: 10
    // triangles without area a face, flipped away, and a repeated corner whose walls are
    // dropped: 23 points a layer, 21 triangles a face, 23 edges of two wall (and bevel)
    // triangles, area 200; again with records the character does not own, as points the
    // tessellator adds, joined by the weld table alone. The view's scale (0.0025 as a float),
    // and a mirroring one, turning x = 10, y = 0 and z = 0 into -0, welded and written as 0.
    const TextMesh prism = test::makeMesh({test::rightTriangle()}, 10.0f),
                   comb = test::makeMesh({test::comb(10)}, 20.0f);
    TextMesh foreign = test::makeMesh({test::comb(10)}, 20.0f);
    const std::vector<VertexRecord> records = std::move(foreign.entries[0].records);
    const double frustum = 5.0 / 6.0 * (50.0 + 4.0 * 36.125 + 24.5);
    const float s = 0.0025f;
    // Mesh, bevel, scale, welded vertices, triangles of each part, volume.
    using Sizes = std::array<size_t, 3>;
    const std::tuple<const TextMesh&, bool, std::array<float, 3>, size_t, Sizes, double> cases[] = {
        {prism, false, {1, 1, 1}, 6, {2, 6, 0}, 1500.0},
        {prism, true, {1, 1, 1}, 9, {2, 6, 6}, 1500.0 + frustum},
        {comb, false, {1, 1, 1}, 46, {42, 46, 0}, 6000.0},
        {comb, true, {1, 1, 1}, 69, {42, 46, 46}, 7000.0},
        {foreign, false, {1, 1, 1}, 46, {42, 46, 0}, 6000.0},
        {foreign, true, {1, 1, 1}, 69, {42, 46, 46}, 7000.0},
        {prism, false, {s, s, s}, 6, {2, 6, 0}, 1500.0 * s * s * s},
        {comb, false, {-2, -1, -1}, 46, {42, 46, 0}, 12000.0}};
    for (const auto& [mesh, bevel, scale, vertices, parts, volume] : cases) {
        TextExportView view = test::viewOf(mesh, bevel);
        view.parameters.scale = scale;
        const SolidMesh solid = buildSolidMesh(view);
        EXPECT_TRUE(solid.sound()) << solid.faultReport();
        EXPECT_EQ(solid.vertices.size(), vertices);
        EXPECT_EQ(partSizes(solid), parts);
        float lo = 1e9f, hi = -1e9f;
        for (const auto& v : solid.vertices) {
            lo = std::min(lo, v[0]), hi = std::max(hi, v[0]);
            for (float f : v)
                EXPECT_FALSE(f == 0.0f && std::signbit(f));
        }
        EXPECT_EQ(lo, -hi);
        EXPECT_EQ(hi, mesh.width / 2 * std::fabs(scale[0]));
        const test::SolidCheck c = readBack(solid);
        EXPECT_TRUE(c.closedAndOriented());
        EXPECT_NEAR(c.volume, volume, volume * 1e-6);
    }
}

TEST(SolidMesh, FaultsAreReportedPerCharacter) {
    // The first character, then a two-point contour (walls only; with the bevel a space).
    // Swapped insets fold the bevel (harmless without it); a missing face opens the surface.
    // A coordinate that is not finite drops the triangles using it: a point's x or y opens the
    // first character, an infinite scale drops all. A zero scale flattens into closed sheets.
    test::SyntheticChar v = test::rightTriangle(), folded = v, unfilled = v, tube = v;
    std::swap(folded.contours[0][1].inset, folded.contours[0][2].inset);
    unfilled.back.clear();
    tube.front.clear();
    const std::string head = "character 1 ('v'): ", nan = "a coordinate is not a finite number\n",
                      flat = "nothing with an area is left (zero scale)\n",
                      open = head + "the surface is not closed; " + nan,
                      dropped = head + nan + "character 2 ('-'): " + nan,
                      both = head + flat + "character 2 ('-'): " + flat;
    // The first character, bevel, scale, a coordinate of its first point made NaN, the report.
    using Char = test::SyntheticChar;
    using Scale = std::array<float, 3>;
    // clang-format off
    const std::tuple<const Char&, bool, Scale, double PlanePoint::*, std::string> cases[] = {
        {folded, true, {1, 1, 1}, nullptr,
         head + "the bevel inset crosses itself (bevel too wide for the outline)\n"},
        {folded, false, {1, 1, 1}, nullptr, ""},
        {unfilled, true, {1, 1, 1}, nullptr,
         head + "the bevelled back face could not be filled; the surface is not closed\n"},
        {tube, false, {1, 1, 1}, nullptr, head + "the surface is not closed\n"},
        {v, false, {1, 1, 1}, &PlanePoint::x, open}, {v, false, {1, 1, 1}, &PlanePoint::y, open},
        {v, false, {INFINITY, 1, 1}, nullptr, dropped}, {v, false, {1, 1, INFINITY}, nullptr, dropped},
        {v, false, {0, 1, 1}, nullptr, both}, {v, false, {1, 0, 1}, nullptr, both},
        {v, false, {1, 1, 0}, nullptr, both}};
    // clang-format on
    for (const auto& [first, bevel, scale, notANumber, report] : cases) {
        TextMesh mesh =
            test::makeMesh({first, bevel ? test::space() : test::twoPointContour()}, 30.0f);
        if (notANumber != nullptr)
            mesh.entries[0].records[0].position.*notANumber = std::nan("");
        TextExportView view = test::viewOf(mesh, bevel);
        view.parameters.scale = scale;
        const SolidMesh solid = buildSolidMesh(view);
        EXPECT_EQ(solid.faultReport(), report);
        for (const auto& p : solid.vertices)
            ASSERT_TRUE(std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]));
    }
    // Codes outside 33 .. 126 are given as numbers.
    SolidMesh m;
    m.faults = {{0, 32, true}, {1, 33, true}, {2, 127, true}};
    EXPECT_EQ(m.faultReport(),
              "character 1 (code 32): the surface is not closed\n"
              "character 2 ('!'): the surface is not closed\n"
              "character 3 (code 127): the surface is not closed\n");
}

TEST(SolidMesh, ATextWithoutDepthIsItsFrontFaceAloneReportedOnce) {
    // No extrusion and the bevel off or no deeper: the comb's 21 front triangles at z = 0, no
    // character at fault, one line for the text. Any depth makes it a closed solid again.
    const TextMesh comb = test::makeMesh({test::comb(10)}, 20.0f);
    const std::string report =
        "the text has no depth (extrusion 0 and no bevel depth): the mesh "
        "is its flat front face, not a closed solid\n";
    const std::tuple<double, double, bool, bool> cases[] = {{0, 0, false, true},
                                                            {0, 5, false, true},
                                                            {0, 0, true, true},
                                                            {0, 5, true, false},
                                                            {1, 0, false, false}};
    for (const auto& [length, depth, bevel, flat] : cases) {
        TextExportView view = test::viewOf(comb, bevel);
        view.parameters.extrusionLength = length, view.parameters.bevelDepth = depth;
        const SolidMesh solid = buildSolidMesh(view);
        EXPECT_TRUE(solid.noDepth == flat && solid.faults.empty());
        EXPECT_EQ(solid.faultReport(), flat ? report : "");
        EXPECT_EQ(readBack(solid).closedAndOriented(), !flat);
        if (flat) {
            EXPECT_EQ(partSizes(solid), (std::array<size_t, 3>{21, 0, 0}));
            for (const auto& v : solid.vertices)
                EXPECT_EQ(v[2], 0.0f);
        }
    }
}

}  // namespace
}  // namespace vyr
