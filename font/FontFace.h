#pragma once

#include <array>
#include <cstdint>
#include <string>

struct FT_FaceRec_;

namespace vyr {

class FontEngine;

/// An open TrueType face and its table from 8-bit character codes to glyph indices.
class FontFace {
  public:
    /// Without an engine the process-wide one is used.
    explicit FontFace(FontEngine* engine = nullptr);
    virtual ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    /// Opens the face (`faceIndex` in a font collection) and fills the code table. True on success;
    /// false when the face is already open, there is no engine, or the file is missing, unreadable
    /// or not a font.
    bool open(const std::string& path, int faceIndex = 0);
    void close();
    bool isOpen() const { return face_ != nullptr; }

    /// Glyph index for a character code: 0..255 from the code table; a code point above
    /// U+00FF through the face's Unicode map, 0 when it has none. Negative codes use entry 0.
    uint32_t glyphIndex(int code) const;
    /// Number of glyphs in the face (0 while closed).
    long glyphCount() const;
    /// (platform, encoding) of the character map the code table was built from; (-1, -1) when
    /// the face has none.
    int charmapPlatform() const { return charmapPlatform_; }
    int charmapEncoding() const { return charmapEncoding_; }

    FT_FaceRec_* handle() const { return face_; }
    FontEngine* engine() const { return engine_; }

  private:
    void buildCodeTable();

    FontEngine* engine_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
    std::array<uint32_t, 256> glyphIndex_{};
    int charmapPlatform_ = -1;
    int charmapEncoding_ = -1;
    bool unicode_ = false;  // the selected map is a Unicode one
};

}  // namespace vyr
