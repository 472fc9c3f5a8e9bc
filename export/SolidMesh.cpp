// The text's solid as one welded triangle mesh, shared by the STL, OBJ and glTF writers.
#include "export/SolidMesh.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <unordered_map>

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

// Every triangle of one character, outward winding, in model coordinates. The bevel's
// triangles run the opposite way round from the display list's vertex order, whose normals
// are negated for the same reason.
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
        if (!v.bevelOn) {
            out.push_back(
                {{raised(a, length), raised(b, length), raised(c, length)}, SolidPart::kFaces});
        }
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
        // Each edge once: the closing edge n - 1 -> 0 comes at j = n only.
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
            const SoupTriangle t1{{pi, cl, pl}, SolidPart::kBevel};
            const SoupTriangle t2{{ci, cl, pi}, SolidPart::kBevel};
            for (const SoupTriangle& s : {t1, t2}) {
                // The bevel narrows towards the back face, so its outward side looks along +z;
                // a triangle looking the other way lies on an inset that crossed itself.
                if (cross(s.p[1] - s.p[0], s.p[2] - s.p[0]).z < 0.0)
                    fault.folded = true;
                out.push_back(s);
            }
        }
    }
}

// Welds corners by their exact single-precision value within one character: characters are
// separate solids, and a table per character stays small enough to live in the cache, where
// one table for a long text would miss it at every corner. Open addressing, so that corners
// cost no allocation each.
class Welder {
  public:
    explicit Welder(SolidMesh& mesh) : mesh_(mesh) {}

    /// Starts a new character expecting about `corners` distinct corners.
    void beginCharacter(size_t corners) {
        size_t size = 64;
        while (size < 2 * corners)
            size *= 2;
        slots_.assign(size, 0);
        base_ = mesh_.vertices.size();
        count_ = 0;
    }

    uint32_t index(const std::array<float, 3>& p) {
        // +0.0f turns -0 into 0, so both zeros weld.
        const std::array<float, 3> q{p[0] + 0.0f, p[1] + 0.0f, p[2] + 0.0f};
        const size_t mask = slots_.size() - 1;
        for (size_t h = hash(q) & mask;; h = (h + 1) & mask) {
            const uint32_t slot = slots_[h];
            if (slot == 0) {
                mesh_.vertices.push_back(q);
                slots_[h] = uint32_t(++count_);
                if (2 * count_ > slots_.size())
                    grow();
                return uint32_t(mesh_.vertices.size() - 1);
            }
            if (mesh_.vertices[base_ + slot - 1] == q)
                return uint32_t(base_ + slot - 1);
        }
    }

  private:
    static size_t hash(const std::array<float, 3>& q) {
        uint64_t h = std::bit_cast<uint32_t>(q[0]) * 0x9E3779B97F4A7C15ull;
        h ^= (h >> 29) + std::bit_cast<uint32_t>(q[1]) * 0xBF58476D1CE4E5B9ull;
        h ^= (h >> 31) + std::bit_cast<uint32_t>(q[2]) * 0x94D049BB133111EBull;
        return static_cast<size_t>(h ^ (h >> 32));
    }

    void grow() {
        std::vector<uint32_t> bigger(slots_.size() * 2, 0);
        const size_t mask = bigger.size() - 1;
        for (uint32_t slot : slots_) {
            if (slot == 0)
                continue;
            size_t h = hash(mesh_.vertices[base_ + slot - 1]) & mask;
            while (bigger[h] != 0)
                h = (h + 1) & mask;
            bigger[h] = slot;
        }
        slots_ = std::move(bigger);
    }

    SolidMesh& mesh_;
    std::vector<uint32_t> slots_;
    size_t base_ = 0;
    size_t count_ = 0;
};

using Vertices = std::vector<std::array<float, 3>>;

Vec3 toVec(const std::array<float, 3>& p) {
    return {p[0], p[1], p[2]};
}

bool hasArea(const Vertices& vs, const std::array<uint32_t, 3>& t) {
    const Vec3 a = toVec(vs[t[0]]);
    const Vec3 n = cross(toVec(vs[t[1]]) - a, toVec(vs[t[2]]) - a);
    return n.x != 0.0 || n.y != 0.0 || n.z != 0.0;
}

uint64_t edgeKey(uint32_t from, uint32_t to) {
    return uint64_t(from) << 32 | to;
}

