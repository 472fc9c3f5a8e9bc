#pragma once

#include <memory>

namespace vyr {

class FontGlyph;
class OutlineVectorizer;
class TriangleSink;

/// Feeds the ordered contours of a vectorizer to the GLU polygon tessellator: each outer
/// contour begins a polygon and its holes follow as further contours; every contour is passed
/// from its last point to its first, with the ContourPoint itself as vertex data.
class ContourTriangulator {
  public:
    /// Borrows the vectorizer; without one it creates and owns its own.
    explicit ContourTriangulator(OutlineVectorizer* vectorizer = nullptr);
    virtual ~ContourTriangulator();
    ContourTriangulator(const ContourTriangulator&) = delete;
    ContourTriangulator& operator=(const ContourTriangulator&) = delete;

    /// Remembers the glyph; an owned vectorizer is initialised for it (its result returned).
    bool setGlyph(const FontGlyph* glyph);
    void setPrecision(double p);
    /// Runs the tessellator into the sink (a silent default receiver when null).
    /// True when the tessellator ran; false when there was nothing to triangulate or no
    /// tessellator.
    bool triangulate(TriangleSink* sink);

    OutlineVectorizer* vectorizer() const { return vectorizer_; }

  private:
    const FontGlyph* glyph_ = nullptr;
    OutlineVectorizer* vectorizer_;
    std::unique_ptr<OutlineVectorizer> owned_;
};

}  // namespace vyr
