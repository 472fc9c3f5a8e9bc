#pragma once

#include <array>

#include "text/Material.h"
#include "text/TextMesh.h"

namespace vyr {

class CText;

/// What the exporters read of a text object: the mesh of its last build, the shape flags the
/// mesh was built with, its scale and its three materials. The mesh is borrowed.
struct TextExportView {
    const TextMesh* mesh = nullptr;
    std::array<float, 3> scale{0.0025f, 0.0025f, 0.0025f};
    double extrusionLength = 30.0;
    double bevelDepth = 5.0;
    bool bevelOn = true;
    bool roundedEdges = false;
    Material frontMaterial = Material::defaultFront();
    Material sideMaterial = Material::defaultSide();
    Material bevelMaterial = Material::defaultBevel();
};

/// The view of a text object as it stands; valid while the object and its mesh live.
TextExportView exportViewOf(const CText& text);

/// Whether the contour takes part in the exported geometry: walls need an edge, so a contour
/// of fewer than two points (which a build never keeps) is left out everywhere alike.
inline bool exportsContour(const Contour& contour) {
    return contour.count >= 2;
}

}  // namespace vyr
