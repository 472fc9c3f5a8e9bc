#include "text/OutlineMerge.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <polyclipping/clipper.hpp>
#include <tuple>
#include <vector>

#include "font/OutlineVectorizer.h"

namespace vyr {

namespace {

// Clipper works on integers; glyph pixels to 1/65536 keep coordinates of a few thousand
// pixels well inside its fast range.
constexpr double kScale = 65536.0;
// How far each copy of a point that contours share moves off it, in pixels: invisible at any
// size the text is drawn, and still many steps of single precision apart in a text thousands
// of characters wide, where the solid's vertices are welded.
constexpr double kDetach = 1.0 / 8.0;

Contour toContour(const ClipperLib::Path& path, bool clockwise) {
    Contour c;
    // Clipper's orientation: true when the signed area is positive (counter-clockwise).
    const bool reverse = ClipperLib::Orientation(path) == clockwise;
    const int n = static_cast<int>(path.size());
    for (int j = 0; j < n; ++j) {
        const ClipperLib::IntPoint& p = path[reverse ? n - 1 - j : j];
        c.addPoint(double(p.X) / kScale, double(p.Y) / kScale);
    }
    c.finish();
    return c;
}

// An outer contour, then its holes; islands inside the holes follow as outer contours.
void collect(const ClipperLib::PolyNode& outer, std::vector<Contour>& out) {
    if (outer.Contour.size() < 3)
        return;
    out.push_back(toContour(outer.Contour, true));
    for (const ClipperLib::PolyNode* hole : outer.Childs) {
        if (hole->Contour.size() >= 3)
            out.push_back(toContour(hole->Contour, false));
    }
    for (const ClipperLib::PolyNode* hole : outer.Childs) {
        for (const ClipperLib::PolyNode* island : hole->Childs)
            collect(*island, out);
    }
}

// One contour's copy of a shared point: the path, the point's index in it, and where it moves.
struct Copy {
    ClipperLib::Path* path;
    size_t index;
    ClipperLib::IntPoint to;
};

double angleOf(const ClipperLib::IntPoint& from, const ClipperLib::IntPoint& to) {
    return std::atan2(double(to.Y - from.Y), double(to.X - from.X));
}

// Counter-clockwise angle from direction `from` to direction `to`, in [0, 2 pi).
double turn(double from, double to) {
    const double a = std::fmod(to - from, 2.0 * std::numbers::pi);
    return a < 0.0 ? a + 2.0 * std::numbers::pi : a;
}

// Where the filled area narrows to nothing - crossing contours leave such points, and so do
// holes touching their outer contour - the union's contours meet at a point they share without
// crossing there. Walls standing on both would share the edge above that point, and the solid
// could not close. So each copy of the point moves kDetach along the middle of the angle
// between its own two edges that no other edge at the point enters (at most a quarter of its
// shorter edge): the contours no longer touch, and no edge crosses another. Every other point
// stays where it is.
void detachSharedPoints(std::vector<ClipperLib::Path*>& paths) {
    std::vector<std::tuple<ClipperLib::cInt, ClipperLib::cInt, size_t, size_t>> points;
    for (size_t p = 0; p < paths.size(); ++p) {
        for (size_t j = 0; j < paths[p]->size(); ++j)
            points.emplace_back((*paths[p])[j].X, (*paths[p])[j].Y, p, j);
    }
    std::sort(points.begin(), points.end());
    std::vector<Copy> moves;
    for (size_t first = 0, last = 0; first < points.size(); first = last) {
        while (last < points.size() && std::get<0>(points[last]) == std::get<0>(points[first]) &&
               std::get<1>(points[last]) == std::get<1>(points[first]))
            ++last;
        if (last - first < 2)
            continue;
        // Each copy's edges to its neighbours, as directions away from the point.
        const ClipperLib::IntPoint at{std::get<0>(points[first]), std::get<1>(points[first])};
        std::vector<double> back, ahead, shorter;
        for (size_t i = first; i < last; ++i) {
            const ClipperLib::Path& path = *paths[std::get<2>(points[i])];
            const size_t j = std::get<3>(points[i]), n = path.size();
            const ClipperLib::IntPoint& a = path[(j + n - 1) % n];
            const ClipperLib::IntPoint& b = path[(j + 1) % n];
            back.push_back(angleOf(at, a));
            ahead.push_back(angleOf(at, b));
            shorter.push_back(std::min(std::hypot(double(a.X - at.X), double(a.Y - at.Y)),
                                       std::hypot(double(b.X - at.X), double(b.Y - at.Y))));
        }
        for (size_t i = 0; i < back.size(); ++i) {
            // The angle from the edge ahead round to the edge back, or the rest of the turn:
            // whichever holds no other copy's edge.
            const double span = turn(ahead[i], back[i]);
            bool entered = false;
            for (size_t o = 0; o < back.size(); ++o) {
                if (o == i)
                    continue;
                for (const double d : {back[o], ahead[o]}) {
                    const double t = turn(ahead[i], d);
                    entered |= t > 0.0 && t < span;
                }
            }
            const double middle =
                entered ? back[i] + 0.5 * (2.0 * std::numbers::pi - span) : ahead[i] + 0.5 * span;
            const double step = std::min(kDetach * kScale, 0.25 * shorter[i]);
            moves.push_back({paths[std::get<2>(points[first + i])],
                             std::get<3>(points[first + i]),
                             {at.X + ClipperLib::cInt(std::llround(step * std::cos(middle))),
                              at.Y + ClipperLib::cInt(std::llround(step * std::sin(middle)))}});
        }
    }
    for (const Copy& m : moves)
        (*m.path)[m.index] = m.to;
}

}  // namespace

void mergeOutline(OutlineVectorizer& outline) {
    ClipperLib::Paths paths;
    for (int k = 0; k < outline.contourCount(); ++k) {
        const Contour& c = *outline.contour(k);
        ClipperLib::Path path;
        path.reserve(size_t(c.count));
        for (int j = 0; j < c.count; ++j) {
            path.push_back({ClipperLib::cInt(std::llround(c[j].x * kScale)),
                            ClipperLib::cInt(std::llround(c[j].y * kScale))});
        }
        paths.push_back(std::move(path));
    }
    ClipperLib::Clipper clipper;
    clipper.StrictlySimple(true);
    clipper.AddPaths(paths, ClipperLib::ptSubject, true);
    ClipperLib::PolyTree tree;
    std::vector<Contour> merged;
    if (clipper.Execute(ClipperLib::ctUnion, tree, ClipperLib::pftNonZero,
                        ClipperLib::pftNonZero)) {
        std::vector<ClipperLib::Path*> contours;
        for (ClipperLib::PolyNode* node = tree.GetFirst(); node != nullptr; node = node->GetNext())
            contours.push_back(&node->Contour);
        detachSharedPoints(contours);
        for (const ClipperLib::PolyNode* outer : tree.Childs)
            collect(*outer, merged);
    }
    outline.setContours(std::move(merged));
}

}  // namespace vyr
