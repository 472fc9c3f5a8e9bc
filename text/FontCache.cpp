#include "text/FontCache.h"

namespace vyr {

GlyphListFont* FontCache::fontFor(const std::string& file, double pointSize, int faceIndex) {
    if (font_ && file == file_ && pointSize == pointSize_ && faceIndex == faceIndex_)
        return font_.get();
    // The font in use stays until the new one has opened: the mesh of the last build still
    // points at its glyphs when this build fails.
    auto face = std::make_unique<FontFace>();
    if (!face->open(file, faceIndex))
        return nullptr;
    auto font = std::make_unique<GlyphListFont>(face.get());
    if (!font->create(pointSize))
        return nullptr;
    clear();
    face_ = std::move(face);
    font_ = std::move(font);
    file_ = file;
    pointSize_ = pointSize;
    faceIndex_ = faceIndex;
    ++generation_;
    return font_.get();
}

void FontCache::clear() {
    font_.reset();
    face_.reset();
    file_.clear();
    pointSize_ = 0.0;
}

}  // namespace vyr
