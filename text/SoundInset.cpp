#include "text/SoundInset.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "text/MeshGeometry.h"
#include "text/OutlineChecks.h"
#include "text/TextMesh.h"

namespace vyr {

namespace {

// Rounds of narrowing before the outline itself is taken as the inset. Each failing point
// halves its fraction, and a fraction below kSmallest becomes 0, so a point reaches the
// outline within six rounds of failing; tapering can pull in more points afterwards.
constexpr int kRounds = 40;
constexpr double kSmallest = 1.0 / 32.0;
// How many points on either side of a failing point give way with it.
constexpr int kSpread = 2;

double cross2(double ax, double ay, double bx, double by) {
    return ax * by - bx * ay;
}

// The bevel triangles of the edge p -> c lie on a strip that narrows towards the back, so seen
// from the back both wind the outline's way; one that does not faces forwards.
bool folds(const VertexRecord& p, const VertexRecord& c) {
    const Vec3& pl = p.position;
    const Vec3& cl = c.position;
    const Vec3& pi = p.inset;
    const Vec3& ci = c.inset;
    return cross2(cl.x - pi.x, cl.y - pi.y, pl.x - pi.x, pl.y - pi.y) < 0.0 ||
           cross2(cl.x - ci.x, cl.y - ci.y, pi.x - ci.x, pi.y - ci.y) < 0.0;
}

// Whether the inset of a contour winds the way its outline does: one moved in beyond its own
// width comes out turned over, while each of its edges may still look right on its own.
bool sameTurn(const Contour& c) {
    double outline = 0.0, inset = 0.0;
    for (int j = 0, i = c.count - 1; j < c.count; i = j++) {
        const VertexRecord& a = *c[i].user;
        const VertexRecord& b = *c[j].user;
        outline += cross2(a.position.x, a.position.y, b.position.x, b.position.y);
        inset += cross2(a.inset.x, a.inset.y, b.inset.x, b.inset.y);
    }
    return (outline > 0.0) == (inset > 0.0) && inset != 0.0;
}

// Buffers a thread reuses from character to character.
struct Scratch {
    std::vector<OutlineEdge> edges;
    std::vector<int> first;  // index of each contour's first point, and the point count last
    CrossingFinder crossings;
};

Scratch& scratch() {
    thread_local Scratch s;
    return s;
}

// Whether a back face made of the front triangles stays sound on the inset: no triangle that
// the outline winds the front face's way (or leaves flat) turns over. Marks the corners of
// those that do.
bool frontKeepsItsTurn(const TextMeshEntry& e, std::vector<char>* failing) {
    auto twiceArea = [](const Vec3& a, const Vec3& b, const Vec3& c) {
        return cross2(b.x - a.x, b.y - a.y, c.x - a.x, c.y - a.y);
    };
    double turn = 0.0;
    for (int t = 0; t < e.frontCount(); ++t) {
        const Triangle& tri = (*e.front)[t];
        turn += twiceArea(tri.a->user->position, tri.b->user->position, tri.c->user->position);
    }
    const double way = turn < 0.0 ? -1.0 : 1.0;
    bool sound = true;
    for (int t = 0; t < e.frontCount(); ++t) {
        const Triangle& tri = (*e.front)[t];
        const VertexRecord &a = *tri.a->user, &b = *tri.b->user, &c = *tri.c->user;
        if (way * twiceArea(a.position, b.position, c.position) < 0.0 ||
            way * twiceArea(a.inset, b.inset, c.inset) >= 0.0)
            continue;
        if (!failing)
            return false;
        sound = false;
        for (const VertexRecord* r : {&a, &b, &c})
            (*failing)[size_t(r - e.records.data())] = 1;
    }
    return sound;
}

// Whether the inset in a character's records is sound but for its back face: no bevel
// triangle faces forwards, no contour turns over, and no inset edge meets another - or, for a
// back face made of the front triangles, none of those turns over. With `failing` (one flag
// per point, contour after contour) every fault marks its points; without, the check stops
// at the first.
bool insetSound(const TextMeshEntry& e, std::vector<char>* failing, bool frontBack) {
    Scratch& s = scratch();
    s.edges.clear();
    s.first.clear();
    bool sound = true;
    int base = 0;
    for (int k = 0; k < e.contourCount(); base += e.contour(k).count, ++k) {
        const Contour& c = e.contour(k);
        const int n = c.count;
        s.first.push_back(base);
        for (int j = 0; j < n; ++j) {
            const int next = j + 1 == n ? 0 : j + 1;
            if (folds(*c[j].user, *c[next].user)) {
                if (!failing)
                    return false;
                sound = false;
                (*failing)[size_t(base + j)] = (*failing)[size_t(base + next)] = 1;
            }
        }
        if (!sameTurn(c)) {
            if (!failing)
                return false;
            sound = false;
            std::fill(failing->begin() + base, failing->begin() + base + n, 1);
        }
        if (!frontBack)
            appendEdges(c, k, s.edges);
    }
    if (frontBack)
        return frontKeepsItsTurn(e, failing) && sound;
    const auto& crossings = s.crossings.find(s.edges, false, failing ? size_t(-1) : 1);
    for (size_t p = 0; failing && p < crossings.size(); ++p) {
        for (const int i : {crossings[p].first, crossings[p].second}) {
            const OutlineEdge& edge = s.edges[size_t(i)];
            const int from = s.first[size_t(edge.contour)];
            (*failing)[size_t(from + edge.index)] = 1;
            (*failing)[size_t(from + (edge.index + 1) % edge.contourSize)] = 1;
        }
    }
    return sound && crossings.empty();
}

// Each point of a character at a fraction of its plain inset, contour after contour.
class Narrowing {
  public:
    explicit Narrowing(TextMeshEntry& e) : e_(e) {
        for (int k = 0; k < e.contourCount(); ++k) {
            Contour& c = *e.outline->contour(k);
            first_.push_back(static_cast<int>(points_.size()));
            for (int j = 0; j < c.count; ++j) {
                points_.push_back(&c[j]);
                plain_.push_back(c[j].user->inset);
            }
        }
        first_.push_back(static_cast<int>(points_.size()));
        fraction_.assign(points_.size(), 1.0);
        failing_.assign(points_.size(), 0);
    }

