#pragma once

#include <memory>
#include <string>

#include "font/FontFace.h"
#include "font/GlyphListFont.h"

namespace vyr {

/// Keeps a text object's font open between builds: the face and its glyphs at the build size
/// stay while the file and the size stay the same.
class FontCache {
  public:
    /// The glyph font of face `faceIndex` of `file` at `pointSize`, opening it when one of
    /// them changed. nullptr when the file cannot be opened as a font; the font in use then
    /// stays.
    GlyphListFont* fontFor(const std::string& file, double pointSize, int faceIndex = 0);
    void clear();
    /// Changes whenever a font is opened, so that what was derived from the previous font's
    /// glyphs can tell it is stale (a new font may live at the old one's address).
    unsigned generation() const { return generation_; }

  private:
    std::string file_;
    double pointSize_ = 0.0;
    int faceIndex_ = 0;
    unsigned generation_ = 0;
    std::unique_ptr<FontFace> face_;
    std::unique_ptr<GlyphListFont> font_;
};

}  // namespace vyr
