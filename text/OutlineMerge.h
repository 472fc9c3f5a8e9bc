#pragma once

namespace vyr {

class OutlineVectorizer;

/// Replaces a glyph's flattened contours by the outline of the area the font fills with
/// them (the non-zero winding rule of TrueType): overlapping contours are joined where they
/// cross, contours without area and holes that lie in no outer contour go, and the result is
/// ordered as the vectorizer orders it (each outer contour, clockwise, followed by its holes,
/// counter-clockwise). Points are kept to 1/65536 pixel. The union is Clipper's.
void mergeOutline(OutlineVectorizer& outline);

}  // namespace vyr
