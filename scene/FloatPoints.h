#pragma once

namespace vyr {

/// Three single-precision coordinates, as the scene file stores them.
struct Float3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;

    friend bool operator==(const Float3&, const Float3&) = default;
};

/// A homogeneous point of four single-precision values; w = 1 for a position.
struct Float4 {
    float x = 0.0f, y = 0.0f, z = 0.0f, w = 1.0f;

    friend bool operator==(const Float4&, const Float4&) = default;
};

}  // namespace vyr
