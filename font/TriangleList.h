#pragma once

#include <memory>

#include "font/TriangleCollector.h"

namespace vyr {

struct ContourPoint;

/// Three references to contour points, in the order the tessellator gave them.
struct Triangle {
    ContourPoint* a;
    ContourPoint* b;
    ContourPoint* c;
};

/// The triangles of one character face. Built in two passes: count, reserve, store.
class TriangleList : public TriangleCollector {
  public:
    explicit TriangleList(OutlineVectorizer* vectorizer, int reportErrors = 0);
    ~TriangleList() override;

    void triangle(ContourPoint* a, ContourPoint* b, ContourPoint* c) override;
    /// Frees the array and makes room for triangleCount + 1 triangles.
    void reserve();
    /// The two-pass protocol: count only, reserve, then store exactly the counted triangles.
    /// Returns the triangulation's result.
    int build();

    int capacity() const { return capacity_; }
    const Triangle& operator[](int i) const { return triangles[i]; }

    std::unique_ptr<Triangle[]> triangles;
    int triangleCount = 0;
    int countOnly = 1;

  private:
    int capacity_ = 0;
};

}  // namespace vyr
