#include "font/GlyphSet.h"

namespace vyr {

GlyphSet::GlyphSet(FontInstance* instance) : instance_(instance) {}

GlyphSet::~GlyphSet() = default;

bool GlyphSet::loadAll() {
    if (instance_ == nullptr)
        return false;
    for (int code = 0; code < 256; ++code)
        glyph(code);
    return true;
}

const FontGlyph* GlyphSet::glyph(int code) {
    if (code < 0 || code > 255)
        return nullptr;
    if (state_[code] == Slot::kUnknown) {
        auto g = std::make_unique<FontGlyph>(instance_);
        if (instance_ != nullptr && g->load(code)) {
            glyphs_[code] = std::move(g);
            state_[code] = Slot::kLoaded;
        } else {
            state_[code] = Slot::kFailed;
        }
    }
    return glyphs_[code].get();
}

}  // namespace vyr
