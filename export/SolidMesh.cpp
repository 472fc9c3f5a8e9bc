// The text's solid as one welded triangle mesh, shared by the STL, OBJ and glTF writers.
#include "export/SolidMesh.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "export/ProbeTable.h"
#include "text/Text.h"

namespace vyr {

namespace {

using Vertices = std::vector<std::array<float, 3>>;

// Every outline point gives three corners of the solid, stored side by side by kind.
constexpr size_t kCornerKinds = 3;

constexpr uint32_t kNotWelded = 0xFFFFFFFEu;
constexpr uint32_t kNotFinite = 0xFFFFFFFFu;

// A corner in single precision, and its welded vertex once a triangle has used it
// (kNotWelded before, kNotFinite for a corner no triangle may use).
struct Corner {
    std::array<float, 3> q;
    uint32_t index;
};

// Model coordinates to the viewport's: centred, scaled, in single precision.
struct Placement {
    double shift, sx, sy, sz;

    Corner corner(double x, double y, double z) const {
        const float p[3] = {float((x + shift) * sx), float(y * sy), float(z * sz)};
        const bool finite = std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]);
        // +0.0f turns -0 into 0, so both zeros weld.
        return {{p[0] + 0.0f, p[1] + 0.0f, p[2] + 0.0f}, finite ? kNotWelded : kNotFinite};
    }
};

// Welds corners by their exact single-precision value within one character: characters are
// separate solids, and a table per character stays small enough to live in the cache, where
// one table for a long text would miss it at every corner. Open addressing, so that corners
// cost no allocation each.
class Welder {
  public:
    explicit Welder(Vertices& vertices) : vertices_(vertices) {}

    /// Starts a new character expecting about `corners` distinct corners.
    void beginCharacter(size_t corners) {
        table_.size(std::max<size_t>(corners, 32), 2);
        slots_.assign(table_.count(), 0);
        base_ = vertices_.size();
        count_ = 0;
    }

    /// The vertex at `q` (no negative zero in it), added at the end when it is new.
    uint32_t index(const std::array<float, 3>& q) {
        for (size_t h = table_.home(hash(q));; h = table_.next(h)) {
            const uint32_t slot = slots_[h];
            if (slot == 0) {
                vertices_.push_back(q);
                slots_[h] = uint32_t(++count_);
                if (2 * count_ > slots_.size())
                    grow();
                return uint32_t(vertices_.size() - 1);
            }
            const std::array<float, 3>& v = vertices_[base_ + slot - 1];
            if (v[0] == q[0] && v[1] == q[1] && v[2] == q[2])
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
        table_.size(table_.count(), 2);
        std::vector<uint32_t> bigger(table_.count(), 0);
        for (uint32_t slot : slots_) {
            if (slot == 0)
                continue;
            size_t h = table_.home(hash(vertices_[base_ + slot - 1]));
            while (bigger[h] != 0)
                h = table_.next(h);
            bigger[h] = slot;
        }
        slots_ = std::move(bigger);
    }

    Vertices& vertices_;
    ProbeSlots table_;
    std::vector<uint32_t> slots_;
    size_t base_ = 0;
    size_t count_ = 0;
};

uint64_t edgeKey(uint32_t from, uint32_t to) {
    return uint64_t(from) << 32 | to;
}

Vec3 toVec(const std::array<float, 3>& p) {
    return {p[0], p[1], p[2]};
}

bool hasArea(const Vertices& vs, const std::array<uint32_t, 3>& t) {
    const Vec3 a = toVec(vs[t[0]]);
    const Vec3 n = cross(toVec(vs[t[1]]) - a, toVec(vs[t[2]]) - a);
    return n.x != 0.0 || n.y != 0.0 || n.z != 0.0;
}

// The tessellator joins collinear outline points with triangles of no area. Leaving them out
// would leave T-junctions; instead each is flipped with the neighbour across its longest edge:
// for (a, b, c) with b on the segment a-c and the neighbour (c, a, x), the pair becomes
// (a, b, x) and (b, c, x), which covers the neighbour's area with the same outer edges.
// Triangles that still have no area afterwards are dropped (and the solid then shows as open).
// Works on one character's triangles, the tail of `all` from `first`; keeps its tables from
// character to character.
class FlatFlipper {
  public:
    void run(const Vertices& vs, std::vector<SolidMesh::Triangle>& all, size_t first) {
        SolidMesh::Triangle* tris = all.data() + first;
        const size_t count = all.size() - first;
        flat_.clear();
        isFlat_.resize(count);
        for (size_t t = 0; t < count; ++t) {
            isFlat_[t] = !hasArea(vs, tris[t].v);
            if (isFlat_[t])
                flat_.push_back(uint32_t(t));
        }
        if (flat_.empty())
            return;
        // Edges live only on current triangles, so the table never holds more than these.
        owners_.reset(3 * count);
        for (size_t t = 0; t < count; ++t)
            link(tris, uint32_t(t), true);
        size_t budget = 4 * count + 16;
        for (size_t w = 0; w < flat_.size() && budget > 0; ++w, --budget) {
            const uint32_t t = flat_[w];
            if (!isFlat_[t])
                continue;
            // Rotate so that the middle point (opposite the longest edge) comes second.
            auto v = tris[t].v;
            auto len2 = [&](uint32_t i, uint32_t j) {
                const Vec3 d = toVec(vs[i]) - toVec(vs[j]);
                return dot(d, d);
            };
            const double l[3] = {len2(v[2], v[0]), len2(v[0], v[1]), len2(v[1], v[2])};
            const int longest =
                int(std::max_element(l, l + 3) - l);  // edge opposite v[longest + 1]
            std::rotate(v.begin(), v.begin() + longest, v.end());
            // Now v = (a, b, c) with c -> a the longest edge.
            const uint32_t n = owners_.get(edgeKey(v[0], v[2]));
            if (n == ProbeMap::kNone || n == t)
                continue;
            auto nv = tris[n].v;
            while (nv[0] != v[0])
                std::rotate(nv.begin(), nv.begin() + 1, nv.end());
            const uint32_t x = nv[2];  // neighbour is (a, c, x)
            link(tris, t, false);
            link(tris, n, false);
            tris[t].v = {v[0], v[1], x};
            tris[n].v = {v[1], v[2], x};
            tris[t].part = tris[n].part;
            link(tris, t, true);
            link(tris, n, true);
            isFlat_[t] = !hasArea(vs, tris[t].v);
            isFlat_[n] = !hasArea(vs, tris[n].v);
            if (isFlat_[t])
                flat_.push_back(t);
            if (isFlat_[n])
                flat_.push_back(n);
        }
        size_t kept = 0;
        for (size_t t = 0; t < count; ++t) {
            if (!isFlat_[t])
                tris[kept++] = tris[t];
        }
        all.resize(first + kept);
    }

