#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "font/OutlineVectorizer.h"
#include "font/TriangleList.h"
#include "text/SoundInset.h"
#include "text/TextParameters.h"
#include "text/VertexRecord.h"

namespace vyr {

/// One character of the text, or with the shaped layout one glyph. In the simple layout
/// every character has an entry, also a space, a line break or a code the font lacks; such
/// entries hold no contours and no triangles.
struct TextMeshEntry {
    /// The character's code point (of a shaped glyph: of the first character it shows).
    int code = 0;
    /// The index of that character in the text, counted in code points.
    uint32_t source = 0;
    /// The glyph index a shaper chose; 0 in the simple layout, which goes by the code.
    uint32_t glyph = 0;
    /// The font of the glyph: 0 the text's own, k > 0 Text::fallbackFonts()[k - 1], -1 none
    /// (no installed font has the character).
    int font = 0;
    /// The flattened outline. After a build each ContourPoint's x, y hold the inset position
    /// (offset and filters included) and its `user` points at the point's VertexRecord.
    std::unique_ptr<OutlineVectorizer> outline;
    /// Triangles of the front face (the outline) and of the back face (the inset outline).
    std::unique_ptr<TriangleList> front;
    std::unique_ptr<TriangleList> back;
    /// One record per contour point, contour after contour, in contour order.
    std::vector<VertexRecord> records;
    /// What the entry was built from (glyph shape, place, build parameters), so that a
    /// rebuild leaves a character whose inputs did not change as it is; all zero before.
    std::array<uint64_t, 9> builtFrom{};
    /// Offset of the character's glyph origin along x, and along y (0 on the first line).
    double xOffset = 0.0;
    double yOffset = 0.0;
    /// A glyph was found for the code (the offset advances by it).
    bool hasGlyph = false;
    /// The outline was read and flattened (its advance counts towards the width).
    bool vectorised = false;
    /// The font's contours overlapped or crossed, so the outline is their merged outline.
    bool outlineMerged = false;
    /// Whether the bevel inset had to be narrowed (or dropped) to keep the solid sound.
    BevelFit bevelFit = BevelFit::kPlain;

    int contourCount() const { return outline ? outline->contourCount() : 0; }
    const Contour& contour(int k) const { return *outline->contour(k); }
    int frontCount() const { return front ? front->triangleCount : 0; }
    int backCount() const { return back ? back->triangleCount : 0; }
};

/// The extruded text as the last build left it. The first character's glyph origin is at
/// x = 0; drawing and exports centre the text by translating by -width / 2.
struct TextMesh {
    std::vector<TextMeshEntry> entries;
    int entryCount = 0;
    /// One line: the sum of the advances of its vectorised characters (shaped: of all its
    /// glyphs). Several lines: the longest line's sum of all its advances.
    float width = 0.0f;
    /// Lines of text: one more than the line breaks.
    int lineCount = 1;
    /// The direction the shaper found for the first line (left to right in the simple layout).
    TextDirection direction = TextDirection::kLeftToRight;
    /// Lowest and highest outline y before the vertical placement (1e20 / -1e20 when empty).
    double minY = 1e20;
    double maxY = -1e20;

    /// The record of a contour point.
    static const VertexRecord& record(const ContourPoint& p) { return *p.user; }
};

}  // namespace vyr
