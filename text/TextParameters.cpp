#include "text/TextParameters.h"

#include <filesystem>

#include "core/Archive.h"
#include "core/Utf8.h"

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

// The file stores flags as 32-bit integers; any non-zero value is set.
void serializeFlag(Archive& ar, bool& flag) {
    int stored = flag ? 1 : 0;
    ar.io(stored);
    flag = stored != 0;
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

std::string TextParameters::fontPath() const {
    return keptFontPath.empty() ? joinFontPath(fontsFolder, fontFile) : keptFontPath;
}

void TextParameters::chooseFont(const std::string& folder, const std::string& file) {
    fontsFolder = folder;
    fontFile = file;
    keptFontPath.clear();
}

void TextParameters::chooseFontPath(const std::string& path) {
    fontFile = std::filesystem::path(path).filename().string();
    keptFontPath = path == joinFontPath(fontsFolder, fontFile) ? std::string() : path;
}

void TextParameters::moveToFolder(const std::string& folder) {
    const std::string path = fontPath();
    fontsFolder = folder;
    keptFontPath = path == joinFontPath(fontsFolder, fontFile) ? std::string() : path;
}

bool TextParameters::shapeDiffers(const TextParameters& o) const {
    return fontFile != o.fontFile || text != o.text || extrusionLength != o.extrusionLength ||
           precision != o.precision || bevelOn != o.bevelOn || roundedEdges != o.roundedEdges ||
           bevelWidth != o.bevelWidth || bevelDepth != o.bevelDepth || filter1 != o.filter1 ||
           filter2 != o.filter2 || layout != o.layout || direction != o.direction ||
           language != o.language || features != o.features || lineSpacing != o.lineSpacing ||
           alignment != o.alignment || faceIndex != o.faceIndex;
}

std::string TextParameters::latin1Text() const {
    if (std::optional<std::string> latin1 = utf8ToLatin1(text))
        return *latin1;
    std::string out;
    for (const char32_t c : decodeUtf8(text))
        out += c < 0x100 ? static_cast<char>(c) : '?';
    return out;
}

bool TextParameters::beyondFixedLayout() const {
    const TextParameters defaults;
    return !utf8ToLatin1(text).has_value() || layout != defaults.layout ||
           direction != defaults.direction || language != defaults.language ||
           features != defaults.features || lineSpacing != defaults.lineSpacing ||
           alignment != defaults.alignment || faceIndex != defaults.faceIndex;
}

void TextParameters::serialize(Archive& ar) {
    std::string path = fontPath();
    ar.io(fontsFolder);
    ar.io(fontFile);
    // One byte per character: a text beyond Latin-1 is written with '?' for what it cannot
    // hold, and whole in the scene file's extension block.
    std::string latin1 = ar.isStoring() ? latin1Text() : std::string();
    ar.io(latin1);
    if (!ar.isStoring())
        text = latin1ToUtf8(latin1);
    ar.io(precision);
    ar.io(extrusionLength);
    ar.io(bevelDepth);
    ar.io(bevelWidth);
    serializeFlag(ar, bevelOn);
    serializeFlag(ar, roundedEdges);
    ar.io(path);
    keptFontPath = path == joinFontPath(fontsFolder, fontFile) ? std::string() : path;
    serializeMaterial(ar, frontMaterial);
    serializeMaterial(ar, sideMaterial);
    serializeMaterial(ar, bevelMaterial);
    for (float& s : scale)
        ar.io(s);
    ar.io(filter1);
    ar.io(filter2);
}

}  // namespace vyr
