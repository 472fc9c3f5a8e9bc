#pragma once

#include "text/Vec3.h"

namespace vyr {

/// Per contour point: where the point sits in the text (placed and filtered), its front
/// normal (always (0, 0, -1)) and its bevel inset. z is 0 in position and inset.
struct VertexRecord {
    Vec3 position;
    Vec3 normal;
    Vec3 inset;
};

}  // namespace vyr
