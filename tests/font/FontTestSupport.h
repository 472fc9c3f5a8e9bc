#pragma once

// Helpers shared by the font tests: outlines given in pixels, polygon geometry computed
// independently of the library, and the two real test fonts.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "font/Contour.h"
#include "font/FontFace.h"
#include "font/GlyphListFont.h"
#include "font/OutlineVectorizer.h"
#include "font/TriangleList.h"
#include "tests/Support.h"

namespace vyr::test {

/// One outline point in pixels; `on` marks a point on the curve.
struct P {
    double x, y;
    bool on = true;
};
using Points = std::vector<std::pair<double, double>>;

/// A TrueType-style outline from contours given in pixels (stored as 26.6, i.e. * 64).
inline GlyphOutline makeOutline(const std::vector<std::vector<P>>& contours) {
    GlyphOutline outline;
    for (const auto& contour : contours) {
        for (const P& p : contour) {
            outline.points.push_back({std::lround(p.x * 64.0), std::lround(p.y * 64.0)});
            outline.tags.push_back(p.on ? 1 : 0);
        }
        outline.contourEnds.push_back(static_cast<int>(outline.points.size()) - 1);
    }
    return outline;
}

/// Axis-aligned squares in TrueType orientation: outer contours clockwise, holes not.
inline std::vector<P> outer(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}};
}
inline std::vector<P> hole(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

/// Flattens and orders an outline at the given precision.
inline void vectorize(OutlineVectorizer& v, const GlyphOutline& outline, double precision = 18.0) {
    v.setPrecision(precision);
    ASSERT_EQ(v.initOutline(outline), 1);
    v.vectorize();
}

/// A finished contour through the points.
inline Contour contourOf(const Points& pts) {
    Contour c;
    for (const auto& [x, y] : pts)
        c.addPoint(x, y);
    c.finish();
    return c;
}

inline Points pointsOf(const Contour& c) {
    Points out;
    for (int i = 0; i < c.count; ++i)
        out.emplace_back(c.points[i].x, c.points[i].y);
    return out;
}

/// Twice the signed area of the triangle (positive when counter-clockwise in x-y).
inline double cross2(const ContourPoint& a, const ContourPoint& b, const ContourPoint& c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

/// Plain even-odd point-in-polygon test (half-open edges), independent of rayClaims.
inline bool insidePolygon(const Contour& c, double x, double y) {
    bool inside = false;
    for (int i = 0, j = c.count - 1; i < c.count; j = i++) {
        const ContourPoint& a = c.points[i];
        const ContourPoint& b = c.points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

/// Whether p is one of the points of the vectorizer's contours (by address).
inline bool isPointOf(const OutlineVectorizer& v, const ContourPoint* p) {
    for (int i = 0; i < v.contourCount(); ++i) {
        const Contour& c = *v.contour(i);
        if (p >= c.points.get() && p < c.points.get() + c.count)
            return true;
    }
    return false;
}

/// A face opened from a font file with its glyph font at the mesh builder's 220 points.
struct LoadedFont {
    explicit LoadedFont(const char* path, double points = 220.0) : font(&face) {
        opened = face.open(path) == 1 && font.create(points) == 1;
    }
    FontFace face;
    GlyphListFont font;
    bool opened = false;
};

/// Suites run over both test fonts.
class RealFont : public ::testing::TestWithParam<const char*> {};
inline const auto kBothFonts = ::testing::Values(VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION);

}  // namespace vyr::test
