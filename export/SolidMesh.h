#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "export/TextExportView.h"
#include "text/Material.h"
#include "text/SolidWalk.h"

namespace vyr {

class Text;

/// Names the mesh formats give the parts' materials: "front_back", "sides", "bevel".
const char* solidPartName(SolidPart part);

/// Why one character's solid is not a sound closed surface.
struct SolidFault {
    int character = 0;  ///< index in the text
    int code = 0;       ///< the character's byte
    /// Some edge is not shared by exactly two triangles running it in opposite directions.
    bool open = false;
    /// A bevel triangle faces inward: the inset outline crosses itself (bevel too wide).
    bool folded = false;
    /// The bevelled back face has no triangles: its inset outline crosses itself so badly
    /// that it could not be filled.
    bool backUnfilled = false;
    /// Geometry was present but nothing with an area survived (a zero scale).
    bool flat = false;
    /// A coordinate was not a finite number; those triangles were left out.
    bool nonFinite = false;

    /// The reasons above that hold, for a user, joined by "; ".
    std::string reason() const;
};

/// The text's solid as the viewport shows it (x centred by -width / 2, the text's scale
/// applied), in single precision: vertices welded by exact position, triangles wound
/// counter-clockwise seen from outside, no triangle without area. The closing bevel edge that
/// the display list draws twice is here once.
struct SolidMesh {
    struct Triangle {
        std::array<uint32_t, 3> v;
        SolidPart part;
        int character;
    };

    std::vector<std::array<float, 3>> vertices;
    std::vector<Triangle> triangles;
    /// Materials of the parts, indexed by SolidPart.
    std::array<Material, kSolidPartCount> materials;
    /// Characters whose solid is not closed and consistent; empty when the whole is sound.
    std::vector<SolidFault> faults;
    /// The text has no depth (no extrusion, and the bevel off or no deeper): it is a flat
    /// shape, not a solid, and the mesh holds its front face alone, wound as seen from the
    /// front. Its characters are not checked for closure.
    bool noDepth = false;

    bool sound() const { return faults.empty() && !noDepth; }
    bool hasPart(SolidPart part) const;
    /// One line per fault, naming the character and the reason, for a user; first a line
    /// saying so for a text without depth.
    std::string faultReport() const;
};

SolidMesh buildSolidMesh(const TextExportView& text);
SolidMesh buildSolidMesh(const Text& text);

}  // namespace vyr
