#include "font/GlyphListFont.h"

#include "font/FontFace.h"

namespace vyr {

GlyphListFont::GlyphListFont(FontFace* face) : face_(face) {}

GlyphListFont::~GlyphListFont() {
    glyphs_.reset();
    instance_.reset();
}

bool GlyphListFont::create(double pointSize) {
    glyphs_.reset();
    instance_.reset();
    instance_ = std::make_unique<FontInstance>(face_);
    if (!instance_->open())
        return false;
    instance_->setResolution(96, 96);
    if (!instance_->setPointSize(pointSize))
        return false;
    glyphs_ = std::make_unique<GlyphSet>(instance_.get());
    return true;
}

const FontGlyph* GlyphListFont::glyph(int code) {
    return glyphs_ ? glyphs_->glyph(code) : nullptr;
}

const FontGlyph* GlyphListFont::glyphAt(uint32_t index) {
    return glyphs_ ? glyphs_->glyphAt(index) : nullptr;
}

double GlyphListFont::lineHeight() const {
    return instance_ ? instance_->lineHeight() : 0.0;
}

double GlyphListFont::pixelsPerUnit() const {
    return instance_ ? instance_->pixelsPerUnit() : 0.0;
}

}  // namespace vyr
