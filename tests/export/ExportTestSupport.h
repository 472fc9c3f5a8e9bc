#pragma once

// Synthetic meshes for the export tests: characters given point by point, with positions,
// insets and triangles chosen by hand, so expected file bytes can be derived on paper.

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "export/TextExportView.h"
#include "font/GlyphOutline.h"
#include "font/OutlineVectorizer.h"
#include "font/TriangleList.h"
#include "tests/Support.h"
#include "text/TextMesh.h"

namespace vyr::test {

struct SyntheticPoint {
    Vec3 position;
    Vec3 inset;
};

/// Triangle corners as (contour, point) pairs.
using Corner = std::array<int, 2>;
using SyntheticTriangle = std::array<Corner, 3>;

struct SyntheticChar {
    int code = 'A';
    std::vector<std::vector<SyntheticPoint>> contours{};
    std::vector<SyntheticTriangle> front{}, back{};
};

inline std::unique_ptr<TriangleList> makeTriangles(OutlineVectorizer* v,
                                                   const std::vector<SyntheticTriangle>& tris) {
    auto list = std::make_unique<TriangleList>(v, 0);
    list->triangles = std::make_unique<Triangle[]>(tris.size() + 1);
    list->triangleCount = static_cast<int>(tris.size());
    for (size_t t = 0; t < tris.size(); ++t) {
        const auto at = [&](int k) { return &(*v->contour(tris[t][k][0]))[tris[t][k][1]]; };
        list->triangles[t] = Triangle{at(0), at(1), at(2)};
    }
    return list;
}

/// A mesh as a build would leave it: one entry per character, every contour point carrying
/// its record with the given position and inset and the front normal (0, 0, -1).
inline TextMesh makeMesh(const std::vector<SyntheticChar>& chars, float width) {
    TextMesh mesh;
    mesh.width = width;
    mesh.entries.resize(chars.size());
    for (size_t i = 0; i < chars.size(); ++i) {
        const SyntheticChar& c = chars[i];
        TextMeshEntry& e = mesh.entries[i];
        e.code = c.code, e.source = static_cast<uint32_t>(i);
        e.outline = std::make_unique<OutlineVectorizer>();
        // Distinct collinear points: no contour is taken for an outer one, so the order stays.
        GlyphOutline outline;
        for (size_t k = 0; k < c.contours.size(); ++k) {
            for (size_t j = 0; j < c.contours[k].size(); ++j) {
                outline.points.push_back({int64_t(j + 1) * 64, int64_t(k) * 64});
                outline.tags.push_back(1);
            }
            outline.contourEnds.push_back(int(outline.points.size()) - 1);
        }
        e.outline->initOutline(outline);
        e.outline->vectorize();
        e.records.resize(outline.points.size());
        VertexRecord* r = e.records.data();
        for (int k = 0; k < int(c.contours.size()); ++k) {
            for (int j = 0; j < int(c.contours[k].size()); ++j, ++r) {
                ContourPoint& p = (*e.outline->contour(k))[j];
                r->position = c.contours[k][j].position, r->inset = c.contours[k][j].inset;
                p.x = r->inset.x, p.y = r->inset.y, p.user = r;
            }
        }
        e.front = makeTriangles(e.outline.get(), c.front);
        e.back = makeTriangles(e.outline.get(), c.back);
        e.hasGlyph = e.vectorised = !c.contours.empty();
    }
    mesh.entryCount = static_cast<int>(chars.size());
    return mesh;
}

/// A clockwise (outer) right triangle with its legs on the axes, inset by one unit, and its
/// face triangle wound counter-clockwise seen from +z, as the tessellator gives it.
inline SyntheticChar rightTriangle(double x = 0.0) {
    const std::vector<SyntheticTriangle> face = {{Corner{0, 0}, Corner{0, 2}, Corner{0, 1}}};
    const std::vector<SyntheticPoint> contour = {
        {{x, 0, 0}, {x + 1, 1, 0}}, {{x, 10, 0}, {x + 1, 8, 0}}, {{x + 10, 0, 0}, {x + 8, 1, 0}}};
    return {'v', {contour}, face, face};
}

/// A 2m by 10 rectangle, clockwise from (0, 0) up to its top-left corner (given twice), with
/// the points x = 1 .. 2m - 1 on its bottom edge. The faces fan from the top-left corner to
/// every second bottom point and, as the tessellator leaves them, a triangle of no area spans
/// each point skipped; triangles in varied rotations, inset = position.
inline SyntheticChar comb(int m) {
    SyntheticChar c{'E'};
    const auto at = [](double x, double y) { return SyntheticPoint{{x, y, 0}, {x, y, 0}}; };
    c.contours = {{at(0, 0), at(0, 10), at(0, 10), at(2 * m, 10)}};
    for (int x = 2 * m; x >= 1; --x)
        c.contours[0].push_back(at(x, 0));
    const auto q = [m](int x) { return Corner{0, x == 0 ? 0 : 4 + 2 * m - x}; };
    for (int k = 0; k < m; ++k)
        for (SyntheticTriangle t : {SyntheticTriangle{q(2 * k), q(2 * k + 1), q(2 * k + 2)},
                                    SyntheticTriangle{q(2 * k), q(2 * k + 2), Corner{0, 1}}})
            c.front.push_back({t[k % 3], t[(k + 1) % 3], t[(k + 2) % 3]});
    c.front.push_back({q(2 * m), Corner{0, 3}, Corner{0, 1}});
    c.back = c.front;
    return c;
}

/// The smallest contour a flattening keeps: two points, no area, no face triangles.
inline SyntheticChar twoPointContour() {
    return {'-', {{{{20, 0, 0}, {20, 1, 0}}, {{30, 0, 0}, {30, 1, 0}}}}};
}

/// A space: an entry without contours or triangles.
inline SyntheticChar space() {
    return {' '};
}

inline TextExportView viewOf(const TextMesh& mesh, bool bevelOn, bool rounded = false) {
    TextParameters p;
    p.bevelOn = bevelOn, p.roundedEdges = rounded;
    return {&mesh, p};
}

/// Every line feed as carriage return and line feed: the form the text exports store.
inline std::string crlf(const std::string& s) {
    std::string out;
    for (char ch : s)
        out += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    return out;
}

/// The bytes of a golden file in this suite's data folder.
inline std::string golden(const std::string& name) {
    return slurp(std::string(VYR_TEST_DATA_DIR) + "/" + name);
}

inline std::string format(const char* f, double a, double b, double c) {
    char s[128];
    std::snprintf(s, sizeof s, f, a, b, c);
    return s;
}

/// A stream that refuses every write, as a full disk does.
struct FailingStream : private std::streambuf, public std::ostream {
    FailingStream() : std::ostream(this) {}
    int overflow(int) override { return std::char_traits<char>::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

}  // namespace vyr::test
