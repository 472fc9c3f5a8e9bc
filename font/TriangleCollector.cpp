#include "font/TriangleCollector.h"

namespace vyr {

TriangleCollector::TriangleCollector(OutlineVectorizer* vectorizer, int reportErrors)
    : TriangleSink(reportErrors),
      triangulator_(std::make_unique<ContourTriangulator>(vectorizer)) {}

TriangleCollector::~TriangleCollector() = default;

void TriangleCollector::begin(unsigned type) {
    mode_ = type;
}

void TriangleCollector::end() {
    mode_ = 0;
    vertexCount_ = 0;
}

void TriangleCollector::vertex(ContourPoint* p) {
    if (mode_ == 0 || p == nullptr)
        return;
    const int k = vertexCount_++;
    if (k < 2) {
        saved_[k] = p;
        return;
    }
    triangle(saved_[0], saved_[1], p);
    switch (mode_) {
        case kGlTriangleStrip:
            // Alternating slots keep every strip triangle in the strip's winding.
            if (vertexCount_ & 1) {
                saved_[0] = p;
            } else {
                saved_[1] = p;
            }
            break;
        case kGlTriangleFan:
            saved_[1] = p;
            break;
        default:
            vertexCount_ = 0;
            break;
    }
}

bool TriangleCollector::setGlyph(const FontGlyph* glyph) {
    return triangulator_->setGlyph(glyph);
}

bool TriangleCollector::triangulate() {
    vertexCount_ = 0;
    saved_[0] = saved_[1] = nullptr;
    return triangulator_->triangulate(this);
}

}  // namespace vyr
