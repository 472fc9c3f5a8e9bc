#include "font/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include "font/FontEngine.h"

namespace vyr {

FontFace::FontFace(FontEngine* engine) : engine_(engine ? engine : FontEngine::instance()) {}

FontFace::~FontFace() {
    close();
    engine_ = nullptr;
}

bool FontFace::open(const std::string& path, int faceIndex) {
    if (face_ != nullptr || engine_ == nullptr || engine_->library() == nullptr)
        return false;
    FT_Face face = nullptr;
    if (faceIndex < 0 || FT_New_Face(engine_->library(), path.c_str(), faceIndex, &face) != 0)
        return false;
    // Only scalable outline faces can be flattened; a bitmap font would give no contours.
    if (!FT_IS_SCALABLE(face)) {
        FT_Done_Face(face);
        return false;
    }
    face_ = face;
    buildCodeTable();
    return true;
}

void FontFace::close() {
    if (face_ != nullptr)
        FT_Done_Face(face_);
    face_ = nullptr;
    glyphIndex_.fill(0);
    charmapPlatform_ = charmapEncoding_ = -1;
    unicode_ = false;
}

uint32_t FontFace::glyphIndex(int code) const {
    if (code > 255)
        return unicode_
                   ? static_cast<uint32_t>(FT_Get_Char_Index(face_, static_cast<FT_ULong>(code)))
                   : 0;
    return glyphIndex_[code < 0 ? 0 : code];
}

long FontFace::glyphCount() const {
    return face_ ? face_->num_glyphs : 0;
}

void FontFace::buildCodeTable() {
    FT_CharMap unicode = nullptr;
    for (int i = 0; i < face_->num_charmaps; ++i) {
        FT_CharMap map = face_->charmaps[i];
        if ((map->platform_id == 3 && map->encoding_id == 1) ||
            (map->platform_id == 0 && map->encoding_id == 0)) {
            unicode = map;
            break;
        }
    }
    if (unicode != nullptr && FT_Set_Charmap(face_, unicode) == 0) {
        charmapPlatform_ = unicode->platform_id;
        charmapEncoding_ = unicode->encoding_id;
        unicode_ = true;
        // A byte of the text is looked up as the code point of the same value (Latin-1).
        for (int c = 0; c < 256; ++c) {
            glyphIndex_[c] = static_cast<uint16_t>(FT_Get_Char_Index(face_, c));
        }
        return;
    }

    // No Unicode map. A symbol font (3, 0) keeps its glyphs at U+F000 + code; any other map
    // (Macintosh Roman, for instance) is asked for the code itself; a face without maps maps
    // codes straight to glyph indices. Indices not below the glyph count become 0.
    FT_CharMap fallback = face_->num_charmaps > 0 ? face_->charmaps[0] : nullptr;
    for (int i = 0; i < face_->num_charmaps; ++i) {
        if (face_->charmaps[i]->platform_id == 3 && face_->charmaps[i]->encoding_id == 0) {
            fallback = face_->charmaps[i];
            break;
        }
    }
    const bool haveMap = fallback != nullptr && FT_Set_Charmap(face_, fallback) == 0;
    if (haveMap) {
        charmapPlatform_ = fallback->platform_id;
        charmapEncoding_ = fallback->encoding_id;
    }
    const bool symbol = haveMap && fallback->platform_id == 3 && fallback->encoding_id == 0;
    for (int c = 0; c < 256; ++c) {
        uint32_t index = static_cast<uint32_t>(c);
        if (haveMap) {
            index = FT_Get_Char_Index(face_, symbol ? 0xF000u + c : static_cast<FT_ULong>(c));
            if (symbol && index == 0)
                index = FT_Get_Char_Index(face_, c);
        }
        glyphIndex_[c] = static_cast<long>(index) < face_->num_glyphs ? index : 0;
    }
}

}  // namespace vyr
