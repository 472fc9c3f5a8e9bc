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

std::string FontEngine::versionText() {
    const FontEngine* engine = instance();
    if (engine == nullptr)
        return "FreeType (cannot be initialised)";
    FT_Int major = 0, minor = 0, patch = 0;
    FT_Library_Version(engine->library_, &major, &minor, &patch);
    return "FreeType " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(patch);
}

FontEngine::~FontEngine() {
    if (library_ != nullptr)
        FT_Done_FreeType(library_);
}

}  // namespace vyr
