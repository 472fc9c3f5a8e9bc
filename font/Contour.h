#pragma once

#include <memory>

namespace vyr {

struct VertexRecord;

/// One point of a flattened contour, in glyph pixels.
struct ContourPoint {
    double x = 0.0;
    double y = 0.0;
    /// Reserved for the mesh builder, which hangs the point's vertex record here.
    VertexRecord* user = nullptr;
};

/// A closed polyline: the last point connects back to the first.
/// The point array starts at 8 entries and grows by half, so points keep their addresses
/// once the contour is complete.
class Contour {
  public:
    int capacity = 0;
    int count = 0;
    std::unique_ptr<ContourPoint[]> points;
    /// 1 when the signed area is negative (an outer boundary in TrueType fonts), else 0.
    int clockwise = 0;
    /// Signed area, positive for counter-clockwise.
    double area = 0.0;
    double minX = 1e20;
    double maxX = -1e20;
    double minY = 1e20;
    double maxY = -1e20;

    /// Empties the contour (count, area and box); keeps the allocated array.
    void reset();
    /// Appends (x, y) unless it repeats the last point within 1e-8 in both x and y.
    void addPoint(double x, double y);
    /// Closes the area sum and sets area and clockwise; call once after the last point.
    void finish();

    ContourPoint& operator[](int i) { return points[i]; }
    const ContourPoint& operator[](int i) const { return points[i]; }

  private:
    double areaSum_ = 0.0;
};

}  // namespace vyr
