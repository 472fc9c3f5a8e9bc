#pragma once

#include <cstdint>
#include <memory>

#include "font/FontInstance.h"
#include "font/GlyphSet.h"

namespace vyr {

class FontFace;

/// The glyph font a mesh build works from: one instance of the face at a point size,
/// 96 x 96 dpi, and its glyph set. Reserves no display lists: those belong to the renderer.
class GlyphListFont {
  public:
    explicit GlyphListFont(FontFace* face);
    virtual ~GlyphListFont();
    GlyphListFont(const GlyphListFont&) = delete;
    GlyphListFont& operator=(const GlyphListFont&) = delete;

    /// Releases an earlier instance and glyph set, then creates the instance at `pointSize`
    /// points (at least 1) and an empty glyph set. True on success.
    bool create(double pointSize);
    /// The glyph of character code c (0..255, or a code point above), loaded on first use;
    /// nullptr when it failed.
    const FontGlyph* glyph(int code);
    /// The glyph of a glyph index, likewise.
    const FontGlyph* glyphAt(uint32_t index);
    /// The distance between lines in pixels (0 before create()).
    double lineHeight() const;
    /// Pixels per font unit along x (0 before create()).
    double pixelsPerUnit() const;
    GlyphSet* glyphs() { return glyphs_.get(); }
    FontFace* face() const { return face_; }

  private:
    FontFace* face_;
    std::unique_ptr<FontInstance> instance_;
    std::unique_ptr<GlyphSet> glyphs_;
};

}  // namespace vyr
