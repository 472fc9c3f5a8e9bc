#include "font/FontGlyph.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include "font/FontFace.h"
#include "font/FontInstance.h"

namespace vyr {

FontGlyph::FontGlyph(FontInstance* instance) : instance_(instance) {}

FontGlyph::~FontGlyph() = default;

bool FontGlyph::load(int code) {
    const bool open =
        instance_ != nullptr && instance_->face() != nullptr && instance_->face()->isOpen();
    const bool loaded = loadAt(open ? instance_->face()->glyphIndex(code) : 0);
    code_ = code;
    return loaded;
}

bool FontGlyph::loadIndex(uint32_t index) {
    const bool loaded = loadAt(index);
    code_ = -1;
    return loaded;
}

bool FontGlyph::loadAt(uint32_t index) {
    loaded_ = false;
    hasOutline_ = false;
    outline_ = GlyphOutline();
    metrics_.fill(0);
    if (instance_ == nullptr || instance_->face() == nullptr || !instance_->face()->isOpen()) {
        return false;
    }
    if (!instance_->activate())
        return false;
    FT_Face face = instance_->face()->handle();
    // Scaled and hinted; embedded bitmaps are skipped so that an outline is always loaded.
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0)
        return false;

    const FT_GlyphSlot slot = face->glyph;
    const FT_Glyph_Metrics& m = slot->metrics;
    metrics_[kXMin] = static_cast<int32_t>(m.horiBearingX);
    metrics_[kYMin] = static_cast<int32_t>(m.horiBearingY - m.height);
    metrics_[kXMax] = static_cast<int32_t>(m.horiBearingX + m.width);
    metrics_[kYMax] = static_cast<int32_t>(m.horiBearingY);
    metrics_[kBearingX] = static_cast<int32_t>(m.horiBearingX);
    metrics_[kBearingY] = static_cast<int32_t>(m.horiBearingY);
    metrics_[kAdvance] = static_cast<int32_t>(m.horiAdvance);

    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        const FT_Outline& o = slot->outline;
        outline_.points.resize(o.n_points);
        outline_.tags.resize(o.n_points);
        for (int i = 0; i < o.n_points; ++i) {
            outline_.points[i] = {o.points[i].x, o.points[i].y};
            outline_.tags[i] = static_cast<uint8_t>(o.tags[i]);
        }
        outline_.contourEnds.assign(o.contours, o.contours + o.n_contours);
        hasOutline_ = outline_.isConsistent();
    }
    loaded_ = true;
    return true;
}

double FontGlyph::advance() const {
    return loaded_ ? metrics_[kAdvance] / 64.0 : 0.0;
}

}  // namespace vyr
