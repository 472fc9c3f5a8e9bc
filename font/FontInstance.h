#pragma once

struct FT_SizeRec_;

namespace vyr {

class FontFace;

/// One size of a face: a character size at a resolution.
class FontInstance {
  public:
    explicit FontInstance(FontFace* face);
    virtual ~FontInstance();
    FontInstance(const FontInstance&) = delete;
    FontInstance& operator=(const FontInstance&) = delete;

    /// Creates the size object for the face; fails (0) when the face is not open.
    bool open();
    /// Dots per inch, horizontal and vertical; applied by setPointSize.
    void setResolution(int horizontal, int vertical);
    /// Character size in points (values below 1 are taken as 1). True on success.
    bool setPointSize(double points);
    /// Makes this size the face's current one before a glyph load.
    int activate() const;

    /// The distance between lines in pixels: the face's ascender minus its descender plus its
    /// line gap at this size (0 before a size is set).
    double lineHeight() const;
    /// Pixels per font unit along x at this size (0 before a size is set).
    double pixelsPerUnit() const;

    FontFace* face() const { return face_; }

  private:
    FontFace* face_;
    FT_SizeRec_* size_ = nullptr;
    int hres_ = 72;
    int vres_ = 72;
};

}  // namespace vyr
