#pragma once

// Helpers shared by the scene tests.

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "core/Archive.h"
#include "scene/CCamera.h"
#include "scene/CLight.h"

namespace vyr::test {

inline void expectNear3(const Float3& p, double x, double y, double z, double tolerance = 1e-6) {
    EXPECT_NEAR(p.x, x, tolerance);
    EXPECT_NEAR(p.y, y, tolerance);
    EXPECT_NEAR(p.z, z, tolerance);
}

inline bool allFinite(std::initializer_list<float> values) {
    for (float v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

inline bool allFinite(const CCamera& c) {
    return allFinite({c.eye.x, c.eye.y, c.eye.z, c.target.x, c.target.y, c.target.z, c.up.x, c.up.y,
                      c.up.z, c.elevation, c.elevationCos, c.elevationSin});
}

inline bool allFinite(const CLight& l) {
    for (const Float4& p : {l.referencePoint, l.targetPoint, l.beamEnd, l.position}) {
        if (!allFinite({p.x, p.y, p.z, p.w}))
            return false;
    }
    return allFinite({l.elevation, l.elevationCos, l.elevationSin, l.azimuthStepCos});
}

}  // namespace vyr::test
