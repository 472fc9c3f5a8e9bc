#include "font/OutlineVectorizer.h"

#include <algorithm>
#include <cmath>

#include "font/FontGlyph.h"

namespace vyr {

namespace {

constexpr double kUnit = 1.0 / 64.0;  // 26.6 fixed point to pixels

struct Node {
    double x, y;
    bool on;
};

// Keeps n finite and within int even for absurd precisions or coordinates.
int segmentCount(double extent, double precision) {
    const double n = extent / precision + 0.5;
    if (!(n >= 0.0))
        return 0;
    if (n > 1e6)
        return 1000000;
    return static_cast<int>(n);
}

}  // namespace

OutlineVectorizer::~OutlineVectorizer() = default;

void OutlineVectorizer::setPrecision(double p) {
    // The NaN test keeps a garbage precision from reaching the segment count.
    precision_ = (p > 0.01) ? p : 0.01;
}

bool OutlineVectorizer::init(const FontGlyph* glyph) {
    contours_.clear();
    outline_ = GlyphOutline();
    hasOutline_ = false;
    glyph_ = glyph;
    if (glyph == nullptr || !glyph->isLoaded() || !glyph->hasOutline())
        return false;
    outline_ = glyph->outline();
    hasOutline_ = true;
    contours_.resize(outline_.contourEnds.size());
    return true;
}

bool OutlineVectorizer::initOutline(const GlyphOutline& outline) {
    contours_.clear();
    glyph_ = nullptr;
    hasOutline_ = false;
    outline_ = GlyphOutline();
    if (!outline.isConsistent())
        return false;
    outline_ = outline;
    hasOutline_ = true;
    contours_.resize(outline_.contourEnds.size());
    return true;
}

void OutlineVectorizer::copyContoursFrom(const OutlineVectorizer& other) {
    glyph_ = other.glyph_;
    precision_ = other.precision_;
    outline_ = GlyphOutline();
    hasOutline_ = other.hasOutline_;
    // The contours already here keep their point arrays when large enough, so a copy into a
    // vectorizer of the same glyph allocates nothing.
    contours_.resize(other.contours_.size());
    for (size_t k = 0; k < contours_.size(); ++k) {
        const Contour& from = other.contours_[k];
        Contour& to = contours_[k];
        to.reset();
        if (to.points == nullptr || to.capacity < from.count) {
            to.capacity = from.count;
            to.points = std::make_unique<ContourPoint[]>(from.count);
        }
        to.count = from.count;
        for (int j = 0; j < from.count; ++j)
            to.points[j] = {from.points[j].x, from.points[j].y};
        to.clockwise = from.clockwise;
        to.area = from.area;
        to.minX = from.minX;
        to.maxX = from.maxX;
        to.minY = from.minY;
        to.maxY = from.maxY;
    }
}

void OutlineVectorizer::setContours(std::vector<Contour> contours) {
    contours_ = std::move(contours);
}

double OutlineVectorizer::advance() const {
    return glyph_ ? glyph_->advance() : 0.0;
}

Contour* OutlineVectorizer::contour(int i) {
    return (i >= 0 && i < contourCount()) ? &contours_[i] : nullptr;
}

const Contour* OutlineVectorizer::contour(int i) const {
    return (i >= 0 && i < contourCount()) ? &contours_[i] : nullptr;
}

int OutlineVectorizer::pointCount() const {
    int total = 0;
    for (const Contour& c : contours_)
        total += c.count;
    return total;
}

void OutlineVectorizer::vectorize() {
    // One fresh contour per outline contour, so that a second call gives the same result.
    contours_.clear();
    if (hasOutline_)
        contours_.resize(outline_.contourEnds.size());
    const auto flattenAll = [this] {
        int first = 0;
        for (size_t c = 0; c < contours_.size(); ++c) {
            const int last = outline_.contourEnds[c];
            flatten(first, last, contours_[c]);
            first = last + 1;
        }
    };
    // Count first: every piece gives at least one point, so doubling the step ends once the
    // curves no longer dominate (a glyph has at most 65535 outline points).
    step_ = precision_;
    counting_ = true;
    for (int doubling = 0; doubling < 64; ++doubling, step_ *= 2.0) {
        counted_ = 0;
        flattenAll();
        if (counted_ <= kMaxPoints)
            break;
    }
    counting_ = false;
    flattenAll();
    std::erase_if(contours_, [](const Contour& c) { return c.count < 2; });
    orderContours();
}

void OutlineVectorizer::addCurve(Contour& contour, double x0, double y0, double x1, double y1,
                                 double x2, double y2) const {
    const double width = std::max({x0, x1, x2}) - std::min({x0, x1, x2});
    const double height = std::max({y0, y1, y2}) - std::min({y0, y1, y2});
    const int n = segmentCount(std::max(width, height), step_);
    if (counting_) {
        counted_ += std::max(n, 1);
        return;
    }
    contour.addPoint(x0, y0);
    if (n < 2)
        return;
    const double dt = 1.0 / n;
    double t = dt;
    for (int k = 1; k < n; ++k) {
        const double u = 1.0 - t;
        const double x = u * u * x0 + 2.0 * t * u * x1 + t * t * x2;
        const double y = u * u * y0 + 2.0 * t * u * y1 + t * t * y2;
        contour.addPoint(x, y);
        t += dt;
    }
}

void OutlineVectorizer::addPoint(Contour& contour, double x, double y) const {
    if (counting_)
        ++counted_;
    else
        contour.addPoint(x, y);
}

void OutlineVectorizer::flatten(int s, int e, Contour& contour) const {
    contour.reset();
    if (e - s + 1 < 2)
        return;
    auto node = [&](int i) {
        return Node{outline_.points[i].x * kUnit, outline_.points[i].y * kUnit,
                    outline_.onCurve(i)};
    };
    auto mid = [](const Node& p, const Node& q) {
        return Node{(p.x + q.x) * 0.5, (p.y + q.y) * 0.5, true};
    };

    Node a = node(s);
    Node b = node(s + 1);
    for (int i = s + 1; i <= e; ++i) {
        const Node c = node(i == e ? s : i + 1);
        if (a.on && b.on) {
            addPoint(contour, a.x, a.y);
            if (i == e)
                addPoint(contour, b.x, b.y);
        } else if (a.on && !b.on && c.on) {
            addCurve(contour, a.x, a.y, b.x, b.y, c.x, c.y);
            if (i == e - 1)
                addPoint(contour, c.x, c.y);
        } else if (a.on && !b.on && !c.on) {
            const Node m = mid(b, c);
            addCurve(contour, a.x, a.y, b.x, b.y, m.x, m.y);
        } else if (!a.on && b.on) {
            // The piece ending at B was added when B was the control point or the end point.
        } else if (!a.on && !b.on && c.on) {
            const Node m = mid(a, b);
            addCurve(contour, m.x, m.y, b.x, b.y, c.x, c.y);
            if (i == e - 1)
                addPoint(contour, c.x, c.y);
        } else {
            const Node m0 = mid(a, b);
            const Node m1 = mid(b, c);
            addCurve(contour, m0.x, m0.y, b.x, b.y, m1.x, m1.y);
        }
        a = b;
        b = c;
    }
    contour.finish();
}

bool rayClaims(const Contour& outer, double px, double py) {
    // Half-open rule: an edge counts when exactly one of its ends lies above py. A vertex on the
    // ray is thus counted once where the boundary passes through it and zero or two times where
    // it only touches, and horizontal edges never count. Hinted outlines put many vertices on
    // the same pixel row as a hole's first point, so counting both edges at such a vertex would
    // leave inside holes unclaimed.
    bool inside = false;
    const int n = outer.count;
    for (int k = 0; k < n; ++k) {
        // Edge from point k-1 to point k; for k = 0 the closing edge from the last point.
        const ContourPoint& p0 = outer.points[k == 0 ? n - 1 : k - 1];
        const ContourPoint& p1 = outer.points[k];
        if ((p0.y > py) == (p1.y > py))
            continue;
        const double x = p0.x + (py - p0.y) * (p1.x - p0.x) / (p1.y - p0.y);
        if (x <= px)
            inside = !inside;
    }
    return inside;
}

void OutlineVectorizer::orderContours() {
    // Each hole belongs to the smallest outer contour that contains it (box and ray test), so
    // that a hole of a shape nested inside another shape's hole (the R in a circled R) stays
    // with its own shape. Outer contours keep their order, each followed by its holes in list
    // order; holes that no outer contour contains come last.
    const int n = static_cast<int>(contours_.size());
    std::vector<int> owner(n, -1);
    std::vector<bool> isOuter(n);
    for (int k = 0; k < n; ++k)
        isOuter[k] = contours_[k].clockwise == 1;
    for (int h = 0; h < n; ++h) {
        if (isOuter[h])
            continue;
        const Contour& hole = contours_[h];
        double smallest = 0.0;
        for (int o = 0; o < n; ++o) {
            if (!isOuter[o])
                continue;
            const Contour& outer = contours_[o];
            const bool candidate = hole.minX >= outer.minX && hole.maxX <= outer.maxX &&
                                   hole.minY >= outer.minY && hole.maxY <= outer.maxY;
            if (!candidate || !rayClaims(outer, hole.points[0].x, hole.points[0].y))
                continue;
            const double size = std::fabs(outer.area);
            if (owner[h] < 0 || size < smallest) {
                owner[h] = o;
                smallest = size;
            }
        }
    }

    std::vector<Contour> ordered;
    ordered.reserve(contours_.size());
    for (int o = 0; o < n; ++o) {
        if (!isOuter[o])
            continue;
        ordered.push_back(std::move(contours_[o]));
        for (int h = 0; h < n; ++h) {
            if (owner[h] == o)
                ordered.push_back(std::move(contours_[h]));
        }
    }
    for (int h = 0; h < n; ++h) {
        if (!isOuter[h] && owner[h] < 0)
            ordered.push_back(std::move(contours_[h]));
    }
    contours_ = std::move(ordered);
}

}  // namespace vyr
