#include "text/Text.h"

#include "text/FallbackFont.h"
#include "text/FontCache.h"
#include "text/GlyphMeshCache.h"
#include "text/Shaper.h"

namespace vyr {

Text::Text(std::string folder) {
    parameters.fontsFolder = std::move(folder);
}

Text::~Text() = default;
Text::Text(Text&&) noexcept = default;
Text& Text::operator=(Text&&) noexcept = default;

void Text::clearMesh() {
    mesh_ = TextMesh();
    openedFontFile_.clear();
    ++buildGeneration_;
}

}  // namespace vyr