// The tessellator joins collinear outline points with triangles of no area. Leaving them out
// would leave T-junctions; instead each is flipped with the neighbour across its longest edge:
// for (a, b, c) with b on the segment a-c and the neighbour (c, a, x), the pair becomes
// (a, b, x) and (b, c, x), which covers the neighbour's area with the same outer edges.
// Triangles that still have no area afterwards are dropped (and the solid then shows as open).
void flipAwayFlatTriangles(const Vertices& vs, std::vector<SolidMesh::Triangle>& tris) {
    std::unordered_map<uint64_t, size_t> owner;
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
    owner.reserve(3 * tris.size());
    for (size_t t = 0; t < tris.size(); ++t)
        link(t, true);
    size_t budget = 4 * tris.size() + 16;
    for (size_t w = 0; w < flat.size() && budget > 0; ++w, --budget) {
        const size_t t = flat[w];
        if (hasArea(vs, tris[t].v))
            continue;
        // Rotate so that the middle point (opposite the longest edge) comes second.
        auto v = tris[t].v;
        auto len2 = [&](uint32_t i, uint32_t j) {
            const Vec3 d = toVec(vs[i]) - toVec(vs[j]);
            return dot(d, d);
        };
        const double l[3] = {len2(v[2], v[0]), len2(v[0], v[1]), len2(v[1], v[2])};
        const int longest = int(std::max_element(l, l + 3) - l);  // edge opposite v[longest + 1]
        std::rotate(v.begin(), v.begin() + longest, v.end());
        // Now v = (a, b, c) with c -> a the longest edge.
        const auto it = owner.find(edgeKey(v[0], v[2]));
        if (it == owner.end() || it->second == t)
            continue;
        const size_t n = it->second;
        auto nv = tris[n].v;
        while (nv[0] != v[0])
            std::rotate(nv.begin(), nv.begin() + 1, nv.end());
        const uint32_t x = nv[2];  // neighbour is (a, c, x)
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

// Closed and consistently wound: every directed edge once, and its reverse once.
bool closed(const SolidMesh& m, size_t first, size_t last, std::vector<uint64_t>& edges) {
    edges.clear();
    for (size_t t = first; t < last; ++t) {
        const auto& v = m.triangles[t].v;
        for (int k = 0; k < 3; ++k)
            edges.push_back(uint64_t(v[k]) << 32 | v[(k + 1) % 3]);
    }
    std::sort(edges.begin(), edges.end());
    if (std::adjacent_find(edges.begin(), edges.end()) != edges.end())
        return false;
    for (uint64_t e : edges) {
        const uint64_t reverse = (e << 32) | (e >> 32);
        if (!std::binary_search(edges.begin(), edges.end(), reverse))
            return false;
    }
    return true;
}

}  // namespace

const char* solidPartName(SolidPart part) {
    switch (part) {
        case SolidPart::kFaces:
            return "front_back";
        case SolidPart::kSides:
            return "sides";
        case SolidPart::kBevel:
            return "bevel";
    }
    return "?";
}

bool SolidMesh::hasPart(SolidPart part) const {
    return std::any_of(triangles.begin(), triangles.end(),
                       [part](const Triangle& t) { return t.part == part; });
}

std::string SolidMesh::faultReport() const {
    std::string out;
    for (const SolidFault& f : faults) {
        char head[64];
        if (f.code >= 33 && f.code < 127) {
            std::snprintf(head, sizeof head, "character %d ('%c'):", f.character + 1, f.code);
        } else {
            std::snprintf(head, sizeof head, "character %d (code %d):", f.character + 1, f.code);
        }
        out += head;
        if (f.folded)
            out += " the bevel inset crosses itself (bevel too wide for the outline);";
        if (f.open)
            out += " the surface is not closed;";
        if (f.flat)
            out += " nothing with an area is left (zero scale);";
        if (f.nonFinite)
            out += " a coordinate is not a finite number;";
        out.back() = '\n';
    }
    return out;
}

SolidMesh buildSolidMesh(const TextExportView& text) {
    SolidMesh m;
    m.materials = {text.frontMaterial, text.sideMaterial, text.bevelMaterial};
    if (text.mesh == nullptr)
        return m;
    const TextMesh& mesh = *text.mesh;
    const double shift = -0.5 * double(mesh.width);
    const double sx = text.scale[0], sy = text.scale[1], sz = text.scale[2];
    // A mirroring scale turns the solid inside out unless the winding turns with it.
    const bool mirrored = sx * sy * sz < 0.0;
    const bool flatScale = sx == 0.0 || sy == 0.0 || sz == 0.0;

    // About three welded corners per outline point: on the front, at the back of the wall,
    // and on the back face.
    size_t points = 0;
    for (const TextMeshEntry& e : mesh.entries)
        points += e.records.size();
    m.vertices.reserve(3 * points);
    Welder welder(m);
    std::vector<SoupTriangle> soup;
    std::vector<SolidMesh::Triangle> tris;
    std::vector<uint64_t> edges;
    for (size_t i = 0; i < mesh.entries.size(); ++i) {
        const TextMeshEntry& e = mesh.entries[i];
        SolidFault fault;
        fault.character = int(i);
        fault.code = e.code;
        soup.clear();
        characterSoup(text, e, soup, fault);
        welder.beginCharacter(3 * e.records.size());

        tris.clear();
        for (const SoupTriangle& s : soup) {
            std::array<float, 3> corners[3];
            bool finite = true;
            for (int k = 0; k < 3; ++k) {
                corners[k] = {float((s.p[k].x + shift) * sx), float(s.p[k].y * sy),
                              float(s.p[k].z * sz)};
                for (float f : corners[k])
                    finite = finite && std::isfinite(f);
            }
            if (!finite) {
                fault.nonFinite = true;
                continue;
            }
            std::array<uint32_t, 3> tri;
            for (int k = 0; k < 3; ++k)
                tri[k] = welder.index(corners[k]);
            if (mirrored)
                std::swap(tri[1], tri[2]);
            // A triangle with a repeated corner adds each of its edges once in each direction,
            // so leaving it out keeps the surface closed.
            if (tri[0] == tri[1] || tri[1] == tri[2] || tri[0] == tri[2])
                continue;
            tris.push_back({tri, s.part, int(i)});
        }
        flipAwayFlatTriangles(m.vertices, tris);
        const size_t first = m.triangles.size();
        m.triangles.insert(m.triangles.end(), tris.begin(), tris.end());
        // A zero scale presses the solid flat even where walls keep an area.
        fault.flat =
            !soup.empty() && !fault.nonFinite && (flatScale || m.triangles.size() == first);
        fault.open = !closed(m, first, m.triangles.size(), edges);
        if (fault.open || fault.folded || fault.backUnfilled || fault.flat || fault.nonFinite)
            m.faults.push_back(fault);
    }
    return m;
}

SolidMesh buildSolidMesh(const CText& text) {
    return buildSolidMesh(exportViewOf(text));
}

}  // namespace vyr
