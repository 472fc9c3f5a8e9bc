#pragma once

#include "core/Vec3.h"

namespace vyr {

/// Per contour point: where the point sits in the text (placed and filtered), its front
/// normal and its bevel inset. Position and inset lie in the plane z = 0 and the normal is
/// (0, 0, -1) for every point, so only the four coordinates are stored: a long text holds
/// tens of thousands of records.
struct VertexRecord {
    PlanePoint position;
    static constexpr Vec3 normal{0.0, 0.0, -1.0};
    PlanePoint inset;
};
static_assert(sizeof(VertexRecord) == 4 * sizeof(double));

}  // namespace vyr
