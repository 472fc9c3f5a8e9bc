#pragma once

namespace vyr {

class OutlineVectorizer;

/// Replaces a glyph's flattened contours by the outline of the area the font fills with
/// them (the non-zero winding rule of TrueType): overlapping contours are joined where they
/// cross, contours without area and holes that lie in no outer contour go, and the result is
/// ordered as the vectorizer orders it (each outer contour, clockwise, followed by its holes,
/// counter-clockwise). Points are kept to 1/65536 pixel. The union is Clipper's. Where the
/// filled area narrows to a point that two contours share, each contour's copy of it moves
/// 1/8 pixel apart from the other's, so that no two contours touch and walls standing on them
/// close.
void mergeOutline(OutlineVectorizer& outline);

}  // namespace vyr
