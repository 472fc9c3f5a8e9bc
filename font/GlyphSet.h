#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "font/FontGlyph.h"

namespace vyr {

class FontInstance;

/// The glyphs of one font instance, indexed by character code: codes 0..255 in a table, code
/// points above in a map. Glyphs are loaded on first use; loadAll() loads the first 256. Each
/// load is independent, so lazily loaded glyphs equal the ones loadAll() gives.
class GlyphSet {
  public:
    explicit GlyphSet(FontInstance* instance);
    virtual ~GlyphSet();
    GlyphSet(const GlyphSet&) = delete;
    GlyphSet& operator=(const GlyphSet&) = delete;

    /// Loads codes 0..255 in order; a code that fails keeps an empty slot. 0 without instance.
    virtual bool loadAll();
    /// The glyph of a code, loading it now if needed; nullptr when loading failed.
    const FontGlyph* glyph(int code);
    /// The glyph of a glyph index, likewise.
    const FontGlyph* glyphAt(uint32_t index);

  private:
    enum class Slot : unsigned char { kUnknown, kLoaded, kFailed };
    FontInstance* instance_;
    std::array<std::unique_ptr<FontGlyph>, 256> glyphs_;
    std::array<Slot, 256> state_{};
    // Code points above U+00FF; a failed load keeps nullptr.
    std::unordered_map<int, std::unique_ptr<FontGlyph>> others_;
    std::unordered_map<uint32_t, std::unique_ptr<FontGlyph>> byIndex_;
};

}  // namespace vyr
