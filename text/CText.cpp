#include "text/CText.h"

#include "core/Archive.h"
#include "text/FontCache.h"
#include "text/GlyphMeshCache.h"

namespace vyr {

namespace {

void serializeMaterial(Archive& ar, Material& m) {
    for (float& v : m.emission)
        ar.io(v);
    for (float& v : m.ambient)
        ar.io(v);
    for (float& v : m.diffuse)
        ar.io(v);
    for (float& v : m.specular)
        ar.io(v);
    ar.io(m.shininess);
}

// Joins a folder and a file name with the folder's own separator, so a folder stored by
// another system keeps its form.
std::string joinFontPath(const std::string& folder, const std::string& file) {
    if (folder.empty())
        return file;
    const char last = folder.back();
    if (last == '/' || last == '\\')
        return folder + file;
    const bool backslash =
        folder.find('\\') != std::string::npos && folder.find('/') == std::string::npos;
    return folder + (backslash ? "\\" : "/") + file;
}

}  // namespace

CText::CText(std::string folder) : fontsFolder(std::move(folder)) {
    updateFontPath();
}

CText::~CText() = default;
CText::CText(CText&&) noexcept = default;
CText& CText::operator=(CText&&) noexcept = default;

void CText::updateFontPath() {
    fontPath = joinFontPath(fontsFolder, fontFile);
}

void CText::Serialize(Archive& ar) {
    ar.io(fontsFolder);
    ar.io(fontFile);
    ar.io(text);
    ar.io(precision);
    ar.io(extrusionLength);
    ar.io(bevelDepth);
    ar.io(bevelWidth);
    ar.io(bevelOn);
    ar.io(roundedEdges);
    ar.io(fontPath);
    serializeMaterial(ar, frontMaterial);
    serializeMaterial(ar, sideMaterial);
    serializeMaterial(ar, bevelMaterial);
    for (float& s : scale)
        ar.io(s);
    ar.io(filter1);
    ar.io(filter2);
}

void CText::clearMesh() {
    mesh_ = TextMesh();
    openedFontFile_.clear();
    ++buildGeneration_;
}

void CText::copyProperties(const CText& o) {
    scale = o.scale;
    fontsFolder = o.fontsFolder;
    fontFile = o.fontFile;
    fontPath = o.fontPath;
    text = o.text;
    precision = o.precision;
    extrusionLength = o.extrusionLength;
    bevelDepth = o.bevelDepth;
    bevelWidth = o.bevelWidth;
    bevelOn = o.bevelOn;
    roundedEdges = o.roundedEdges;
    filter1 = o.filter1;
    filter2 = o.filter2;
    frontMaterial = o.frontMaterial;
    sideMaterial = o.sideMaterial;
    bevelMaterial = o.bevelMaterial;
}

bool CText::shapeDiffers(const CText& o) const {
    return fontFile != o.fontFile || text != o.text || extrusionLength != o.extrusionLength ||
           precision != o.precision || bevelOn != o.bevelOn || roundedEdges != o.roundedEdges ||
           bevelWidth != o.bevelWidth || bevelDepth != o.bevelDepth || filter1 != o.filter1 ||
           filter2 != o.filter2;
}

}  // namespace vyr
