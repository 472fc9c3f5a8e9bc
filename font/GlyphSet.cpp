#include "font/GlyphSet.h"

#include "font/FontFace.h"
#include "font/FontInstance.h"

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
    if (code > 255) {
        const auto [at, fresh] = others_.try_emplace(code);
        // A code point the face does not map has no glyph (not the face's missing-glyph box).
        if (fresh && instance_ != nullptr && instance_->face() != nullptr &&
            instance_->face()->glyphIndex(code) != 0) {
            auto g = std::make_unique<FontGlyph>(instance_);
            if (g->load(code))
                at->second = std::move(g);
        }
        return at->second.get();
    }
    if (code < 0)
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

const FontGlyph* GlyphSet::glyphAt(uint32_t index) {
    const auto [at, fresh] = byIndex_.try_emplace(index);
    if (fresh && instance_ != nullptr) {
        auto g = std::make_unique<FontGlyph>(instance_);
        if (g->loadIndex(index))
            at->second = std::move(g);
    }
    return at->second.get();
}

}  // namespace vyr