    /// Halves the fraction of the points where the inset fails (of all when the inset itself
    /// is sound, so that only the back face failed) and tapers the others towards them. False
    /// when no point can move any closer to the outline.
    bool narrow(double bevelWidth, bool frontBack) {
        std::fill(failing_.begin(), failing_.end(), 0);
        const bool all = insetSound(e_, &failing_, frontBack);
        // A crossing between two long runs of points only moves along them when just its
        // own points give way, so their neighbours give way as well.
        for (size_t k = 0; k + 1 < first_.size(); ++k) {
            const int base = first_[k], n = first_[k + 1] - base;
            for (int j = 0; j < n; ++j) {
                if (failing_[size_t(base + j)] != 1)
                    continue;
                for (int d = -kSpread; d <= kSpread; ++d) {
                    char& f = failing_[size_t(base + ((j + d) % n + n) % n)];
                    f = f == 1 ? 1 : 2;
                }
            }
        }
        bool moved = false;
        for (size_t g = 0; g < points_.size(); ++g) {
            if ((all || failing_[g]) && fraction_[g] > 0.0) {
                fraction_[g] = fraction_[g] * 0.5 < kSmallest ? 0.0 : fraction_[g] * 0.5;
                moved = true;
            }
        }
        if (!moved)
            return false;
        // Along each contour the fraction grows by at most 1 over twice the bevel width, so the
        // bevel widens back gradually from where it had to narrow.
        const double slope = bevelWidth > 0.0 ? 0.5 / bevelWidth : 1e300;
        for (size_t k = 0; k + 1 < first_.size(); ++k) {
            const int base = first_[k], n = first_[k + 1] - base;
            for (int pass = 0; pass < 2; ++pass) {
                for (int s = 1; s <= 2 * n; ++s) {
                    const int j = base + (pass == 0 ? s % n : (2 * n - s) % n);
                    const int from = base + (pass == 0 ? (s - 1) % n : (2 * n - s + 1) % n);
                    const Vec3 d = points_[j]->user->position - points_[from]->user->position;
                    const double limit = fraction_[from] + slope * std::hypot(d.x, d.y);
                    fraction_[j] = std::min(fraction_[j], limit);
                }
            }
        }
        apply();
        return true;
    }

    /// Puts every point at `fraction` of its plain inset.
    void reset(double fraction) {
        std::fill(fraction_.begin(), fraction_.end(), fraction);
        apply();
    }

  private:
    void apply() {
        for (size_t g = 0; g < points_.size(); ++g) {
            ContourPoint& p = *points_[g];
            VertexRecord& r = *p.user;
            const double t = fraction_[g];
            if (t == 1.0)
                r.inset = plain_[g];
            else if (t == 0.0)
                r.inset = r.position;
            else
                r.inset = r.position + (plain_[g] - r.position) * t;
            p.x = r.inset.x;
            p.y = r.inset.y;
        }
    }

    TextMeshEntry& e_;
    std::vector<ContourPoint*> points_;
    std::vector<Vec3> plain_;
    std::vector<int> first_;
    std::vector<double> fraction_;
    std::vector<char> failing_;
};

}  // namespace

BevelFit insetCharacter(TextMeshEntry& e, float bevelWidth, bool fit) {
    for (int k = 0; k < e.contourCount(); ++k)
        insetContour(*e.outline->contour(k), bevelWidth);
    if (!e.vectorised)
        return BevelFit::kPlain;
    // The cheap checks come first: a crossing inset would only waste the tessellator's time.
    const bool plainSound = !fit || insetSound(e, nullptr, false);
    if (plainSound) {
        e.back->buildInOnePass();
        if (!fit || faceFills(*e.back, *e.outline))
            return BevelFit::kPlain;
    }
    Narrowing narrowing(e);
    for (int round = 0; round < kRounds && narrowing.narrow(bevelWidth, false); ++round) {
        if (!insetSound(e, nullptr, false))
            continue;
        e.back->buildInOnePass();
        if (faceFills(*e.back, *e.outline))
            return BevelFit::kNarrowed;
    }
    // Still crossing: filters bend long straight edges of the outline into chords that cut
    // across other edges, and no inset can undo that. The back face then takes the front's
    // triangles, which close the solid whatever the outline, and the inset narrows until none
    // of them turns over; on the outline itself none does.
    e.back->assign(e.front->triangles.get(), e.front->triangleCount);
    narrowing.reset(1.0);
    if (insetSound(e, nullptr, true))
        return BevelFit::kNarrowed;
    for (int round = 0; round < kRounds && narrowing.narrow(bevelWidth, true); ++round) {
        if (insetSound(e, nullptr, true))
            return BevelFit::kNarrowed;
    }
    narrowing.reset(0.0);
    return BevelFit::kFlat;
}

}  // namespace vyr
