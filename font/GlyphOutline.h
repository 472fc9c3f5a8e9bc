#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vyr {

/// A glyph outline as the font rasteriser hands it over: points in 26.6 fixed point,
/// one tag byte per point (bit 0 set = on the curve), and the index of each contour's last point.
/// Quadratic (TrueType) outlines only: off-curve points are conic control points.
struct GlyphOutline {
    struct Point {
        int64_t x = 0;
        int64_t y = 0;
    };
    std::vector<Point> points;
    std::vector<uint8_t> tags;
    std::vector<int> contourEnds;

    bool onCurve(size_t i) const { return (tags[i] & 1) != 0; }
    /// Checks that contour ends are increasing and inside the point array.
    bool isConsistent() const;
};

}  // namespace vyr
