#pragma once

#include <array>

namespace vyr {

/// 17 floats in storage order: emission, ambient, diffuse, specular (r, g, b, a each),
/// then shininess.
struct Material {
    std::array<float, 4> emission{};
    std::array<float, 4> ambient{};
    std::array<float, 4> diffuse{};
    std::array<float, 4> specular{};
    float shininess = 0.0f;

    friend bool operator==(const Material&, const Material&) = default;

    static Material defaultFront();
    static Material defaultSide();
    static Material defaultBevel();
};

}  // namespace vyr
