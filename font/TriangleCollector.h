#pragma once

#include <memory>

#include "font/ContourTriangulator.h"
#include "font/TriangleSink.h"

namespace vyr {

class FontGlyph;
class OutlineVectorizer;

/// Turns the tessellator's triangles, strips and fans into plain triangles, keeping each
/// strip triangle in the strip's winding: strip p0..p4 gives (p0,p1,p2) (p2,p1,p3) (p2,p3,p4);
/// fan p0..p3 gives (p0,p1,p2) (p0,p2,p3).
class TriangleCollector : public TriangleSink {
  public:
    TriangleCollector(OutlineVectorizer* vectorizer, int reportErrors);
    ~TriangleCollector() override;

    void begin(unsigned type) override;
    void vertex(ContourPoint* point) override;
    void end() override;
    virtual void triangle(ContourPoint* a, ContourPoint* b, ContourPoint* c) = 0;

    bool setGlyph(const FontGlyph* glyph);
    /// Runs the triangulator with this collector as the sink. True when the tessellator ran.
    bool triangulate();

  protected:
    unsigned mode_ = 0;
    std::unique_ptr<ContourTriangulator> triangulator_;
    int vertexCount_ = 0;
    ContourPoint* saved_[2] = {nullptr, nullptr};
};

}  // namespace vyr
