// The bevel of hand-made outlines and of every printable Latin-1 character in real fonts, from
// a narrow bevel to one far wider than the strokes: a closed solid whose bevel never faces
// forwards, narrowed by halves and tapered off where the plain inset would not be sound.

#include "export/SolidMesh.h"
#include "tests/font/FontTestSupport.h"
#include "tests/text/TextTestSupport.h"
#include "text/MeshGeometry.h"
#include "text/OutlineChecks.h"

using namespace vyr;
using test::hole;
using test::outer;

namespace {

// The part of its plain inset (insetContour's) each point of a character moved, contour after
// contour. Each point must move the plain way, and along a contour the part may change by at
// most 1 over twice the bevel width per pixel between neighbours.
std::vector<double> partsOfThePlainInset(const TextMeshEntry& e, float width) {
    std::vector<double> parts;
    for (int k = 0; k < e.contourCount(); ++k) {
        const Contour& c = e.contour(k);
        std::vector<VertexRecord> records(size_t(c.count));
        Contour plain;
        for (int j = 0; j < c.count; ++j) {
            records[size_t(j)] = *c[j].user;
            plain.addPoint(j, 0);
            plain[j].user = &records[size_t(j)];
        }
        insetContour(plain, width);
        const size_t first = parts.size();
        for (int j = 0; j < c.count; ++j) {
            const Vec3 moved = c[j].user->inset - c[j].user->position;
            const Vec3 full = records[size_t(j)].inset - c[j].user->position;
            EXPECT_NEAR(cross(moved, full).z, 0.0, 1e-9 * dot(full, full));
            parts.push_back(dot(moved, full) / dot(full, full));
        }
        for (int j = 0, i = c.count - 1; j < c.count; i = j++) {
            const Vec3 d = c[j].user->position - c[i].user->position;
            EXPECT_LE(std::fabs(parts[first + size_t(j)] - parts[first + size_t(i)]),
                      std::hypot(d.x, d.y) / 2 / width + 1e-9);
        }
    }
    return parts;
}

struct Case {
    std::string font;
    float width;
    int bevel, filter;
    double precision = 18.0;
};

const std::string kSans = VYR_TEST_FONT_LIBERATION, kDejaVu = VYR_TEST_FONT_DEJAVU,
                  kMono = VYR_TEST_FONT_MONO,
                  kSerif = "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf";

class SoundBevel : public testing::TestWithParam<Case> {};

}  // namespace

// Worked out by hand. Square 100, bevel 4: sound; 60: turns over, half fits. Stroke 6 high,
// bevel 4: turns over, half fits, also beside a square that keeps its inset. Hairline 1 high,
// bevel 16: 1/32 (0.5 from each side) fits; 0.5 high, 1/64 is below the smallest part, so the
// outline. Ring 10 wide, bevel 8: the insets cross, half fits. Squares with a 6 wide tab: the tab
// folds and crosses the square's inset; its points and two beyond either end halve, those 2
// further on taper to 0.5 + 2 / 8. A bowtie crosses itself at any inset: the back face is the
// front's, flat; a figure-eight too, but keeping its turn. Beside it the ring's front triangles
// from outer to inner square turn over at the full inset, not at half; so they do at an 80th of
// the size, each under half a square pixel.
TEST(SoundBevel, HandMadeOutlinesNarrowByHalvesWhereTheInsetFails) {
    const std::vector<test::P> tab = {
        {0, 0},    {0, 100},  {13, 100}, {15, 100}, {22, 100}, {30, 100}, {45, 100},  {45, 130},
        {51, 130}, {51, 100}, {66, 100}, {74, 100}, {81, 100}, {83, 100}, {100, 100}, {100, 0}};
    std::vector<test::P> tab2 = tab;
    for (test::P& p : tab2)
        p.x += 300;
    const std::vector<test::P> bowtie = {{0, 0}, {10, 10}, {10, 0}, {0, 10}},
                               eight = {{200, 0}, {400, 100}, {400, 0}, {200, 50}},
                               tinyEight = {{2.5, 0}, {5, 1.25}, {5, 0}, {2.5, .625}};
    const BevelFit plain = BevelFit::kPlain, narrowed = BevelFit::kNarrowed;
    const std::vector<double> ringEight = {.5, .5, .5, .5, .5, .5, .5, .5, 1, 1, 1, 1};
    // Contours, bevel width, verdict, and each point's part of the plain inset, repeated round.
    using Contours = std::vector<std::vector<test::P>>;
    const std::tuple<Contours, float, BevelFit, std::vector<double>> cases[] = {
        {{outer(0, 0, 100, 100)}, 4, plain, {1}},
        {{outer(0, 0, 100, 100)}, 60, narrowed, {0.5}},
        {{outer(0, 0, 100, 6)}, 4, narrowed, {0.5}},
        {{outer(0, 9, 90, 90), outer(0, 0, 100, 6)}, 4, narrowed, {1, 1, 1, 1, .5, .5, .5, .5}},
        {{outer(0, 0, 100, 1)}, 16, narrowed, {1.0 / 32}},
        {{outer(0, 0, 100, 0.5)}, 16, narrowed, {0}},
        {{outer(0, 0, 100, 100), hole(10, 10, 90, 90)}, 8, narrowed, {0.5}},
        {{tab, tab2}, 4, narrowed, {1, 1, .75, .5, .5, .5, .5, .5, .5, .5, .5, .5, .5, .75, 1, 1}},
        {{bowtie}, 2, BevelFit::kFlat, {0}},
        {{eight}, 8, narrowed, {1}},
        {{outer(0, 0, 100, 100), hole(10, 10, 90, 90), eight}, 8, narrowed, ringEight},
        {{outer(0, 0, 1.25, 1.25), hole(.125, .125, 1.125, 1.125), tinyEight},
         0.1f,
         narrowed,
         ringEight},
    };
    for (const auto& [contours, width, verdict, expected] : cases) {
        TextMeshEntry e;
        e.outline = std::make_unique<OutlineVectorizer>();
        test::vectorize(*e.outline, test::makeOutline(contours));
        e.records.resize(size_t(e.outline->pointCount()));
        for (int c = 0, r = 0; c < e.contourCount(); ++c) {
            for (int j = 0; j < e.contour(c).count; ++j, ++r) {
                ContourPoint& p = (*e.outline->contour(c))[j];
                e.records[size_t(r)].position = {p.x, p.y, 0.0};
                p.user = &e.records[size_t(r)];
            }
        }
        e.front = std::make_unique<TriangleList>(e.outline.get());
        e.back = std::make_unique<TriangleList>(e.outline.get());
        e.front->buildInOnePass();
        e.vectorised = true;
        EXPECT_EQ(insetCharacter(e, width, true), verdict);
        const std::vector<double> parts = partsOfThePlainInset(e, width);
        for (size_t i = 0; i < parts.size(); ++i)
            EXPECT_NEAR(parts[i], expected[i % expected.size()], 1e-12) << "point " << i;
    }
}

