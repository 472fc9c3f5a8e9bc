#pragma once

// Helpers shared by the scene tests.

#include <gtest/gtest.h>

#include <cmath>

#include "core/Archive.h"
#include "scene/Camera.h"
#include "scene/Light.h"

namespace vyr::test {

inline const double kRoot3 = std::sqrt(3.0);

inline void expectNear3(const Float3& p, double x, double y, double z, double tolerance = 1e-5) {
    EXPECT_NEAR(p.x, x, tolerance);
    EXPECT_NEAR(p.y, y, tolerance);
    EXPECT_NEAR(p.z, z, tolerance);
}

// Whether every value the object stores is a finite number (its integers read as floats are).
template <typename Part>
bool allFinite(Part& object) {
    Archive out;
    object.serialize(out);
    Archive in(out.bytes().data(), out.bytes().size());
    for (size_t i = 0; i < out.bytes().size(); i += 4)
        if (!std::isfinite(in.readFloat()))
            return false;
    return true;
}

}  // namespace vyr::test
