#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "font/OutlineVectorizer.h"

namespace vyr {

class FontGlyph;
class GlyphListFont;

/// What a character contributes before it is placed: its flattened outline and the front
/// triangulation of that outline. Both depend only on the glyph and the precision, so a text
/// computes them once per character code.
struct GlyphShape {
    const FontGlyph* glyph = nullptr;
    bool vectorised = false;
    /// The font's contours overlapped, crossed or left a hole outside every outer contour,
    /// so the outline is the merged one of mergeOutline.
    bool merged = false;
    OutlineVectorizer outline;
    /// Front triangles as indices into the outline's points, contour after contour.
    std::vector<std::array<int, 3>> front;
    /// Number of outline points, and their lowest and highest y (1e20 / -1e20 without any).
    int pointCount = 0;
    double minY = 1e20;
    double maxY = -1e20;
};

/// Glyph shapes of one glyph font at one precision, by character code (a code point).
class GlyphMeshCache {
  public:
    /// Forgets everything when the font (told apart by the font cache's generation) or the
    /// precision differs from the last call.
    void use(unsigned fontGeneration, double precision);
    /// Computes the shapes of the codes in `codes` not known yet: the glyphs load on this
    /// thread, the outlines are flattened and triangulated over the cores.
    void prepare(std::u32string_view codes, GlyphListFont& font);
    /// The shape of a code, computed on first use.
    const GlyphShape& shape(int code, GlyphListFont& font);
    /// Computes the shapes of the glyph indices not known yet, as prepare() does.
    void prepareGlyphs(const std::vector<uint32_t>& indices, GlyphListFont& font);
    /// The shape of a glyph index (as a shaper chose it), computed on first use.
    const GlyphShape& glyphShape(uint32_t index, GlyphListFont& font);
    /// Changes whenever the cache forgets its shapes: a shape is told apart by its address
    /// and this number.
    unsigned epoch() const { return epoch_; }

  private:
    // Flattens and triangulates the outline of a shape whose glyph is set.
    static void complete(GlyphShape& s, double precision);
    // Puts a new shape of `glyph` in an empty slot; whether it has a glyph to complete.
    static bool fill(std::unique_ptr<GlyphShape>& slot, const FontGlyph* glyph);
    // Completes new shapes, over the cores when there are many.
    void completeAll(const std::vector<GlyphShape*>& fresh) const;

    unsigned fontGeneration_ = 0;
    unsigned epoch_ = 0;
    bool empty_ = true;
    double precision_ = 0.0;
    // The slot of a code: codes 0..255 in the table, code points above in the map.
    std::unique_ptr<GlyphShape>& slot(char32_t code);

    std::array<std::unique_ptr<GlyphShape>, 256> shapes_;
    std::unordered_map<char32_t, std::unique_ptr<GlyphShape>> others_;
    std::unordered_map<uint32_t, std::unique_ptr<GlyphShape>> byIndex_;
};

}  // namespace vyr