  private:
    void link(const SolidMesh::Triangle* tris, uint32_t t, bool on) {
        const auto& v = tris[t].v;
        for (int k = 0; k < 3; ++k) {
            const uint64_t key = edgeKey(v[k], v[(k + 1) % 3]);
            if (on)
                owners_.set(key, t);
            else
                owners_.erase(key, t);
        }
    }

    ProbeMap owners_;  // directed edge -> the triangle that claimed it last
    std::vector<uint32_t> flat_;
    std::vector<uint8_t> isFlat_;
};

// Closed and consistently wound: every directed edge once, and its reverse once. Each
// undirected edge keeps a bit per direction (none: the slot is free); the surface is closed
// when no direction comes twice and no edge is left with one direction only. A closed surface
// has exactly half as many undirected edges as directed ones, so finding more ends the check.
// The triangles have three distinct corners (repeated ones are dropped when emitted, and a
// flip that repeats one leaves a triangle without area, dropped too), so no edge is a loop.
class ClosureCheck {
  public:
    bool closed(const SolidMesh::Triangle* tris, size_t count) {
        const size_t most = 3 * count / 2;
        // A quarter full at most: a new edge and a known one then both end their probe at the
        // first slot nearly always, and the update below needs no branch on which it was.
        slots_.size(most, 4);
        directions_.assign(slots_.count(), 0);
        if (keys_.size() < slots_.count())
            keys_.resize(slots_.count());
        size_t edges = 0;
        ptrdiff_t oneWay = 0;
        bool repeated = false;
        for (size_t t = 0; t < count; ++t) {
            const auto& v = tris[t].v;
            for (int k = 0; k < 3; ++k) {
                const uint32_t from = v[k], to = v[(k + 1) % 3];
                const uint64_t key = edgeKey(std::min(from, to), std::max(from, to));
                const uint8_t direction = from < to ? 1 : 2;
                size_t h = slots_.home(key);
                while ((directions_[h] != 0) & (keys_[h] != key))
                    h = slots_.next(h);
                const uint8_t seen = directions_[h];
                edges += seen == 0;
                if (edges > most)
                    return false;
                repeated |= (seen & direction) != 0;
                oneWay += seen == 0 ? 1 : -1;
                keys_[h] = key;
                directions_[h] = seen | direction;
            }
        }
        return !repeated && oneWay == 0;
    }

