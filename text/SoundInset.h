#pragma once

#include <cstdint>

namespace vyr {

struct TextMeshEntry;

/// How a character's bevel inset came out.
enum class BevelFit : uint8_t {
    kPlain,     ///< every point moved in by the full bevel width (insetContour)
    kNarrowed,  ///< moved in less where the strokes are too thin for the width
    kFlat,      ///< not moved at all; the back face is the front's, at the outline
};

/// Insets every contour of a placed character (positions and normals set, see insetContour)
/// and fills the back face on the inset outline. When `fit` is set and the plain inset is not
/// sound - an inset edge crosses or touches another, a bevel triangle faces forwards (its
/// edge of the inset runs against the outline's), a contour turns over, or the back face does
/// not fill the inset outline - the inset is narrowed point by point until it is: each point
/// keeps its direction and moves a fraction of the plain distance, halved where the inset
/// still fails (and next to it) and tapered off along the contour so that the bevel narrows
/// smoothly. When filters have made the outline itself cross, no inset can be free of
/// crossings; the back face then reuses the front triangles, and the inset narrows until
/// none of them turns over (at worst down to the outline: kFlat). A character whose plain
/// inset is sound is left exactly as insetContour and the tessellator make it.
BevelFit insetCharacter(TextMeshEntry& e, float bevelWidth, bool fit);

}  // namespace vyr
