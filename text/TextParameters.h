#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/Material.h"

namespace vyr {

class Archive;

/// How the characters are placed: each glyph at the previous one's advance, or shaped by
/// the font's rules (kerning, ligatures, joining, reordering, right-to-left runs).
enum class TextLayout : int32_t { kSimple, kShaped };
/// The direction of shaped text: found from its characters, or given.
enum class TextDirection : int32_t { kAuto, kLeftToRight, kRightToLeft };
/// Where the lines of a text of several lines start.
enum class TextAlignment : int32_t { kLeft, kCenter, kRight };

/// Everything the user chooses about the text: the characters, the font, the shape of the
/// solid, the filters, the materials and the scale. A value: copied, compared and stored in
/// the scene file as a whole.
struct TextParameters {
    /// The longest text a build accepts. Memory grows with the text: 100,000 characters peak
    /// near 0.8 GB with the solid of the mesh formats, 1.7 GB while vyr-cli writes every
    /// format. Longer texts are refused, not left to exhaust memory.
    static constexpr size_t kMaxTextLength = 100000;
    /// The ranges the dialog and the command line accept.
    static constexpr double kMinPrecision = 1.0, kMaxPrecision = 100.0;
    static constexpr double kMaxExtrusion = 10000.0;
    static constexpr double kMaxBevelDepth = 10000.0;
    static constexpr float kMaxBevelWidth = 100.0f;

    std::array<float, 3> scale{0.0025f, 0.0025f, 0.0025f};
    /// Where font file names are looked up.
    std::string fontsFolder;
    std::string fontFile = "ARIAL.TTF";
    /// The font's location when it is not fontsFolder joined with fontFile: a path given
    /// directly, a scene file's own, or the one kept when the folder changed (see
    /// moveToFolder). Empty when the joined name is the location.
    std::string keptFontPath;
    /// The characters, in UTF-8. The builder reads a byte that is not part of a well-formed
    /// sequence as U+FFFD; the command line, the dialog and the scene file give only
    /// well-formed text.
    std::string text = "@";
    /// The flattening step in pixels.
    double precision = 18.0;
    double extrusionLength = 30.0;
    double bevelDepth = 5.0;
    float bevelWidth = 4.0f;
    bool bevelOn = true;
    bool roundedEdges = false;
    TextLayout layout = TextLayout::kSimple;
    TextDirection direction = TextDirection::kAuto;
    /// A BCP 47 language tag for shaping ("" to find it from the characters).
    std::string language;
    /// Shaping features in HarfBuzz's syntax, separated by commas ("-liga,+smcp").
    std::string features;
    /// Line distance as a multiple of the font's line height (a line break is U+000A).
    double lineSpacing = 1.0;
    TextAlignment alignment = TextAlignment::kLeft;
    /// The face in a font collection (.ttc, .otc); 0 for a single font.
    int faceIndex = 0;
    static constexpr double kMinLineSpacing = 0.1, kMaxLineSpacing = 10.0;
    static constexpr int kMaxFaceIndex = 65535;
    /// Indices into the filter table (4 is none).
    int filter1 = 4;
    int filter2 = 4;
    Material frontMaterial = Material::defaultFront();
    Material sideMaterial = Material::defaultSide();
    Material bevelMaterial = Material::defaultBevel();

    friend bool operator==(const TextParameters&, const TextParameters&) = default;

    /// Where the font is looked up first: keptFontPath, or fontsFolder and fontFile joined
    /// with the folder's own separator.
    std::string fontPath() const;
    /// The font chosen by name in `folder`: the location is the joined name again.
    void chooseFont(const std::string& folder, const std::string& file);
    /// The font chosen by its location: the file name is the path's last part.
    void chooseFontPath(const std::string& path);
    /// A new fonts folder for names chosen later; the current font keeps its location.
    void moveToFolder(const std::string& folder);
    /// Whether a field that shapes the mesh differs (exact comparison, case included).
    bool shapeDiffers(const TextParameters& other) const;

    /// Whether a value lies beyond what the scene file's fixed layout holds: a character
    /// beyond Latin-1 (or text that is not well-formed UTF-8), or a layout value other than
    /// its default.
    bool beyondFixedLayout() const;
    /// The text one byte per character, '?' for a character beyond Latin-1.
    std::string latin1Text() const;

    /// The fields in file order; the text as latin1Text(). Loading replaces the values only.
    void serialize(Archive& archive);
};

}  // namespace vyr