  private:
    ProbeSlots slots_;
    std::vector<uint64_t> keys_;
    std::vector<uint8_t> directions_;
};

// Front face, wall ends and back face all in one plane: a flat shape, not a solid.
bool hasNoDepth(const TextExportView& text) {
    return text.parameters.extrusionLength == 0.0 &&
           (!text.parameters.bevelOn || text.parameters.bevelDepth == 0.0);
}

// Turns one character after another into welded triangles appended to the mesh, in the order
// front face, back face, then per contour edge its two wall and two bevel triangles; the
// bevel's triangles run the opposite way round from the display list's vertex order, whose
// normals are negated for the same reason. A corner is a pure function of its outline point
// and kind, so each is placed once per character and welded at the first triangle that uses
// it; the table of positions then only sees distinct corners, and vertices still come in the
// order triangles first use them.
class SolidBuilder {
  public:
    SolidBuilder(const TextExportView& text, SolidMesh& m)
        : text_(text),
          m_(m),
          welder_(m.vertices),
          place_{-0.5 * double(text.mesh->width), text.parameters.scale[0],
                 text.parameters.scale[1], text.parameters.scale[2]},
          depth_{text.parameters.extrusionLength,
                 text.parameters.extrusionLength + text.parameters.bevelDepth},
          noDepth_(hasNoDepth(text)),
          // A mirroring scale turns the solid inside out unless the winding turns with it.
          mirrored_(place_.sx * place_.sy * place_.sz < 0.0),
          flatScale_(place_.sx == 0.0 || place_.sy == 0.0 || place_.sz == 0.0) {}

    void character(int i) {
        const TextMeshEntry& e = text_.mesh->entries[size_t(i)];
        fault_ = SolidFault{};
        fault_.character = static_cast<int>(e.source);
        fault_.code = e.code;
        character_ = i;
        placeCorners(e);
        welder_.beginCharacter(3 * e.records.size());
        const size_t first = m_.triangles.size();
        const bool bevelled = text_.parameters.bevelOn && !noDepth_;
        const bool faces = e.frontCount() > 0 || (bevelled && e.backCount() > 0);
        fault_.backUnfilled = bevelled && e.frontCount() > 0 && e.backCount() == 0;
        walls_ = false;
        // Without depth the walk stops after the faces, and the sink keeps the front alone.
        walkSolid(e, text_.parameters, *this,
                  {noDepth_ ? partBit(SolidPart::kFaces) : kAllSolidParts, false, true});
        flipper_.run(m_.vertices, m_.triangles, first);
        const size_t count = m_.triangles.size() - first;
        // A zero scale presses the solid flat even where walls keep an area. A text without
        // depth is its front face, which has no closure to check.
        fault_.flat =
            (faces || walls_) && !fault_.nonFinite && ((flatScale_ && !noDepth_) || count == 0);
        fault_.open = !noDepth_ && !closure_.closed(m_.triangles.data() + first, count);
        if (fault_.open || fault_.folded || fault_.backUnfilled || fault_.flat || fault_.nonFinite)
            m_.faults.push_back(fault_);
    }

    // The walk's sink: faces, then per contour edge its two wall and two bevel triangles.
    void part(SolidPart) {}
    void beginContour() { walls_ = true; }
    void endContour() {}
    void face(const SolidCorner& a, const SolidCorner& b, const SolidCorner& c) {
        if (noDepth_ && a.kind != CornerKind::kFront)
            return;
        Corner spare[3];
        emit(corner(a, spare[0]), corner(b, spare[1]), corner(c, spare[2]), SolidPart::kFaces);
    }
    void wall(const SolidEdge& edge) {
        Corner spare[4];
        Corner& p = corner(edge.p(CornerKind::kFront), spare[0]);
        Corner& c = corner(edge.c(CornerKind::kFront), spare[1]);
        Corner& pl = corner(edge.p(CornerKind::kWall), spare[2]);
        Corner& cl = corner(edge.c(CornerKind::kWall), spare[3]);
        emit(p, pl, c, SolidPart::kSides);
        emit(c, pl, cl, SolidPart::kSides);
    }
    // The drawn bevel triangles, turned the other way round. The bevel narrows towards the
    // back face, so as drawn it looks along +z; a triangle looking the other way lies on an
    // inset that crossed itself. Judged in model coordinates.
    void bevel(const SolidEdge& edge) {
        for (const auto& t : {edge.bevelFirst(), edge.bevelSecond()}) {
            const Vec3 a = t[0].position, b = t[1].position, c = t[2].position;
            fault_.folded = fault_.folded || cross(b - c, a - c).z < 0.0;
            Corner spare[3];
            emit(corner(t[2], spare[0]), corner(t[1], spare[1]), corner(t[0], spare[2]),
                 SolidPart::kBevel);
        }
    }

