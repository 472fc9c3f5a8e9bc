#include "text/OutlineMerge.h"

#include <cmath>
#include <polyclipping/clipper.hpp>
#include <vector>

#include "font/OutlineVectorizer.h"

namespace vyr {

namespace {

// Clipper works on integers; glyph pixels to 1/65536 keep coordinates of a few thousand
// pixels well inside its fast range.
constexpr double kScale = 65536.0;

Contour toContour(const ClipperLib::Path& path, bool clockwise) {
    Contour c;
    // Clipper's orientation: true when the signed area is positive (counter-clockwise).
    const bool reverse = ClipperLib::Orientation(path) == clockwise;
    const int n = static_cast<int>(path.size());
    for (int j = 0; j < n; ++j) {
        const ClipperLib::IntPoint& p = path[reverse ? n - 1 - j : j];
        c.addPoint(double(p.X) / kScale, double(p.Y) / kScale);
    }
    c.finish();
    return c;
}

// An outer contour, then its holes; islands inside the holes follow as outer contours.
void collect(const ClipperLib::PolyNode& outer, std::vector<Contour>& out) {
    if (outer.Contour.size() < 3)
        return;
    out.push_back(toContour(outer.Contour, true));
    for (const ClipperLib::PolyNode* hole : outer.Childs) {
        if (hole->Contour.size() >= 3)
            out.push_back(toContour(hole->Contour, false));
    }
    for (const ClipperLib::PolyNode* hole : outer.Childs) {
        for (const ClipperLib::PolyNode* island : hole->Childs)
            collect(*island, out);
    }
}

}  // namespace

void mergeOutline(OutlineVectorizer& outline) {
    ClipperLib::Paths paths;
    for (int k = 0; k < outline.contourCount(); ++k) {
        const Contour& c = *outline.contour(k);
        ClipperLib::Path path;
        path.reserve(size_t(c.count));
        for (int j = 0; j < c.count; ++j) {
            path.push_back({ClipperLib::cInt(std::llround(c[j].x * kScale)),
                            ClipperLib::cInt(std::llround(c[j].y * kScale))});
        }
        paths.push_back(std::move(path));
    }
    ClipperLib::Clipper clipper;
    clipper.StrictlySimple(true);
    clipper.AddPaths(paths, ClipperLib::ptSubject, true);
    ClipperLib::PolyTree tree;
    std::vector<Contour> merged;
    if (clipper.Execute(ClipperLib::ctUnion, tree, ClipperLib::pftNonZero,
                        ClipperLib::pftNonZero)) {
        for (const ClipperLib::PolyNode* outer : tree.Childs)
            collect(*outer, merged);
    }
    outline.setContours(std::move(merged));
}

}  // namespace vyr
