#include "font/TriangleList.h"

namespace vyr {

TriangleList::TriangleList(OutlineVectorizer* vectorizer, int reportErrors)
    : TriangleCollector(vectorizer, reportErrors) {}

TriangleList::~TriangleList() = default;

void TriangleList::triangle(ContourPoint* a, ContourPoint* b, ContourPoint* c) {
    // The store pass writes only what the count pass made room for.
    if (!countOnly && triangleCount < capacity_)
        triangles[triangleCount] = Triangle{a, b, c};
    ++triangleCount;
}

void TriangleList::reserve() {
    triangles.reset();
    capacity_ = triangleCount + 1;
    triangles = std::make_unique<Triangle[]>(capacity_);
}

int TriangleList::build() {
    countOnly = 1;
    triangleCount = 0;
    const int result = triangulate();
    countOnly = 0;
    reserve();
    triangleCount = 0;
    triangulate();
    // A second run that disagreed with the first keeps only the triangles it could store.
    if (triangleCount > capacity_)
        triangleCount = capacity_;
    return result;
}

}  // namespace vyr
