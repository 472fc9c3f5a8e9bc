#include "font/Contour.h"

#include <algorithm>
#include <cmath>

namespace vyr {

void Contour::reset() {
    count = 0;
    area = 0.0;
    areaSum_ = 0.0;
    clockwise = 0;
    minX = minY = 1e20;
    maxX = maxY = -1e20;
}

void Contour::addPoint(double x, double y) {
    if (count > 0) {
        const ContourPoint& last = points[count - 1];
        if (std::fabs(x - last.x) < 1e-8 && std::fabs(y - last.y) < 1e-8)
            return;
    }
    if (count == capacity) {
        const int grown = capacity == 0 ? 8 : capacity + capacity / 2;
        auto bigger = std::make_unique<ContourPoint[]>(grown);
        std::copy(points.get(), points.get() + count, bigger.get());
        points = std::move(bigger);
        capacity = grown;
    }
    if (count > 0) {
        const ContourPoint& last = points[count - 1];
        areaSum_ += last.x * y - x * last.y;
    }
    points[count] = ContourPoint{x, y, nullptr};
    ++count;
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
}

void Contour::finish() {
    if (count < 2)
        return;
    const ContourPoint& first = points[0];
    const ContourPoint& last = points[count - 1];
    area = 0.5 * (areaSum_ + last.x * first.y - last.y * first.x);
    clockwise = area < 0.0 ? 1 : 0;
}

}  // namespace vyr
