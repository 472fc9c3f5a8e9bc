#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/TextParameters.h"

namespace vyr {

/// One glyph a shaper placed: its glyph index, the index of the first code point it shows,
/// and its advance and offsets in font units (y up).
struct ShapedGlyph {
    uint32_t index = 0;
    uint32_t cluster = 0;
    double xAdvance = 0.0;
    double xOffset = 0.0;
    double yOffset = 0.0;
};

/// Shapes lines of code points with HarfBuzz (kerning, ligatures, mark positioning, joining,
/// reordering, right-to-left runs), from the font file itself.
class Shaper {
  public:
    Shaper();
    ~Shaper();
    Shaper(const Shaper&) = delete;
    Shaper& operator=(const Shaper&) = delete;

    /// Reads face `faceIndex` of the font file, unless it is the one already read. False when
    /// HarfBuzz finds no such face.
    bool open(const std::string& path, int faceIndex);

    /// Shapes codes[begin, end) as one line, in visual order from left to right; a glyph's
    /// cluster indexes `codes`. The script and the direction are found from the characters
    /// unless `direction` gives it; `features` are valid (see featureProblem).
    std::vector<ShapedGlyph> shape(std::u32string_view codes, size_t begin, size_t end,
                                   TextDirection direction, const std::string& language,
                                   const std::string& features);

  private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
    std::string path_;
    int faceIndex_ = -1;
};

/// Each character's writing direction in codes[begin, end): that of its script, and for a
/// character of no direction (a space, a digit, punctuation, a mark) that of the character
/// before it (at the start: of the first one that has a direction; left to right for none).
/// Runs of one direction are shaped apart and placed in the line's direction, the one of its
/// first character.
std::vector<TextDirection> scriptDirections(std::u32string_view codes, size_t begin, size_t end);

/// What is wrong with a feature list ("-liga,+smcp,kern=0"), naming the item; nothing when
/// HarfBuzz reads every item (and the list is at most 4,096 bytes).
std::optional<std::string> featureProblem(const std::string& features);

/// What is wrong with a language tag (letters, digits and hyphens, at most 64); nothing when
/// it can be one, or is empty.
std::optional<std::string> languageProblem(const std::string& language);

}  // namespace vyr
