#include "text/CText.h"

#include "text/FontCache.h"
#include "text/GlyphMeshCache.h"

namespace vyr {

CText::CText(std::string folder) {
    parameters.fontsFolder = std::move(folder);
}

CText::~CText() = default;
CText::CText(CText&&) noexcept = default;
CText& CText::operator=(CText&&) noexcept = default;

void CText::clearMesh() {
    mesh_ = TextMesh();
    openedFontFile_.clear();
    ++buildGeneration_;
}

}  // namespace vyr
