#pragma once

#include <array>
#include <cstdint>

#include "font/GlyphOutline.h"

namespace vyr {

class FontInstance;

/// One scaled, hinted glyph: its outline and its metrics.
class FontGlyph {
  public:
    enum Metric { kXMin, kYMin, kXMax, kYMax, kBearingX, kBearingY, kAdvance };

    explicit FontGlyph(FontInstance* instance);
    virtual ~FontGlyph();
    FontGlyph(const FontGlyph&) = delete;
    FontGlyph& operator=(const FontGlyph&) = delete;

    /// Loads the glyph that the face's code table gives for `code` (see FontFace::glyphIndex),
    /// scaled and hinted at the instance's size. True on success; a failed load keeps nothing.
    bool load(int code);
    /// Loads the glyph of a glyph index, as a shaper chose it; its code is -1.
    bool loadIndex(uint32_t index);

    /// The advance in pixels (0.0 when no glyph is loaded).
    double advance() const;
    bool isLoaded() const { return loaded_; }
    /// Whether the glyph is an outline (a bitmap-only glyph has none).
    bool hasOutline() const { return hasOutline_; }
    const GlyphOutline& outline() const { return outline_; }
    int code() const { return code_; }
    /// The seven metrics in 26.6 fixed point, in Metric order.
    const std::array<int32_t, 7>& metrics() const { return metrics_; }

  private:
    bool loadAt(uint32_t index);

    FontInstance* instance_;
    int code_ = -1;
    bool loaded_ = false;
    bool hasOutline_ = false;
    GlyphOutline outline_;
    std::array<int32_t, 7> metrics_{};
};

}  // namespace vyr
