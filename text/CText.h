#pragma once

#include <array>
#include <memory>
#include <string>

#include "text/Material.h"
#include "text/TextMesh.h"

namespace vyr {

class Archive;
class GlSink;
class FontCache;
class GlyphMeshCache;

/// Outcome of a mesh build.
struct BuildResult {
    bool ok = true;
    /// Why the build failed, naming the font path; empty on success.
    std::string message;
};

/// The extruded text: its parameters, materials and the mesh of the last build.
class CText {
  public:
    /// The longest text a build accepts. Memory grows with the text: 100,000 characters peak
    /// near 0.8 GB with the solid of the mesh formats, 1.7 GB while vyr-cli writes every
    /// format. Longer texts are refused, not left to exhaust memory.
    static constexpr size_t kMaxTextLength = 100000;

    /// Stores the folder and every default; fontPath = folder + separator + "ARIAL.TTF".
    /// Does not build: call buildMesh() once the object is in place.
    explicit CText(std::string fontsFolder);
    ~CText();
    CText(const CText&) = delete;
    CText& operator=(const CText&) = delete;
    CText(CText&&) noexcept;
    CText& operator=(CText&&) noexcept;

    /// Fields in file order; loading replaces the values only (the caller rebuilds).
    void Serialize(Archive& archive);

    /// Rebuilds the mesh from the current parameters. On failure (the font cannot be opened,
    /// the text is longer than kMaxTextLength) the previous mesh stays and the message says
    /// why.
    BuildResult buildMesh();

    /// Empties the mesh (no geometry to show) as a build that produced nothing would.
    void clearMesh();

    /// Copies every serialised field of `other` (not the mesh).
    void copyProperties(const CText& other);
    /// Whether any field that shapes the mesh differs (exact comparison, case included).
    bool shapeDiffers(const CText& other) const;
    /// Replaces the fonts folder only; fontPath changes at the next properties edit.
    void SetFontsFolder(const std::string& folder) { fontsFolder = folder; }
    /// fontPath := fontsFolder + separator + fontFile, the separator matching the folder's.
    void updateFontPath();

    /// Solid display list content: centring, materials, faces, walls and bevel.
    void emitSolidList(GlSink& sink) const;
    /// Wire display list content: the outline edges of front and back faces and the walls.
    void emitWireList(GlSink& sink) const;

    const TextMesh& mesh() const { return mesh_; }
    /// The font file the last successful build opened (after the lookup); empty before.
    const std::string& openedFontFile() const { return openedFontFile_; }
    /// Increments at every successful build; the renderer recompiles its lists when it moves.
    unsigned buildGeneration() const { return buildGeneration_; }

    // Serialised fields, in declaration order.
    std::array<float, 3> scale{0.0025f, 0.0025f, 0.0025f};
    std::string fontsFolder;
    std::string fontFile = "ARIAL.TTF";
    std::string fontPath;
    std::string text = "@";
    double precision = 18.0;
    double extrusionLength = 30.0;
    double bevelDepth = 5.0;
    float bevelWidth = 4.0f;
    int bevelOn = 1;
    int roundedEdges = 0;
    int filter1 = 4;
    int filter2 = 4;
    Material frontMaterial = Material::defaultFront();
    Material sideMaterial = Material::defaultSide();
    Material bevelMaterial = Material::defaultBevel();

  private:
    TextMesh mesh_;
    std::string openedFontFile_;
    // The last font lookup: the stored path and folder it was for, and the file it found.
    std::string lookedUpPath_;
    std::string lookedUpFolder_;
    std::string resolvedFont_;
    unsigned buildGeneration_ = 0;
    std::unique_ptr<FontCache> fontCache_;
    std::unique_ptr<GlyphMeshCache> glyphCache_;
};

}  // namespace vyr
