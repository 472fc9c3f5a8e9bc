#pragma once

#include <array>
#include <cstdint>

#include "text/MeshGeometry.h"
#include "text/TextMesh.h"
#include "text/TextParameters.h"

namespace vyr {

/// The three material parts of the solid.
enum class SolidPart : uint8_t { kFaces = 0, kSides = 1, kBevel = 2 };
inline constexpr int kSolidPartCount = 3;
/// A part's bit in a set of parts, and the set of all three.
constexpr unsigned partBit(SolidPart part) {
    return 1u << unsigned(part);
}
inline constexpr unsigned kAllSolidParts = 7u;

/// Where a corner of the solid lies: every outline point gives one on the front face
/// (z = 0), one at the back of the wall (z = L) and one on the inset back face (z = L + D).
enum class CornerKind : uint8_t { kFront = 0, kWall = 1, kBack = 2 };

/// Whether the contour takes part in the solid: walls need an edge, so a contour of fewer
/// than two points (which a build never keeps) is left out everywhere alike.
inline bool exportsContour(const Contour& contour) {
    return contour.count >= 2;
}

/// One corner: the outline point's record, which of its three corners, and where it lies.
struct SolidCorner {
    const VertexRecord* record;
    CornerKind kind;
    Vec3 position;

    /// The normal of a face corner: the record's on the front face, reversed on the back.
    Vec3 faceNormal() const {
        return kind == CornerKind::kFront ? record->normal : -record->normal;
    }
};

/// Depths of the solid's corners.
struct SolidDepth {
    double length = 0.0;  ///< L: the end of the side walls
    double back = 0.0;    ///< L + D: the bevelled back face

    SolidCorner corner(const VertexRecord& r, CornerKind kind) const {
        switch (kind) {
            case CornerKind::kFront:
                return {&r, kind, r.position};
            case CornerKind::kWall:
                return {&r, kind, {r.position.x, r.position.y, r.position.z + length}};
            case CornerKind::kBack:
                break;
        }
        return {&r, kind, {r.inset.x, r.inset.y, r.inset.z + back}};
    }
};

/// One contour edge prev -> cur, with the wall quad and the two bevel triangles on it.
struct SolidEdge {
    const Contour& contour;
    int prev;
    int cur;
    const SolidDepth& depth;

    const VertexRecord& previous() const { return *contour[prev].user; }
    const VertexRecord& current() const { return *contour[cur].user; }
    SolidCorner p(CornerKind kind) const { return depth.corner(previous(), kind); }
    SolidCorner c(CornerKind kind) const { return depth.corner(current(), kind); }

    /// The wall's normal, not normalised.
    Vec3 wallNormal() const { return sideNormal(contour, prev, cur); }
    /// The bevel triangles as drawn: T1 = (prev + L, cur + L, prev inset),
    /// T2 = (prev inset, cur + L, cur inset), facing the way their normals say.
    std::array<SolidCorner, 3> bevelFirst() const {
        return {p(CornerKind::kWall), c(CornerKind::kWall), p(CornerKind::kBack)};
    }
    std::array<SolidCorner, 3> bevelSecond() const {
        return {p(CornerKind::kBack), c(CornerKind::kWall), c(CornerKind::kBack)};
    }
};

/// The order in which a walk hands the solid over. Every walk gives a character's faces in
/// one order: each front triangle (as c, b, a) followed, without a bevel, by its twin at the
/// wall's end (a, b, c); with a bevel, then the inset back face's triangles (a, b, c).
struct SolidOrder {
    /// Which parts, by partBit.
    unsigned parts = kAllSolidParts;
    /// Each contour's edges start with the closing edge n - 1 -> 0 and end with it again
    /// (n + 1 edges), as the display list's strips and bevel run; otherwise 0 -> 1 first and
    /// the closing edge last, each edge once.
    bool closingEdgeTwice = true;
    /// Wall and bevel of each edge together; otherwise all walls of the character, then all
    /// its bevel.
    bool edgeByEdge = false;
};

/// Walks the built solid of one character, handing it piece by piece to a sink:
///   part(SolidPart)            a part of the character begins (its material applies);
///   face(a, b, c)              one face triangle, corners as drawn;
///   beginContour(), endContour() around each contour's walls, bevel, or both;
///   wall(const SolidEdge&), bevel(const SolidEdge&)  one edge of a contour.
/// The bevel comes only when the parameters turn it on. Formats and number forms are the
/// sink's own.
template <class Sink>
void walkSolid(const TextMeshEntry& e, const TextParameters& tp, Sink& sink,
               const SolidOrder& order = {}) {
    const SolidDepth depth{tp.extrusionLength, tp.extrusionLength + tp.bevelDepth};
    auto wants = [&order](SolidPart part) { return (order.parts & partBit(part)) != 0; };
    if (wants(SolidPart::kFaces)) {
        sink.part(SolidPart::kFaces);
        for (int t = 0; t < e.frontCount(); ++t) {
            const Triangle& tri = (*e.front)[t];
            const VertexRecord &a = *tri.a->user, &b = *tri.b->user, &c = *tri.c->user;
            sink.face(depth.corner(c, CornerKind::kFront), depth.corner(b, CornerKind::kFront),
                      depth.corner(a, CornerKind::kFront));
            if (!tp.bevelOn) {
                sink.face(depth.corner(a, CornerKind::kWall), depth.corner(b, CornerKind::kWall),
                          depth.corner(c, CornerKind::kWall));
            }
        }
        if (tp.bevelOn) {
            for (int t = 0; t < e.backCount(); ++t) {
                const Triangle& tri = (*e.back)[t];
                sink.face(depth.corner(*tri.a->user, CornerKind::kBack),
                          depth.corner(*tri.b->user, CornerKind::kBack),
                          depth.corner(*tri.c->user, CornerKind::kBack));
            }
        }
    }
    const bool walls = wants(SolidPart::kSides);
    const bool bevel = tp.bevelOn && wants(SolidPart::kBevel);
    auto contours = [&](bool withWalls, bool withBevel) {
        for (int k = 0; k < e.contourCount(); ++k) {
            const Contour& contour = e.contour(k);
            if (!exportsContour(contour))
                continue;
            const int n = contour.count;
            sink.beginContour();
            for (int j = order.closingEdgeTwice ? 0 : 1; j <= n; ++j) {
                const int cur = j == n ? 0 : j;
                const SolidEdge edge{contour, previousIndex(cur, n), cur, depth};
                if (withWalls)
                    sink.wall(edge);
                if (withBevel)
                    sink.bevel(edge);
            }
            sink.endContour();
        }
    };
    if (order.edgeByEdge && (walls || bevel)) {
        sink.part(SolidPart::kSides);
        contours(walls, bevel);
        return;
    }
    if (walls) {
        sink.part(SolidPart::kSides);
        contours(true, false);
    }
    if (bevel) {
        sink.part(SolidPart::kBevel);
        contours(false, true);
    }
}

}  // namespace vyr
