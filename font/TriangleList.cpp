#include "font/TriangleList.h"

#include <algorithm>

namespace vyr {

TriangleList::TriangleList(OutlineVectorizer* vectorizer, int reportErrors)
    : TriangleCollector(vectorizer, reportErrors) {}

TriangleList::~TriangleList() = default;

void TriangleList::triangle(ContourPoint* a, ContourPoint* b, ContourPoint* c) {
    if (scratch_ != nullptr) {
        scratch_->push_back(Triangle{a, b, c});
        ++triangleCount;
        return;
    }
    // The store pass writes only what the count pass made room for.
    if (!countOnly && triangleCount < capacity_)
        triangles[triangleCount] = Triangle{a, b, c};
    ++triangleCount;
}

void TriangleList::reserve() {
    capacity_ = triangleCount + 1;
    // Rebuilds of the same text find their arrays in place instead of going back to malloc.
    if (triangles == nullptr || allocated_ < capacity_) {
        triangles.reset();
        triangles = std::make_unique<Triangle[]>(capacity_);
        allocated_ = capacity_;
    }
}

bool TriangleList::build() {
    countOnly = 1;
    triangleCount = 0;
    const bool result = triangulate();
    countOnly = 0;
    reserve();
    triangleCount = 0;
    triangulate();
    // A second run that disagreed with the first keeps only the triangles it could store.
    if (triangleCount > capacity_)
        triangleCount = capacity_;
    return result;
}

bool TriangleList::buildInOnePass() {
    // One scratch buffer per thread serves every list; it only grows.
    thread_local std::vector<Triangle> scratch;
    scratch.clear();
    scratch_ = &scratch;
    triangleCount = 0;
    const bool result = triangulate();
    scratch_ = nullptr;
    assign(scratch.data(), static_cast<int>(scratch.size()));
    return result;
}

void TriangleList::assign(const Triangle* from, int count) {
    countOnly = 0;
    triangleCount = count;
    reserve();
    std::copy(from, from + count, triangles.get());
}

void TriangleList::clear() {
    triangleCount = 0;
    countOnly = 1;
    capacity_ = 0;
    setGlyph(nullptr);
}

}  // namespace vyr
