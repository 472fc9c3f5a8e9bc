#include "text/GlyphMeshCache.h"

#include <algorithm>
#include <cstring>

#include "core/WorkerPool.h"
#include "font/GlyphListFont.h"
#include "font/TriangleList.h"
#include "text/OutlineChecks.h"
#include "text/OutlineMerge.h"

namespace vyr {

void GlyphMeshCache::use(unsigned fontGeneration, double precision) {
    // Bitwise comparison, so that a NaN precision does not empty the cache on every build.
    if (!empty_ && fontGeneration == fontGeneration_ &&
        std::memcmp(&precision, &precision_, sizeof precision) == 0)
        return;
    for (auto& s : shapes_)
        s.reset();
    others_.clear();
    byIndex_.clear();
    ++epoch_;
    fontGeneration_ = fontGeneration;
    precision_ = precision;
    empty_ = false;
}

std::unique_ptr<GlyphShape>& GlyphMeshCache::slot(char32_t code) {
    return code < shapes_.size() ? shapes_[code] : others_[code];
}

bool GlyphMeshCache::fill(std::unique_ptr<GlyphShape>& slot, const FontGlyph* glyph) {
    slot = std::make_unique<GlyphShape>();
    slot->glyph = glyph;
    return glyph != nullptr;
}

const GlyphShape& GlyphMeshCache::shape(int code, GlyphListFont& font) {
    std::unique_ptr<GlyphShape>& s = slot(static_cast<char32_t>(code));
    if (!s && fill(s, font.glyph(code)))
        complete(*s, precision_);
    return *s;
}

void GlyphMeshCache::prepare(std::u32string_view codes, GlyphListFont& font) {
    // The new codes in the order of their first use, loaded here: the glyph set is not
    // shared between threads.
    std::vector<GlyphShape*> fresh;
    std::array<bool, 256> seen{};
    const auto add = [&](char32_t code) {
        std::unique_ptr<GlyphShape>& s = slot(code);
        if (!s && fill(s, font.glyph(static_cast<int>(code))))
            fresh.push_back(s.get());
    };
    for (const char32_t c : codes) {
        if (c < seen.size())
            seen[c] = true;
        else
            add(c);
    }
    for (char32_t code = 0; code < seen.size(); ++code) {
        if (seen[code])
            add(code);
    }
    completeAll(fresh);
}

void GlyphMeshCache::completeAll(const std::vector<GlyphShape*>& fresh) const {
    // Worth the other threads only for many new shapes (a font's first long text).
    const size_t grain = fresh.size() < 32 ? fresh.size() : 2;
    WorkerPool::shared().forEach(fresh.size(), grain, [&](size_t begin, size_t end) {
        for (size_t i = begin; i != end; ++i)
            complete(*fresh[i], precision_);
    });
}

void GlyphMeshCache::prepareGlyphs(const std::vector<uint32_t>& indices, GlyphListFont& font) {
    std::vector<GlyphShape*> fresh;
    for (const uint32_t index : indices) {
        std::unique_ptr<GlyphShape>& s = byIndex_[index];
        if (!s && fill(s, font.glyphAt(index)))
            fresh.push_back(s.get());
    }
    completeAll(fresh);
}

const GlyphShape& GlyphMeshCache::glyphShape(uint32_t index, GlyphListFont& font) {
    std::unique_ptr<GlyphShape>& s = byIndex_[index];
    if (!s && fill(s, font.glyphAt(index)))
        complete(*s, precision_);
    return *s;
}

void GlyphMeshCache::complete(GlyphShape& s, double precision) {
    s.outline.setPrecision(precision);
    if (!s.outline.init(s.glyph))
        return;
    s.outline.vectorize();
    s.vectorised = true;
    // Contours that cross or holes that no outer contour claims leave the face unfilled and the
    // solid open; such a glyph is built from the outline of the area the font fills instead.
    // The face itself is checked too, for what the outline check cannot see.
    s.merged = !outlineIsClean(s.outline);
    if (s.merged)
        mergeOutline(s.outline);
    TriangleList list(&s.outline, 0);
    list.setGlyph(s.glyph);
    list.buildInOnePass();
    if (!s.merged && !faceFills(list, s.outline)) {
        s.merged = true;
        mergeOutline(s.outline);
        list.buildInOnePass();
    }
    for (int k = 0; k < s.outline.contourCount(); ++k) {
        const Contour& c = *s.outline.contour(k);
        for (int j = 0; j < c.count; ++j) {
            s.minY = std::min(s.minY, c[j].y);
            s.maxY = std::max(s.maxY, c[j].y);
        }
        s.pointCount += c.count;
    }
    // Corner pointers become indices: find the contour whose point array holds the corner.
    std::vector<int> first(s.outline.contourCount());
    for (int k = 0, total = 0; k < s.outline.contourCount(); ++k) {
        first[k] = total;
        total += s.outline.contour(k)->count;
    }
    auto indexOf = [&](const ContourPoint* p) {
        for (int k = 0; k < s.outline.contourCount(); ++k) {
            const Contour& c = *s.outline.contour(k);
            if (p >= c.points.get() && p < c.points.get() + c.count) {
                return first[k] + static_cast<int>(p - c.points.get());
            }
        }
        return -1;
    };
    s.front.reserve(list.triangleCount);
    for (int t = 0; t < list.triangleCount; ++t) {
        const Triangle& tri = list[t];
        s.front.push_back({indexOf(tri.a), indexOf(tri.b), indexOf(tri.c)});
    }
}

}  // namespace vyr
