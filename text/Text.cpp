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

std::vector<std::string> Text::fallbackFonts() const {
    std::vector<std::string> files;
    for (const auto& fallback : fallbacks_)
        files.push_back(fallback->file);
    return files;
}
Text::Text(Text&&) noexcept = default;
Text& Text::operator=(Text&&) noexcept = default;

void Text::clearMesh() {
    mesh_ = TextMesh();
    openedFontFile_.clear();
    ++buildGeneration_;
}

}  // namespace vyr
