// The mesh build: glyph outlines placed along the text, bent by the filters, inset for the
// bevel and triangulated front and back.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>

#include "text/CText.h"
#include "text/Filters.h"
#include "text/FontCache.h"
#include "text/FontLocator.h"
#include "text/GlyphMeshCache.h"
#include "text/MeshGeometry.h"
#include "text/SoundInset.h"

namespace vyr {

namespace {

constexpr double kPointSize = 220.0;
// Truncation towards zero into a 32-bit integer, saturating instead of overflowing.
int truncateToInt(double v) {
    if (!(v > std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (!(v < std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(v);
}

}  // namespace

BuildResult CText::buildMesh() {
    const std::string chars = text;
    const size_t n = chars.size();

    // The lookup (a folder scan, fontconfig) runs again only when the stored path or folder
    // changed, or the file it found is gone.
    std::error_code ec;
    if (fontPath != lookedUpPath_ || fontsFolder != lookedUpFolder_ || resolvedFont_.empty() ||
        !std::filesystem::is_regular_file(resolvedFont_, ec)) {
        resolvedFont_ = resolveFontPath(fontPath, fontsFolder).value_or(std::string());
        lookedUpPath_ = fontPath;
        lookedUpFolder_ = fontsFolder;
    }
    if (resolvedFont_.empty()) {
        return {false,
                "cannot find the font \"" + fontPath + "\" (fonts folder \"" + fontsFolder + "\")"};
    }
    if (!fontCache_)
        fontCache_ = std::make_unique<FontCache>();
    GlyphListFont* font = fontCache_->fontFor(resolvedFont_, kPointSize);
    if (font == nullptr)
        return {false, "cannot open \"" + resolvedFont_ + "\" as a TrueType font"};

    TextMesh m;
    m.entries.resize(n);
    for (size_t i = 0; i < n; ++i) {
        TextMeshEntry& e = m.entries[i];
        e.code = static_cast<unsigned char>(chars[i]);
        e.outline = std::make_unique<OutlineVectorizer>();
        e.front = std::make_unique<TriangleList>(e.outline.get(), 0);
        e.back = std::make_unique<TriangleList>(e.outline.get(), 0);
    }

    // First pass: flatten, measure, triangulate the front face on the raw outline. The shape
    // of each character code is computed once and copied for every occurrence.
    if (!glyphCache_)
        glyphCache_ = std::make_unique<GlyphMeshCache>();
    glyphCache_->use(fontCache_->generation(), precision);
    std::vector<ContourPoint*> corners;
    std::vector<Triangle> triangles;
    for (TextMeshEntry& e : m.entries) {
        const GlyphShape& shape = glyphCache_->shape(e.code, *font);
        if (shape.glyph == nullptr)
            continue;
        e.hasGlyph = true;
        OutlineVectorizer& v = *e.outline;
        v.copyContoursFrom(shape.outline);
        if (!shape.vectorised)
            continue;
        e.vectorised = true;
        e.outlineMerged = shape.merged;
        m.width = static_cast<float>(m.width + v.advance());
        e.records.resize(v.pointCount());
        corners.clear();
        VertexRecord* record = e.records.data();
        for (int k = 0; k < v.contourCount(); ++k) {
            Contour& contour = *v.contour(k);
            for (int j = 0; j < contour.count; ++j) {
                m.minY = std::min(m.minY, contour[j].y);
                m.maxY = std::max(m.maxY, contour[j].y);
                contour[j].user = record++;
                corners.push_back(&contour[j]);
            }
        }
        triangles.clear();
        for (const auto& t : shape.front) {
            triangles.push_back({corners[t[0]], corners[t[1]], corners[t[2]]});
        }
        e.front->assign(triangles.data(), static_cast<int>(triangles.size()));
    }

    // Vertical placement.
    const double shift = verticalShift(m.minY, m.maxY);
    for (TextMeshEntry& e : m.entries) {
        for (int k = 0; k < e.contourCount(); ++k) {
            Contour& contour = *e.outline->contour(k);
            for (int j = 0; j < contour.count; ++j)
                contour[j].y -= shift;
        }
    }

    // Second pass: place along x, filter, inset, triangulate the back face.
    const int yMin = truncateToInt(m.minY);
    const int yMax = truncateToInt(m.maxY);
    const double width = m.width;
    const bool filterOne = filter1 != kFilterNone;
    const bool filterTwo = filter2 != kFilterNone;
    double xOffset = 0.0;
    for (TextMeshEntry& e : m.entries) {
        e.xOffset = xOffset;
        for (int k = 0; k < e.contourCount(); ++k) {
            Contour& contour = *e.outline->contour(k);
            const int count = contour.count;
            for (int j = 0; j < count; ++j) {
                const ContourPoint& point = contour[j];
                VertexRecord& r = *point.user;
                const VertexRecord& previous = *contour[j == 0 ? count - 1 : j - 1].user;
                r.position = {point.x + xOffset, point.y, 0.0};
                if (filterOne) {
                    applyFilter(filter1, r, point, previous, xOffset, yMin, yMax, j, count, width);
                }
                if (filterTwo) {
                    applyFilter(filter2, r, point, previous, xOffset, yMin, yMax, j, count, width);
                }
                r.normal = {0.0, 0.0, -1.0};
            }
        }
        // Only a bevelled solid shows the inset; without one the plain inset is kept as is.
        e.bevelFit = insetCharacter(e, bevelWidth, bevelOn != 0);
        xOffset += e.outline->advance();
    }

    m.entryCount = static_cast<int>(n);
    mesh_ = std::move(m);
    openedFontFile_ = resolvedFont_;
    ++buildGeneration_;
    return {};
}

}  // namespace vyr