  private:
    void placeCorners(const TextMeshEntry& e) {
        records_ = e.records.data();
        recordCount_ = e.records.size();
        corners_.resize(kCornerKinds * recordCount_);
        Corner* c = corners_.data();
        for (const VertexRecord& r : e.records) {
            for (const CornerKind kind :
                 {CornerKind::kFront, CornerKind::kWall, CornerKind::kBack}) {
                const Vec3 p = depth_.corner(r, kind).position;
                c[size_t(kind)] = place_.corner(p.x, p.y, p.z);
            }
            c += kCornerKinds;
        }
    }

    // The placed corner; a record outside the entry's own gets a corner of its own in
    // `spare`, welded through the table alone.
    Corner& corner(const SolidCorner& k, Corner& spare) {
        const uintptr_t offset = uintptr_t(k.record) - uintptr_t(records_);
        const size_t i = offset / sizeof(VertexRecord);
        if (i < recordCount_ && i * sizeof(VertexRecord) == offset)
            return corners_[kCornerKinds * i + size_t(k.kind)];
        spare = place_.corner(k.position.x, k.position.y, k.position.z);
        return spare;
    }

    void emit(Corner& a, Corner& b, Corner& c, SolidPart part) {
        if (a.index == kNotFinite || b.index == kNotFinite || c.index == kNotFinite) {
            fault_.nonFinite = true;
            return;
        }
        if (a.index == kNotWelded)
            a.index = welder_.index(a.q);
        if (b.index == kNotWelded)
            b.index = welder_.index(b.q);
        if (c.index == kNotWelded)
            c.index = welder_.index(c.q);
        std::array<uint32_t, 3> v{a.index, b.index, c.index};
        if (mirrored_)
            std::swap(v[1], v[2]);
        // A triangle with a repeated corner adds each of its edges once in each direction,
        // so leaving it out keeps the surface closed.
        if (v[0] == v[1] || v[1] == v[2] || v[0] == v[2])
            return;
        m_.triangles.push_back({v, part, character_});
    }

    const TextExportView& text_;
    SolidMesh& m_;
    Welder welder_;
    FlatFlipper flipper_;
    ClosureCheck closure_;
    const Placement place_;
    const SolidDepth depth_;
    const bool noDepth_;
    const bool mirrored_;
    const bool flatScale_;

    SolidFault fault_;
    int character_ = 0;
    bool walls_ = false;
    const VertexRecord* records_ = nullptr;
    size_t recordCount_ = 0;
    std::vector<Corner> corners_;
};

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

std::string SolidFault::reason() const {
    std::string out;
    const auto add = [&out](bool present, const char* why) {
        if (present)
            out += (out.empty() ? "" : "; ") + std::string(why);
    };
    add(folded, "the bevel inset crosses itself (bevel too wide for the outline)");
    add(backUnfilled, "the bevelled back face could not be filled");
    add(open, "the surface is not closed");
    add(flat, "nothing with an area is left (zero scale)");
    add(nonFinite, "a coordinate is not a finite number");
    return out;
}

std::string SolidMesh::faultReport() const {
    std::string out = noDepth ? "the text has no depth (extrusion 0 and no bevel depth): the "
                                "mesh is its flat front face, not a closed solid\n"
                              : "";
    for (const SolidFault& f : faults) {
        char head[64];
        if (f.code >= 33 && f.code < 127) {
            std::snprintf(head, sizeof head, "character %d ('%c'):", f.character + 1, f.code);
        } else {
            std::snprintf(head, sizeof head, "character %d (code %d):", f.character + 1, f.code);
        }
        out += head + (" " + f.reason()) + "\n";
    }
    return out;
}

SolidMesh buildSolidMesh(const TextExportView& text) {
    SolidMesh m;
    m.materials = {text.parameters.frontMaterial, text.parameters.sideMaterial,
                   text.parameters.bevelMaterial};
    if (text.mesh == nullptr)
        return m;
    m.noDepth = hasNoDepth(text);
    const TextMesh& mesh = *text.mesh;
    // At most three welded corners per outline point, and the triangles the faces, walls and
    // bevel give before any is dropped.
    size_t points = 0, triangles = 0;
    for (const TextMeshEntry& e : mesh.entries) {
        points += e.records.size();
        triangles += size_t(e.frontCount()) +
                     size_t(text.parameters.bevelOn ? e.backCount() : e.frontCount());
        for (int k = 0; k < e.contourCount(); ++k) {
            if (exportsContour(e.contour(k)))
                triangles += size_t(e.contour(k).count) * (text.parameters.bevelOn ? 4 : 2);
        }
    }
    m.vertices.reserve(3 * points);
    m.triangles.reserve(triangles);
    SolidBuilder builder(text, m);
    for (size_t i = 0; i < mesh.entries.size(); ++i)
        builder.character(int(i));
    return m;
}

SolidMesh buildSolidMesh(const Text& text) {
    return buildSolidMesh(exportViewOf(text));
}

}  // namespace vyr
