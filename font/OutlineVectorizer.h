#pragma once

#include <vector>

#include "font/Contour.h"
#include "font/GlyphOutline.h"

namespace vyr {

class FontGlyph;

/// Flattens one glyph's quadratic outline into closed polygons at a chosen precision and
/// orders them: each outer (clockwise) contour followed by the holes it contains (a hole
/// inside several outer contours goes with the smallest), holes that no outer contour
/// contains last.
///
/// Use: setPrecision, init, vectorize, then read contours and advance.
class OutlineVectorizer {
  public:
    OutlineVectorizer() = default;
    virtual ~OutlineVectorizer();
    OutlineVectorizer(const OutlineVectorizer&) = delete;
    OutlineVectorizer& operator=(const OutlineVectorizer&) = delete;

    /// Target step in pixels; values <= 0.01 are stored as 0.01.
    void setPrecision(double p);
    double precision() const { return precision_; }

    /// Releases the contours and takes a copy of the glyph's outline. The glyph is remembered
    /// also when this fails (no glyph, or a glyph without an outline). True on success.
    bool init(const FontGlyph* glyph);
    /// Same as init, from an outline given directly (no glyph, advance 0). 0 when the outline's
    /// contour ends are inconsistent.
    bool initOutline(const GlyphOutline& outline);

    /// Takes the glyph, precision and flattened contours of another vectorizer (points copied
    /// with empty user references). The raw outline is not taken: vectorize() on the copy
    /// yields no contours.
    void copyContoursFrom(const OutlineVectorizer& other);

    /// The most points one glyph flattens into. Real glyphs at a step of one pixel stay under
    /// 2,000; a damaged or hostile font can ask for billions. A glyph that would exceed this
    /// is flattened with a coarser step, the least multiple by two of the precision that fits.
    static constexpr long kMaxPoints = 20000;

    /// Replaces the flattened contours (already ordered: each outer contour followed by its
    /// holes), keeping the glyph and precision.
    void setContours(std::vector<Contour> contours);

    /// Flattens every contour, drops those with fewer than 2 points and orders the rest.
    void vectorize();

    /// The glyph's advance in pixels (0.0 without a glyph).
    double advance() const;
    int contourCount() const { return static_cast<int>(contours_.size()); }
    /// nullptr for an index outside 0..count-1.
    Contour* contour(int i);
    const Contour* contour(int i) const;
    const FontGlyph* glyph() const { return glyph_; }
    /// Whether an outline was taken by the last init.
    bool hasOutline() const { return hasOutline_; }
    /// Total number of points over all contours.
    int pointCount() const;

  private:
    void flatten(int first, int last, Contour& contour) const;
    void addPoint(Contour& contour, double x, double y) const;
    void addCurve(Contour& contour, double x0, double y0, double x1, double y1, double x2,
                  double y2) const;
    void orderContours();

    const FontGlyph* glyph_ = nullptr;
    GlyphOutline outline_;
    bool hasOutline_ = false;
    double precision_ = 18.0;
    // The step flattening uses: the precision, or coarser for a glyph over kMaxPoints.
    double step_ = 18.0;
    // While counting, flattening adds no points but counts them in counted_.
    bool counting_ = false;
    mutable long counted_ = 0;
    std::vector<Contour> contours_;
};

/// Whether a ray from (px, py) towards -x crosses the contour an odd number of times, i.e.
/// whether the point lies inside it. An edge counts when exactly one of its end points lies
/// above py and its x at py is <= px; horizontal edges never count, and a vertex on the ray
/// counts once when the boundary passes through it.
bool rayClaims(const Contour& outer, double px, double py);

}  // namespace vyr
