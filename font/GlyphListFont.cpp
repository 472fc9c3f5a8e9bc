#include "font/GlyphListFont.h"

#include "font/FontFace.h"

namespace vyr {

GlyphListFont::GlyphListFont(FontFace* face) : face_(face) {}

GlyphListFont::~GlyphListFont() {
    glyphs_.reset();
    instance_.reset();
}

int GlyphListFont::create(double pointSize) {
    glyphs_.reset();
    instance_.reset();
    instance_ = std::make_unique<FontInstance>(face_);
    if (!instance_->open())
        return 0;
    if (!instance_->setResolution(96, 96))
        return 0;
    if (!instance_->setPointSize(pointSize))
        return 0;
    glyphs_ = std::make_unique<GlyphSet>(instance_.get());
    return 1;
}

const FontGlyph* GlyphListFont::glyph(int code) {
    return glyphs_ ? glyphs_->glyph(code) : nullptr;
}

}  // namespace vyr
