#pragma once

#include <memory>
#include <vector>

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
    /// Makes room for triangleCount + 1 triangles, keeping the array when it is large enough.
    void reserve();
    /// The two-pass protocol: count only, reserve, then store exactly the counted triangles.
    /// Returns the triangulation's result.
    bool build();
    /// Same result as build() (triangles, order, count, capacity) from a single tessellator
    /// run, collecting into a scratch buffer first.
    bool buildInOnePass();
    /// Takes triangles computed elsewhere (count + 1 capacity, as after a build).
    void assign(const Triangle* from, int count);
    /// Back to the state of a new list (no triangles, capacity 0, no glyph), keeping the
    /// array for the next build.
    void clear();

    int capacity() const { return capacity_; }
    const Triangle& operator[](int i) const { return triangles[i]; }

    std::unique_ptr<Triangle[]> triangles;
    int triangleCount = 0;
    int countOnly = 1;

  private:
    int capacity_ = 0;
    // Size of the array `triangles` holds, which reserve() reuses while it suffices.
    int allocated_ = 0;
    std::vector<Triangle>* scratch_ = nullptr;
};

}  // namespace vyr
