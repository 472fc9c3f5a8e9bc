#pragma once

namespace vyr {

/// Three single-precision coordinates, as the scene file stores them and the lens flare
/// computes with them (single precision, so that its pictures keep their exact bytes).
struct Float3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;

    friend Float3 operator+(Float3 a, Float3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Float3 operator-(Float3 a, Float3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Float3 operator*(Float3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
    friend bool operator==(const Float3&, const Float3&) = default;
};

/// Right-handed cross product a x b, in single precision.
inline Float3 cross(Float3 a, Float3 b) {
    return {a.y * b.z - b.y * a.z, b.x * a.z - a.x * b.z, a.x * b.y - b.x * a.y};
}

/// A homogeneous point of four single-precision values; w = 1 for a position.
struct Float4 {
    float x = 0.0f, y = 0.0f, z = 0.0f, w = 1.0f;

    friend bool operator==(const Float4&, const Float4&) = default;
};

}  // namespace vyr