// A character whose plain inset is sound or not shown keeps it; a narrowed one moves each point
// part of the plain way. Unfiltered, every inset shown is free of edges that meet, and its back
// face fills it. At coarse precisions contours cross, and the outline filled and extruded is
// their union.
TEST_P(SoundBevel, EveryCharacterIsClosedWithItsBevelFacingBackAndItsInsetSound) {
    std::string printable;
    for (int code = 33; code < 256; ++code)
        printable += code < 127 || code > 160 ? std::string(1, char(code)) : "";
    const Case& c = GetParam();
    Text t = test::textOn(c.font, printable, c.bevel);
    t.parameters.bevelWidth = c.width, t.parameters.filter1 = c.filter;
    t.parameters.precision = c.precision;
    ASSERT_TRUE(t.buildMesh().ok);
    const bool shown = c.filter == kFilterNone && c.bevel;
    for (const TextMeshEntry& e : t.mesh().entries) {
        SCOPED_TRACE("code " + std::to_string(e.code));
        ASSERT_NE(e.bevelFit, BevelFit::kFlat);
        for (double part : partsOfThePlainInset(e, c.width))
            ASSERT_TRUE(e.bevelFit == BevelFit::kPlain ? part == 1.0 : part >= 0 && part <= 1);
        EXPECT_TRUE(c.bevel || e.bevelFit == BevelFit::kPlain);
        std::vector<OutlineEdge> edges;
        for (int k = 0; k < e.contourCount(); ++k)
            appendEdges(e.contour(k), k, edges);
        EXPECT_TRUE(!shown || (CrossingFinder().find(edges, false).empty() &&
                               faceFills(*e.back, *e.outline)));
    }
    // Closed, with no bevel triangle facing forwards and every bevelled back face filled,
    // facing back over an area.
    const SolidMesh solid = buildSolidMesh(t);
    EXPECT_TRUE(solid.sound()) << solid.faultReport();
    std::vector<double> backArea(t.mesh().entries.size());
    for (const SolidMesh::Triangle& tri : solid.triangles) {
        auto at = [&](int k) {
            const auto& p = solid.vertices[tri.v[k]];
            return Vec3{p[0], p[1], p[2]};
        };
        if (tri.part == SolidPart::kFaces && at(0).z > 0.0)
            backArea[size_t(tri.character)] += cross(at(1) - at(0), at(2) - at(0)).z;
    }
    for (const TextMeshEntry& e : t.mesh().entries)
        EXPECT_TRUE(e.frontCount() == 0 || backArea[size_t(&e - &t.mesh().entries[0])] > 0.0)
            << "code " << e.code;
}

INSTANTIATE_TEST_SUITE_P(
    RealFonts, SoundBevel,
    testing::Values(Case{kDejaVu, 4.0f, 1, 4}, Case{kSans, 8.0f, 1, 4}, Case{kSans, 4.0f, 0, 4},
                    Case{kMono, 2.0f, 0, 4}, Case{kMono, 8.0f, 1, 4}, Case{kDejaVu, 16.0f, 1, 0},
                    Case{kSans, 100.0f, 1, 2}, Case{kSerif, 1.0f, 1, 4, 60},
                    Case{kSerif, 4.0f, 0, 4, 60}, Case{kSerif, 8.0f, 1, 4, 100},
                    Case{kSans, 4.0f, 1, 6, 100}, Case{kMono, 16.0f, 1, 4, 80}));
