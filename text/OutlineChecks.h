#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace vyr {

class Contour;
class OutlineVectorizer;
class TriangleList;

/// One edge of a set of closed polygons: from point `index` of contour `contour` (of
/// `contourSize` points) to the next point round that contour.
struct OutlineEdge {
    double ax, ay, bx, by;
    int contour;
    int index;
    int contourSize;
};

/// Finds pairs of edges (indices into the edge list) that meet, apart from neighbours on the
/// same contour. Strict: only edges crossing at a point inside both; otherwise also edges that
/// touch or overlap. A sweep over the edges sorted by their smallest x, so a glyph's few
/// hundred edges cost little more than the sort. Keeps its buffers from one call to the next.
class CrossingFinder {
  public:
    /// The pairs found, at most `limit` of them.
    const std::vector<std::pair<int, int>>& find(const std::vector<OutlineEdge>& edges, bool strict,
                                                 std::size_t limit = std::size_t(-1));

  private:
    struct Span {
        double minX, maxX, minY, maxY;
        int edge;
    };
    std::vector<Span> spans_;
    std::vector<std::pair<int, int>> found_;
};

/// Appends the edges of a contour, read from its points' x, y.
void appendEdges(const Contour& contour, int contourIndex, std::vector<OutlineEdge>& edges);

/// Whether the triangles of a face cover exactly the area its contours enclose (holes left
/// out), judged from the points' x, y: no triangles missing, none overlapping or inverted.
bool faceFills(const TriangleList& face, const OutlineVectorizer& outline);

/// Whether a glyph's flattened outline bounds a face the tessellator can fill and the walls
/// can close: every contour has an area, no two contours or edges cross, and every hole lies
/// inside an outer contour.
bool outlineIsClean(const OutlineVectorizer& outline);

}  // namespace vyr
