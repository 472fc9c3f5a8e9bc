#include "text/OutlineChecks.h"

#include <algorithm>
#include <cmath>

#include "font/OutlineVectorizer.h"
#include "font/TriangleList.h"

namespace vyr {

namespace {

// Twice the signed area of (a, b, c): positive when they turn counter-clockwise.
double orient(double ax, double ay, double bx, double by, double cx, double cy) {
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

int sign(double v) {
    return (v > 0.0) - (v < 0.0);
}

// Whether (px, py), known to lie on the line through a and b, lies on the segment.
bool within(double ax, double ay, double bx, double by, double px, double py) {
    return std::min(ax, bx) <= px && px <= std::max(ax, bx) && std::min(ay, by) <= py &&
           py <= std::max(ay, by);
}

bool meet(const OutlineEdge& e, const OutlineEdge& f, bool strict) {
    const int d1 = sign(orient(f.ax, f.ay, f.bx, f.by, e.ax, e.ay));
    const int d2 = sign(orient(f.ax, f.ay, f.bx, f.by, e.bx, e.by));
    const int d3 = sign(orient(e.ax, e.ay, e.bx, e.by, f.ax, f.ay));
    const int d4 = sign(orient(e.ax, e.ay, e.bx, e.by, f.bx, f.by));
    if (d1 * d2 < 0 && d3 * d4 < 0)
        return true;
    if (strict)
        return false;
    return (d1 == 0 && within(f.ax, f.ay, f.bx, f.by, e.ax, e.ay)) ||
           (d2 == 0 && within(f.ax, f.ay, f.bx, f.by, e.bx, e.by)) ||
           (d3 == 0 && within(e.ax, e.ay, e.bx, e.by, f.ax, f.ay)) ||
           (d4 == 0 && within(e.ax, e.ay, e.bx, e.by, f.bx, f.by));
}

bool neighbours(const OutlineEdge& e, const OutlineEdge& f) {
    if (e.contour != f.contour)
        return false;
    const int n = e.contourSize;
    return (e.index + 1) % n == f.index || (f.index + 1) % n == e.index;
}

}  // namespace

void appendEdges(const Contour& contour, int contourIndex, std::vector<OutlineEdge>& edges) {
    const int n = contour.count;
    for (int j = 0; j < n; ++j) {
        const ContourPoint& a = contour[j];
        const ContourPoint& b = contour[j == n - 1 ? 0 : j + 1];
        edges.push_back({a.x, a.y, b.x, b.y, contourIndex, j, n});
    }
}

const std::vector<std::pair<int, int>>& CrossingFinder::find(const std::vector<OutlineEdge>& edges,
                                                             bool strict, size_t limit) {
    found_.clear();
    spans_.clear();
    for (size_t i = 0; i < edges.size(); ++i) {
        const OutlineEdge& e = edges[i];
        spans_.push_back({std::min(e.ax, e.bx), std::max(e.ax, e.bx), std::min(e.ay, e.by),
                          std::max(e.ay, e.by), static_cast<int>(i)});
    }
    // An edge can only meet those that start before it ends.
    std::sort(spans_.begin(), spans_.end(),
              [](const Span& a, const Span& b) { return a.minX < b.minX; });
    const size_t n = spans_.size();
    for (size_t s = 0; s < n; ++s) {
        const Span& a = spans_[s];
        for (size_t t = s + 1; t < n && spans_[t].minX <= a.maxX; ++t) {
            const Span& b = spans_[t];
            if (b.maxY < a.minY || b.minY > a.maxY)
                continue;
            const OutlineEdge& e = edges[size_t(a.edge)];
            const OutlineEdge& f = edges[size_t(b.edge)];
            if (neighbours(e, f) || !meet(e, f, strict))
                continue;
            found_.emplace_back(std::min(a.edge, b.edge), std::max(a.edge, b.edge));
            if (found_.size() >= limit)
                return found_;
        }
    }
    return found_;
}

bool faceFills(const TriangleList& face, const OutlineVectorizer& outline) {
    double enclosed = 0.0, scale = 0.0;
    for (int k = 0; k < outline.contourCount(); ++k) {
        const Contour& c = *outline.contour(k);
        double twice = 0.0;
        for (int j = 0, i = c.count - 1; j < c.count; i = j++)
            twice += c[i].x * c[j].y - c[j].x * c[i].y;
        enclosed += 0.5 * twice;
        scale += 0.5 * std::fabs(twice);
    }
    if (face.triangleCount == 0)
        return scale == 0.0;
    double covered = 0.0, positive = 0.0, negative = 0.0;
    for (int t = 0; t < face.triangleCount; ++t) {
        const Triangle& tri = face[t];
        const double a = 0.5 * orient(tri.a->x, tri.a->y, tri.b->x, tri.b->y, tri.c->x, tri.c->y);
        covered += a;
        (a > 0.0 ? positive : negative) += std::fabs(a);
    }
    // Contours go to the tessellator backwards, so its triangles wind against them.
    const double tolerance = 1e-7 * scale + 1e-9;
    return std::fabs(covered + enclosed) <= tolerance && std::min(positive, negative) <= tolerance;
}

bool outlineIsClean(const OutlineVectorizer& outline) {
    const int n = outline.contourCount();
    std::vector<OutlineEdge> edges;
    for (int k = 0; k < n; ++k) {
        const Contour& c = *outline.contour(k);
        if (c.count < 3 || std::fabs(c.area) < 1e-6)
            return false;
        if (c.clockwise == 0) {
            bool claimed = false;
            for (int o = 0; o < n && !claimed; ++o) {
                const Contour& outer = *outline.contour(o);
                claimed = outer.clockwise == 1 && c.minX >= outer.minX && c.maxX <= outer.maxX &&
                          c.minY >= outer.minY && c.maxY <= outer.maxY &&
                          rayClaims(outer, c[0].x, c[0].y);
            }
            if (!claimed)
                return false;
        }
        appendEdges(c, k, edges);
    }
    CrossingFinder finder;
    return finder.find(edges, true, 1).empty();
}

}  // namespace vyr
