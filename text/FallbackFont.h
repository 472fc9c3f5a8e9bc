#pragma once

#include <string>

#include "text/FontCache.h"
#include "text/GlyphMeshCache.h"
#include "text/Shaper.h"

namespace vyr {

/// A font a text takes the characters its own font lacks from: the face, its glyph shapes at
/// the text's precision and its shaper.
struct FallbackFont {
    std::string file;
    int face = 0;
    FontCache fonts;
    GlyphMeshCache shapes;
    Shaper shaper;
};

/// A font a build places glyphs from: the text's own first, then the fallback fonts.
struct FontSource {
    GlyphListFont* font;
    GlyphMeshCache* shapes;
    Shaper* shaper;
};

}  // namespace vyr
