#include "font/FontEngine.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace vyr {

FontEngine* FontEngine::instance() {
    static FontEngine* engine = nullptr;
    if (engine == nullptr) {
        auto* candidate = new FontEngine();
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0) {
            delete candidate;
            return nullptr;
        }
        candidate->library_ = lib;
        engine = candidate;
    }
    return engine;
}

FontEngine::~FontEngine() {
    if (library_ != nullptr)
        FT_Done_FreeType(library_);
}

}  // namespace vyr
