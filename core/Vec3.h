#pragma once

#include <cmath>

namespace vyr {

struct Vec3 {
    double x = 0.0, y = 0.0, z = 0.0;

    friend Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
    friend Vec3 operator/(Vec3 a, double s) { return {a.x / s, a.y / s, a.z / s}; }
    friend Vec3 operator-(Vec3 a) { return {-a.x, -a.y, -a.z}; }
    friend bool operator==(Vec3 a, Vec3 b) = default;
};

/// A point of the plane z = 0: x and y are stored, z always reads 0. Converts to a Vec3
/// wherever one is expected, and takes a Vec3's x and y (its z is dropped).
struct PlanePoint {
    double x = 0.0, y = 0.0;
    static constexpr double z = 0.0;

    PlanePoint() = default;
    PlanePoint& operator=(Vec3 v) {
        x = v.x, y = v.y;
        return *this;
    }
    operator Vec3() const { return {x, y, 0.0}; }

    friend Vec3 operator-(PlanePoint a, PlanePoint b) { return Vec3(a) - Vec3(b); }
};

/// Right-handed cross product a x b.
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - b.y * a.z, b.x * a.z - a.x * b.z, a.x * b.y - b.x * a.y};
}

inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

/// Divides by the length only when it exceeds 1e-6; shorter vectors come back unchanged.
inline Vec3 normalize(Vec3 v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length > 1e-6)
        return {v.x / length, v.y / length, v.z / length};
    return v;
}

}  // namespace vyr
