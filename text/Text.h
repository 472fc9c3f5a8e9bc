#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/TextMesh.h"
#include "text/TextParameters.h"

namespace vyr {

class Archive;
class GlSink;
class GlyphListFont;
struct FallbackFont;
struct FontSource;
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
    /// The font files opened for characters the text's font lacks (TextMeshEntry::font counts
    /// from 1 into them).
    std::vector<std::string> fallbackFonts() const;
    /// How long the last successful build took, in milliseconds.
    double lastBuildMs() const { return lastBuildMs_; }

    /// What the next build is made from; the mesh changes only at buildMesh().
    TextParameters parameters;

  private:
    /// The parameters' font, opened; nullptr with `failure` saying why.
    GlyphListFont* openFont(BuildResult& failure);
    /// Each character's font (see TextMeshEntry::font), the fallback fonts joining `sources`.
    std::vector<int> chooseFonts(std::u32string_view codes, GlyphListFont& font,
                                 std::vector<FontSource>& sources);
    /// The fallback font fontconfig chooses for `c`, opened if new; -1 for none.
    int fallbackIndex(char32_t c);

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
    // Fonts for the characters the text's font lacks, as fontconfig chose them: the fonts
    // opened so far, and each character's choice (an index into them, -1 for none) while the
    // text's font stays the one of `fallbackGeneration_`.
    std::vector<std::unique_ptr<FallbackFont>> fallbacks_;
    std::unordered_map<char32_t, int> fallbackFor_;
    unsigned fallbackGeneration_ = 0;
};

}  // namespace vyr
