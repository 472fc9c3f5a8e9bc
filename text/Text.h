#pragma once

#include <array>
#include <memory>
#include <string>

#include "text/TextMesh.h"
#include "text/TextParameters.h"

namespace vyr {

class Archive;
class GlSink;
class GlyphListFont;
class FontCache;
class Shaper;
class GlyphMeshCache;

/// Outcome of a mesh build.
struct BuildResult {
    bool ok = true;
    /// Why the build failed, naming the font path; empty on success.
    std::string message;
};

/// The extruded text: its parameters and the mesh of their last build.
class Text {
  public:
    /// Every parameter at its default, fonts looked up in `fontsFolder`. Does not build: call
    /// buildMesh() once the object is in place.
    explicit Text(std::string fontsFolder);
    ~Text();
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    Text(Text&&) noexcept;
    Text& operator=(Text&&) noexcept;

    void serialize(Archive& archive) { parameters.serialize(archive); }

    /// Rebuilds the mesh from the current parameters. On failure (the font cannot be opened,
    /// the text is longer than TextParameters::kMaxTextLength) the previous mesh stays and the
    /// message says why.
    BuildResult buildMesh();

    /// Empties the mesh (no geometry to show) as a build that produced nothing would.
    void clearMesh();

    /// Solid display list content: centring, materials, faces, walls and bevel.
    void emitSolidList(GlSink& sink) const;
    /// Wire display list content: the outline edges of front and back faces and the walls.
    void emitWireList(GlSink& sink) const;

    const TextMesh& mesh() const { return mesh_; }
    /// The font file the last successful build opened (after the lookup); empty before.
    const std::string& openedFontFile() const { return openedFontFile_; }
    /// Increments at every successful build; the renderer recompiles its lists when it moves.
    unsigned buildGeneration() const { return buildGeneration_; }
    /// How long the last successful build took, in milliseconds.
    double lastBuildMs() const { return lastBuildMs_; }

    /// What the next build is made from; the mesh changes only at buildMesh().
    TextParameters parameters;

  private:
    /// The parameters' font, opened; nullptr with `failure` saying why.
    GlyphListFont* openFont(BuildResult& failure);

    TextMesh mesh_;
    std::string openedFontFile_;
    // The last font lookup: the stored path and folder it was for, and the file it found.
    std::string lookedUpPath_;
    std::string lookedUpFolder_;
    std::string resolvedFont_;
    unsigned buildGeneration_ = 0;
    double lastBuildMs_ = 0.0;
    std::unique_ptr<FontCache> fontCache_;
    std::unique_ptr<GlyphMeshCache> glyphCache_;
    std::unique_ptr<Shaper> shaper_;
};

}  // namespace vyr
