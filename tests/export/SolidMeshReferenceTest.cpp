// The welded solid against a plain construction of the same solid: every triangle as a
// triangle soup of positions, welded through an ordered map, flat triangles flipped through
// a map of edges, closure checked by sorting. The fast path must match it exactly: the same
// vertices in the same order, the same triangles in the same order, the same faults.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "ExportTestSupport.h"
#include "export/SolidMesh.h"
#include "text/CText.h"

namespace vyr {
namespace {

struct SoupTriangle {
    Vec3 p[3];
    SolidPart part;
};

Vec3 raised(Vec3 p, double dz) {
    return {p.x, p.y, p.z + dz};
}

void characterSoup(const TextExportView& v, const TextMeshEntry& e, std::vector<SoupTriangle>& out,
                   SolidFault& fault) {
    const double length = v.extrusionLength;
    const double back = v.extrusionLength + v.bevelDepth;
    for (int t = 0; t < e.frontCount(); ++t) {
        const Triangle& tri = (*e.front)[t];
        const Vec3 a = TextMesh::record(*tri.a).position;
        const Vec3 b = TextMesh::record(*tri.b).position;
        const Vec3 c = TextMesh::record(*tri.c).position;
        out.push_back({{c, b, a}, SolidPart::kFaces});
        if (!v.bevelOn)
            out.push_back(
                {{raised(a, length), raised(b, length), raised(c, length)}, SolidPart::kFaces});
    }
    if (v.bevelOn) {
        fault.backUnfilled = e.frontCount() > 0 && e.backCount() == 0;
        for (int t = 0; t < e.backCount(); ++t) {
            const Triangle& tri = (*e.back)[t];
            out.push_back({{raised(TextMesh::record(*tri.a).inset, back),
                            raised(TextMesh::record(*tri.b).inset, back),
                            raised(TextMesh::record(*tri.c).inset, back)},
                           SolidPart::kFaces});
        }
    }
    for (int k = 0; k < e.contourCount(); ++k) {
        const Contour& contour = e.contour(k);
        if (!exportsContour(contour))
            continue;
        const int n = contour.count;
        for (int j = 1; j <= n; ++j) {
            const VertexRecord& prev = TextMesh::record(contour[j - 1]);
            const VertexRecord& cur = TextMesh::record(contour[j == n ? 0 : j]);
            const Vec3 p = prev.position, c = cur.position;
            const Vec3 pl = raised(p, length), cl = raised(c, length);
            out.push_back({{p, pl, c}, SolidPart::kSides});
            out.push_back({{c, pl, cl}, SolidPart::kSides});
            if (!v.bevelOn)
                continue;
            const Vec3 pi = raised(prev.inset, back), ci = raised(cur.inset, back);
            for (const SoupTriangle& s : {SoupTriangle{{pi, cl, pl}, SolidPart::kBevel},
                                          SoupTriangle{{ci, cl, pi}, SolidPart::kBevel}}) {
                if (cross(s.p[1] - s.p[0], s.p[2] - s.p[0]).z < 0.0)
                    fault.folded = true;
                out.push_back(s);
            }
        }
    }
}

using Vertices = std::vector<std::array<float, 3>>;

bool hasArea(const Vertices& vs, const std::array<uint32_t, 3>& t) {
    auto at = [&](uint32_t i) { return Vec3{vs[i][0], vs[i][1], vs[i][2]}; };
    const Vec3 n = cross(at(t[1]) - at(t[0]), at(t[2]) - at(t[0]));
    return n.x != 0.0 || n.y != 0.0 || n.z != 0.0;
}

uint64_t edgeKey(uint32_t from, uint32_t to) {
    return uint64_t(from) << 32 | to;
}

void flipAwayFlatTriangles(const Vertices& vs, std::vector<SolidMesh::Triangle>& tris) {
    std::map<uint64_t, size_t> owner;
    auto link = [&](size_t t, bool on) {
        const auto& v = tris[t].v;
        for (int k = 0; k < 3; ++k) {
            const uint64_t key = edgeKey(v[k], v[(k + 1) % 3]);
            if (on) {
                owner[key] = t;
            } else if (auto it = owner.find(key); it != owner.end() && it->second == t) {
                owner.erase(it);
            }
        }
    };
    std::vector<size_t> flat;
    for (size_t t = 0; t < tris.size(); ++t) {
        if (!hasArea(vs, tris[t].v))
            flat.push_back(t);
    }
    if (flat.empty())
        return;
    for (size_t t = 0; t < tris.size(); ++t)
        link(t, true);
    size_t budget = 4 * tris.size() + 16;
    for (size_t w = 0; w < flat.size() && budget > 0; ++w, --budget) {
        const size_t t = flat[w];
        if (hasArea(vs, tris[t].v))
            continue;
        auto v = tris[t].v;
        auto len2 = [&](uint32_t i, uint32_t j) {
            const Vec3 d = Vec3{vs[i][0], vs[i][1], vs[i][2]} - Vec3{vs[j][0], vs[j][1], vs[j][2]};
            return dot(d, d);
        };
        const double l[3] = {len2(v[2], v[0]), len2(v[0], v[1]), len2(v[1], v[2])};
        const int longest = int(std::max_element(l, l + 3) - l);
        std::rotate(v.begin(), v.begin() + longest, v.end());
        const auto it = owner.find(edgeKey(v[0], v[2]));
        if (it == owner.end() || it->second == t)
            continue;
        const size_t n = it->second;
        auto nv = tris[n].v;
        while (nv[0] != v[0])
            std::rotate(nv.begin(), nv.begin() + 1, nv.end());
        const uint32_t x = nv[2];
        link(t, false);
        link(n, false);
        tris[t].v = {v[0], v[1], x};
        tris[n].v = {v[1], v[2], x};
        tris[t].part = tris[n].part;
        link(t, true);
        link(n, true);
        if (!hasArea(vs, tris[t].v))
            flat.push_back(t);
        if (!hasArea(vs, tris[n].v))
            flat.push_back(n);
    }
    std::erase_if(tris, [&](const SolidMesh::Triangle& tri) { return !hasArea(vs, tri.v); });
}

bool closed(const std::vector<SolidMesh::Triangle>& tris) {
    std::vector<uint64_t> edges;
    for (const auto& t : tris) {
        for (int k = 0; k < 3; ++k)
            edges.push_back(edgeKey(t.v[k], t.v[(k + 1) % 3]));
    }
    std::sort(edges.begin(), edges.end());
    if (std::adjacent_find(edges.begin(), edges.end()) != edges.end())
        return false;
    return std::all_of(edges.begin(), edges.end(), [&](uint64_t e) {
        return std::binary_search(edges.begin(), edges.end(), (e << 32) | (e >> 32));
    });
}

SolidMesh referenceSolid(const TextExportView& text) {
    SolidMesh m;
    m.materials = {text.frontMaterial, text.sideMaterial, text.bevelMaterial};
    if (text.mesh == nullptr)
        return m;
    const double shift = -0.5 * double(text.mesh->width);
    const double sx = text.scale[0], sy = text.scale[1], sz = text.scale[2];
    const bool mirrored = sx * sy * sz < 0.0;
    const bool flatScale = sx == 0.0 || sy == 0.0 || sz == 0.0;
    for (size_t i = 0; i < text.mesh->entries.size(); ++i) {
        const TextMeshEntry& e = text.mesh->entries[i];
        SolidFault fault;
        fault.character = int(i);
        fault.code = e.code;
        std::vector<SoupTriangle> soup;
        characterSoup(text, e, soup, fault);
        std::map<std::array<float, 3>, uint32_t> welded;
        std::vector<SolidMesh::Triangle> tris;
        for (const SoupTriangle& s : soup) {
            std::array<float, 3> corners[3];
            bool finite = true;
            for (int k = 0; k < 3; ++k) {
                corners[k] = {float((s.p[k].x + shift) * sx), float(s.p[k].y * sy),
                              float(s.p[k].z * sz)};
                for (float& f : corners[k]) {
                    finite = finite && std::isfinite(f);
                    f += 0.0f;
                }
            }
            if (!finite) {
                fault.nonFinite = true;
                continue;
            }
            std::array<uint32_t, 3> tri;
            for (int k = 0; k < 3; ++k) {
                const auto [it, added] = welded.emplace(corners[k], uint32_t(m.vertices.size()));
                if (added)
                    m.vertices.push_back(corners[k]);
                tri[k] = it->second;
            }
            if (mirrored)
                std::swap(tri[1], tri[2]);
            if (tri[0] == tri[1] || tri[1] == tri[2] || tri[0] == tri[2])
                continue;
            tris.push_back({tri, s.part, int(i)});
        }
        flipAwayFlatTriangles(m.vertices, tris);
        m.triangles.insert(m.triangles.end(), tris.begin(), tris.end());
        fault.flat = !soup.empty() && !fault.nonFinite && (flatScale || tris.empty());
        fault.open = !closed(tris);
        if (fault.open || fault.folded || fault.backUnfilled || fault.flat || fault.nonFinite)
            m.faults.push_back(fault);
    }
    return m;
}

// Compares everything, stopping at the first difference of each kind so that a mismatch
// reads as one line rather than thousands.
void expectSameSolid(const TextExportView& view, const std::string& what) {
    SCOPED_TRACE(what);
    const SolidMesh expected = referenceSolid(view);
    const SolidMesh actual = buildSolidMesh(view);
    ASSERT_EQ(actual.vertices.size(), expected.vertices.size());
    for (size_t i = 0; i < expected.vertices.size(); ++i) {
        ASSERT_EQ(actual.vertices[i], expected.vertices[i]) << "vertex " << i;
        for (float f : actual.vertices[i])
            ASSERT_FALSE(std::signbit(f) && f == 0.0f) << "negative zero in vertex " << i;
    }
    ASSERT_EQ(actual.triangles.size(), expected.triangles.size());
    for (size_t t = 0; t < expected.triangles.size(); ++t) {
        const SolidMesh::Triangle &a = actual.triangles[t], &b = expected.triangles[t];
        ASSERT_TRUE(a.v == b.v && a.part == b.part && a.character == b.character)
            << "triangle " << t;
    }
    ASSERT_EQ(actual.faults.size(), expected.faults.size());
    for (size_t k = 0; k < expected.faults.size(); ++k) {
        const SolidFault &a = actual.faults[k], &b = expected.faults[k];
        EXPECT_TRUE(a.character == b.character && a.code == b.code && a.open == b.open &&
                    a.folded == b.folded && a.backUnfilled == b.backUnfilled && a.flat == b.flat &&
                    a.nonFinite == b.nonFinite)
            << "fault " << k << ":\n"
            << actual.faultReport();
    }
}

// Printable ASCII and the printable Latin-1 upper half: outlines with collinear points, holes,
// diacritics apart from their letters, and a few characters the fonts lack.
std::string everyPrintable() {
    std::string s;
    for (int c = 33; c < 256; ++c) {
        if (c < 127 || c > 160)
            s += char(c);
    }
    return s;
}

CText builtText(const char* font) {
    CText t("/unused");
    t.fontPath = font;
    t.text = everyPrintable();
    return t;
}

TEST(SolidMeshReference, RealFontsGiveTheSameSolidAsThePlainConstruction) {
    for (const char* font : {VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION}) {
        CText t = builtText(font);
        ASSERT_TRUE(t.buildMesh().ok);
        TextExportView view = exportViewOf(t);
        expectSameSolid(view, std::string(font) + " bevelled");
        view.scale = {-1.0f, 1.0f, 1.0f};
        expectSameSolid(view, std::string(font) + " mirrored");
        view.scale = {1.0f, 0.0f, 1.0f};
        expectSameSolid(view, std::string(font) + " zero scale");

        t.bevelOn = 0;
        t.scale = {1.0f, -2.0f, 0.5f};
        ASSERT_TRUE(t.buildMesh().ok);
        expectSameSolid(exportViewOf(t), std::string(font) + " flat back, mirrored");
    }
}

TEST(SolidMeshReference, FoldsFiltersAndCoincidingFacesGiveTheSameSolid) {
    CText t = builtText(VYR_TEST_FONT_DEJAVU);
    // A bevel wider than the strokes folds and leaves back faces unfilled.
    t.bevelWidth = 40.0f;
    ASSERT_TRUE(t.buildMesh().ok);
    expectSameSolid(exportViewOf(t), "wide bevel");
    t.bevelWidth = 4.0f;
    for (int filter = 0; filter <= 8; ++filter) {
        t.filter1 = filter;
        t.filter2 = filter == 8 ? 0 : 8;
        ASSERT_TRUE(t.buildMesh().ok);
        expectSameSolid(exportViewOf(t), "filter " + std::to_string(filter));
    }
    // No depth: front, wall back and back face weld into one another.
    t.filter1 = t.filter2 = 4;
    t.extrusionLength = 0.0;
    ASSERT_TRUE(t.buildMesh().ok);
    expectSameSolid(exportViewOf(t), "no extrusion");
    t.bevelDepth = 0.0;
    t.bevelWidth = 0.0f;
    ASSERT_TRUE(t.buildMesh().ok);
    expectSameSolid(exportViewOf(t), "no depth at all");
}

TEST(SolidMeshReference, CoordinatesThatAreNotNumbersGiveTheSameSolid) {
    TextMesh mesh = test::makeMesh(
        {test::rightTriangle(), test::rightTriangle(20), test::twoPointContour(), test::space()},
        30.0f);
    mesh.entries[1].records[0].inset.x = std::nan("");
    mesh.entries[2].records[1].position.y = HUGE_VAL;
    for (bool bevel : {true, false}) {
        TextExportView view = test::viewOf(mesh, bevel);
        expectSameSolid(view, bevel ? "bevelled" : "flat back");
        // A scale that overflows single precision.
        view.scale = {1e38f, 1.0f, 1.0f};
        expectSameSolid(view, "overflowing scale");
    }
}

// Records are found by address in the entry's own array; a point whose record lies elsewhere
// (here: in the previous character's) still gives its corners.
TEST(SolidMeshReference, PointWithARecordOutsideItsEntryGivesTheSameSolid) {
    TextMesh mesh = test::makeMesh({test::rightTriangle(), test::rightTriangle(20)}, 30.0f);
    Contour& contour = *mesh.entries[1].outline->contour(0);
    contour[1].user = &mesh.entries[0].records[2];
    for (bool bevel : {true, false}) {
        TextExportView view = test::viewOf(mesh, bevel);
        view.scale = {-1.0f, 1.0f, 1.0f};
        expectSameSolid(view, bevel ? "bevelled" : "flat back");
    }
}

}  // namespace
}  // namespace vyr
