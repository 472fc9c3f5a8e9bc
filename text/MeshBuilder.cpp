// The mesh build: glyph outlines placed along the text, bent by the filters, inset for the
// bevel and triangulated front and back.

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <vector>

#include "core/Utf8.h"
#include "core/WorkerPool.h"
#include "text/FallbackFont.h"
#include "text/Filters.h"
#include "text/FontCache.h"
#include "text/FontLocator.h"
#include "text/GlyphMeshCache.h"
#include "text/MeshGeometry.h"
#include "text/Shaper.h"
#include "text/SoundInset.h"
#include "text/Text.h"

namespace vyr {

namespace {

constexpr double kPointSize = 220.0;
// Characters handed to a thread at a time: enough to outweigh the scheduling, few enough to
// balance the work over the cores.
constexpr size_t kCharactersPerTask = 4;
// Below this many characters a build stays on the calling thread: a line builds in about a
// millisecond, and on a busy machine waiting for a descheduled helper would cost more.
constexpr size_t kParallelFrom = 128;
// Truncation towards zero into a 32-bit integer, saturating instead of overflowing.
int truncateToInt(double v) {
    if (!(v > std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (!(v < std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(v);
}

// What every character's placement shares: the text's extent and width, the filters and
// the bevel width.
struct Placement {
    double shift = 0.0;
    int yMin = 0;
    int yMax = 0;
    double width = 0.0;
    int filter1 = kFilterNone;
    int filter2 = kFilterNone;
    float bevelWidth = 0.0f;
    bool bevelOn = true;
    unsigned shapeEpoch = 0;
};

template <class T>
uint64_t bitsOf(T v) {
    if constexpr (sizeof(T) == 8)
        return std::bit_cast<uint64_t>(v);
    else
        return std::bit_cast<uint32_t>(v);
}

// Everything buildCharacter reads, bit for bit: equal inputs give an equal entry, so a
// character whose inputs are those it was built from is not built again. (A field added to
// Placement or read from the entry belongs here too.)
std::array<uint64_t, 9> inputsOf(const TextMeshEntry& e, const GlyphShape& shape,
                                 const Placement& at) {
    return {
        reinterpret_cast<uintptr_t>(&shape),
        bitsOf(e.code) | uint64_t(at.shapeEpoch) << 32,
        bitsOf(e.xOffset),
        bitsOf(e.yOffset),
        bitsOf(at.shift),
        bitsOf(at.yMin) | bitsOf(at.yMax) << 32,
        bitsOf(at.width),
        bitsOf(at.filter1) | bitsOf(at.filter2) << 32,
        // The top bit marks a built entry, told apart from a new one.
        bitsOf(at.bevelWidth) | uint64_t(e.hasGlyph) << 32 | uint64_t(e.vectorised) << 33 |
            uint64_t(at.bevelOn) << 34 | uint64_t(1) << 63,
    };
}

// Everything a character needs once its offset along the text is known: its outline copied
// from the glyph shape, the front triangles, the vertical placement, the offset and the
// filters, the inset with its soundness check and the back face. Reads nothing of the other
// characters, so the characters of a text can be built in any order and on any thread with the same
// result.
void buildCharacter(TextMeshEntry& e, const GlyphShape& shape, const Placement& at) {
    const std::array<uint64_t, 9> inputs = inputsOf(e, shape, at);
    if (inputs == e.builtFrom)
        return;
    e.builtFrom = inputs;
    e.front->clear();
    e.back->clear();
    OutlineVectorizer& v = *e.outline;
    v.copyContoursFrom(shape.outline);
    if (!e.vectorised) {
        e.records.clear();
        e.bevelFit = BevelFit::kPlain;
        return;
    }

    // Front triangles on the raw outline: they refer to the points and so follow every later
    // change of them.
    e.records.assign(static_cast<size_t>(shape.pointCount), VertexRecord{});
    thread_local std::vector<ContourPoint*> corners;
    thread_local std::vector<Triangle> triangles;
    corners.clear();
    VertexRecord* record = e.records.data();
    for (int k = 0; k < v.contourCount(); ++k) {
        Contour& contour = *v.contour(k);
        for (int j = 0; j < contour.count; ++j) {
            contour[j].user = record++;
            corners.push_back(&contour[j]);
        }
    }
    triangles.clear();
    for (const auto& t : shape.front)
        triangles.push_back({corners[t[0]], corners[t[1]], corners[t[2]]});
    e.front->assign(triangles.data(), static_cast<int>(triangles.size()));

    // Place, filter, inset, triangulate the back face. (A first line adds no y at all, so
    // that its points keep the sign of a zero.)
    const double xOffset = e.xOffset;
    for (int k = 0; k < v.contourCount(); ++k) {
        Contour& contour = *v.contour(k);
        const int count = contour.count;
        for (int j = 0; j < count; ++j)
            contour[j].y -= at.shift;
        if (e.yOffset != 0.0) {
            for (int j = 0; j < count; ++j)
                contour[j].y += e.yOffset;
        }
        for (int j = 0; j < count; ++j) {
            const ContourPoint& point = contour[j];
            VertexRecord& r = *point.user;
            const VertexRecord& previous = *contour[j == 0 ? count - 1 : j - 1].user;
            r.position = {point.x + xOffset, point.y, 0.0};
            if (at.filter1 != kFilterNone) {
                applyFilter(at.filter1, r, point, previous, xOffset, at.yMin, at.yMax, j, count,
                            at.width);
            }
            if (at.filter2 != kFilterNone) {
                applyFilter(at.filter2, r, point, previous, xOffset, at.yMin, at.yMax, j, count,
                            at.width);
            }
        }
    }
    // The inset, its soundness check and the back face. Only a bevelled solid shows the
    // inset; without one the plain inset is kept as is.
    e.bevelFit = insetCharacter(e, at.bevelWidth, at.bevelOn);
}

// The shape of a line break, and of a character no font has: no glyph.
const GlyphShape kNoGlyph;

// A glyph placed on its line: its shape, the character it shows (by its index in the text),
// the glyph index a shaper chose, its font (see TextMeshEntry::font), its line and its
// position there (x from the line's start, y up).
struct Placed {
    const GlyphShape* shape;
    uint32_t source;
    uint32_t glyph;
    int font;
    size_t line;
    double x, y;
};

// The placed glyphs, and per line the sum of its advances (`lengths`, which the alignment
// uses) and its width as a text of one line has it (`widths`: in the simple layout only the
// vectorised characters' advances, summed in single precision).
struct Layout {
    std::vector<Placed> glyphs;
    std::vector<double> lengths, widths;
    TextDirection direction = TextDirection::kLeftToRight;
};

bool endsLine(std::u32string_view codes, size_t i) {
    return codes[i] == U'\n' ||
           (codes[i] == U'\r' && i + 1 < codes.size() && codes[i + 1] == U'\n');
}

// Each character at the previous one's advance; a line's width sums the advances of its
// vectorised characters in single precision. A line break is an entry without a glyph, and so
// is a character no font has.
Layout placeSimply(std::u32string_view codes, const std::vector<int>& fonts,
                   const std::vector<FontSource>& sources) {
    // Each font's new shapes are computed over the cores before the characters are placed.
    std::vector<std::u32string> ofFont(sources.size());
    for (size_t i = 0; i < codes.size(); ++i) {
        if (fonts[i] > 0)
            ofFont[fonts[i]] += codes[i];
    }
    sources[0].shapes->prepare(codes, *sources[0].font);
    for (size_t f = 1; f < sources.size(); ++f)
        sources[f].shapes->prepare(ofFont[f], *sources[f].font);
    Layout out;
    out.glyphs.reserve(codes.size());
    float width = 0.0f;
    double pen = 0.0;
    for (size_t i = 0; i < codes.size(); ++i) {
        const size_t line = out.lengths.size();
        const auto source = static_cast<uint32_t>(i);
        if (endsLine(codes, i)) {
            out.glyphs.push_back({&kNoGlyph, source, 0, 0, line, pen, 0.0});
            if (codes[i] == U'\n') {
                out.widths.push_back(width);
                out.lengths.push_back(pen);
                width = 0.0f;
                pen = 0.0;
            }
            continue;
        }
        const int f = fonts[i];
        const GlyphShape& s =
            f < 0 ? kNoGlyph
                  : sources[f].shapes->shape(static_cast<int>(codes[i]), *sources[f].font);
        out.glyphs.push_back({&s, source, 0, f, line, pen, 0.0});
        if (s.glyph != nullptr && s.vectorised)
            width = static_cast<float>(width + s.outline.advance());
        if (s.glyph != nullptr)
            pen += s.outline.advance();
    }
    out.widths.push_back(width);
    out.lengths.push_back(pen);
    return out;
}

// A run of a line shaped in one font.
struct Run {
    int font;
    std::vector<ShapedGlyph> glyphs;
};

// Each line shaped on its own, in runs of the characters of one font (a character no font
// has is left out); a right-to-left line puts its runs from right to left. A line's width is
// the sum of its glyphs' advances. Glyph 0 (the font has no glyph) keeps its advance but
// shows nothing.
Layout shapeLines(std::u32string_view codes, const TextParameters& p, const std::vector<int>& fonts,
                  const std::vector<FontSource>& sources) {
    std::vector<std::vector<Run>> lines;
    std::vector<std::vector<uint32_t>> indices(sources.size());
    Layout out;
    for (size_t begin = 0, end = 0; begin <= codes.size(); begin = end + 1) {
        end = begin;
        while (end < codes.size() && codes[end] != U'\n')
            ++end;
        size_t last = end;
        if (last > begin && codes[last - 1] == U'\r')
            --last;
        std::vector<Run>& runs = lines.emplace_back();
        // Runs of one font and one direction; a direction chosen by the user holds for all.
        std::vector<TextDirection> directions = scriptDirections(codes, begin, last);
        if (p.direction != TextDirection::kAuto)
            std::fill(directions.begin(), directions.end(), p.direction);
        const auto directionAt = [&](size_t i) { return directions[i - begin]; };
        const TextDirection direction =
            directions.empty() ? TextDirection::kLeftToRight : directions.front();
        for (size_t from = begin, to = begin; from < last; from = to) {
            while (to < last && fonts[to] == fonts[from] && directionAt(to) == directionAt(from))
                ++to;
            if (fonts[from] < 0)
                continue;
            const FontSource& source = sources[fonts[from]];
            runs.push_back({fonts[from], source.shaper->shape(codes, from, to, directionAt(from),
                                                              p.language, p.features)});
            for (const ShapedGlyph& g : runs.back().glyphs)
                indices[fonts[from]].push_back(g.index);
        }
        if (direction == TextDirection::kRightToLeft)
            std::reverse(runs.begin(), runs.end());
        if (lines.size() == 1)
            out.direction = direction;
    }
    for (size_t f = 0; f < sources.size(); ++f)
        sources[f].shapes->prepareGlyphs(indices[f], *sources[f].font);
    for (size_t line = 0; line < lines.size(); ++line) {
        double pen = 0.0;
        for (const Run& run : lines[line]) {
            const FontSource& source = sources[run.font];
            const double scale = source.font->pixelsPerUnit();
            for (const ShapedGlyph& g : run.glyphs) {
                const GlyphShape* s =
                    g.index == 0 ? &kNoGlyph : &source.shapes->glyphShape(g.index, *source.font);
                out.glyphs.push_back({s, g.cluster, g.index, run.font, line,
                                      pen + g.xOffset * scale, g.yOffset * scale});
                pen += g.xAdvance * scale;
            }
        }
        out.lengths.push_back(pen);
        out.widths.push_back(pen);
    }
    return out;
}

}  // namespace

std::vector<int> Text::chooseFonts(std::u32string_view codes, GlyphListFont& font,
                                   std::vector<FontSource>& sources) {
    // Another font of the text asks fontconfig again: it may have other characters.
    if (fallbackGeneration_ != fontCache_->generation()) {
        fallbackFor_.clear();
        fallbackGeneration_ = fontCache_->generation();
    }
    std::vector<int> fonts(codes.size(), 0);
    for (size_t i = 0; i < codes.size(); ++i) {
        // Latin-1 always comes from the text's font, as it always has (a code it lacks shows
        // its missing-glyph box).
        const char32_t c = codes[i];
        if (c <= 0xFF || font.face()->glyphIndex(static_cast<int>(c)) != 0)
            continue;
        auto [choice, fresh] = fallbackFor_.try_emplace(c, -1);
        if (fresh)
            choice->second = fallbackIndex(c);
        fonts[i] = choice->second < 0 ? -1 : choice->second + 1;
    }
    for (const auto& fallback : fallbacks_) {
        GlyphListFont* opened = fallback->fonts.fontFor(fallback->file, kPointSize, fallback->face);
        fallback->shapes.use(fallback->fonts.generation(), parameters.precision);
        sources.push_back({opened, &fallback->shapes, &fallback->shaper});
    }
    return fonts;
}

int Text::fallbackIndex(char32_t c) {
    const std::optional<FontFaceFile> chosen = fontForCharacter(c);
    if (!chosen)
        return -1;
    for (size_t k = 0; k < fallbacks_.size(); ++k) {
        if (fallbacks_[k]->file == chosen->file && fallbacks_[k]->face == chosen->face)
            return static_cast<int>(k);
    }
    auto fallback = std::make_unique<FallbackFont>();
    fallback->file = chosen->file;
    fallback->face = chosen->face;
    if (fallback->fonts.fontFor(chosen->file, kPointSize, chosen->face) == nullptr ||
        !fallback->shaper.open(chosen->file, chosen->face))
        return -1;
    fallbacks_.push_back(std::move(fallback));
    return static_cast<int>(fallbacks_.size() - 1);
}

GlyphListFont* Text::openFont(BuildResult& failure) {
    // The lookup (a folder scan, fontconfig) runs again only when the font's location or the
    // folder changed, or the file it found is gone.
    std::error_code ec;
    const std::string fontPath = parameters.fontPath();
    const std::string& fontsFolder = parameters.fontsFolder;
    if (fontPath != lookedUpPath_ || fontsFolder != lookedUpFolder_ || resolvedFont_.empty() ||
        !std::filesystem::is_regular_file(resolvedFont_, ec)) {
        resolvedFont_ = resolveFontPath(fontPath, fontsFolder).value_or(std::string());
        lookedUpPath_ = fontPath;
        lookedUpFolder_ = fontsFolder;
    }
    if (resolvedFont_.empty()) {
        failure = {false, "cannot find the font \"" + fontPath + "\" (fonts folder \"" +
                              fontsFolder + "\")"};
        return nullptr;
    }
    if (!fontCache_)
        fontCache_ = std::make_unique<FontCache>();
    GlyphListFont* font = fontCache_->fontFor(resolvedFont_, kPointSize, parameters.faceIndex);
    if (font == nullptr)
        failure = {false, "cannot open \"" + resolvedFont_ + "\" as a TrueType font"};
    return font;
}

BuildResult Text::buildMesh() {
    const auto start = std::chrono::steady_clock::now();
    const TextParameters& p = parameters;
    const size_t n = codePointCount(p.text);
    if (n > TextParameters::kMaxTextLength) {
        return {false, "the text has " + std::to_string(n) + " characters; at most " +
                           std::to_string(TextParameters::kMaxTextLength) + " can be built"};
    }
    const std::u32string codes = decodeUtf8(p.text);

    BuildResult failure;
    GlyphListFont* font = openFont(failure);
    if (font == nullptr)
        return failure;

    // From here on the build cannot fail: the new mesh is built in place of the old one,
    // whose arrays it reuses (a rebuild of the same text allocates almost nothing).
    TextMesh& m = mesh_;
    m.width = 0.0f;
    m.minY = 1e20;
    m.maxY = -1e20;

    // The shape of each character code or glyph (flattened outline, front triangles) is
    // computed once and copied for every occurrence. Glyphs load on this thread; the font is
    // not shared.
    if (!glyphCache_)
        glyphCache_ = std::make_unique<GlyphMeshCache>();
    glyphCache_->use(fontCache_->generation(), p.precision);
    if (!shaper_)
        shaper_ = std::make_unique<Shaper>();
    std::vector<FontSource> sources{{font, glyphCache_.get(), shaper_.get()}};
    const std::vector<int> fonts = chooseFonts(codes, *font, sources);
    unsigned shapeEpoch = glyphCache_->epoch();
    for (const auto& fallback : fallbacks_)
        shapeEpoch += fallback->shapes.epoch();
    // A font HarfBuzz cannot read (FreeType could) is placed simply.
    const Layout layout =
        p.layout == TextLayout::kShaped && shaper_->open(resolvedFont_, p.faceIndex)
            ? shapeLines(codes, p, fonts, sources)
            : placeSimply(codes, fonts, sources);
    const std::vector<Placed>& placed = layout.glyphs;
    const std::vector<double>& lengths = layout.lengths;
    m.direction = layout.direction;
    const size_t count = placed.size();
    m.entries.resize(count);
    std::vector<const GlyphShape*> shapes(count);
    // Each line is moved by the room the alignment leaves it, and down by its line steps.
    m.lineCount = static_cast<int>(lengths.size());
    double widest = 0.0;
    for (const double w : lengths)
        widest = std::max(widest, w);
    const double lineStep = font->lineHeight() * p.lineSpacing;
    double firstMinY = 1e20, firstMaxY = -1e20;
    for (size_t i = 0; i < count; ++i) {
        const Placed& g = placed[i];
        TextMeshEntry& e = m.entries[i];
        if (!e.outline) {
            e.outline = std::make_unique<OutlineVectorizer>();
            e.front = std::make_unique<TriangleList>(e.outline.get(), 0);
            e.back = std::make_unique<TriangleList>(e.outline.get(), 0);
        }
        e.code = static_cast<int>(codes[g.source]);
        e.source = g.source;
        e.glyph = g.glyph;
        e.font = g.font;
        shapes[i] = g.shape;
        e.hasGlyph = g.shape->glyph != nullptr;
        e.vectorised = e.hasGlyph && g.shape->vectorised;
        e.outlineMerged = e.vectorised && g.shape->merged;
        e.xOffset = g.x;
        e.yOffset = g.y;
        if (p.alignment != TextAlignment::kLeft) {
            const double room = widest - lengths[g.line];
            e.xOffset += p.alignment == TextAlignment::kCenter ? room / 2.0 : room;
        }
        if (g.line > 0)
            e.yOffset -= static_cast<double>(g.line) * lineStep;
        if (e.vectorised) {
            m.minY = std::min(m.minY, e.yOffset != 0.0 ? g.shape->minY + e.yOffset : g.shape->minY);
            m.maxY = std::max(m.maxY, e.yOffset != 0.0 ? g.shape->maxY + e.yOffset : g.shape->maxY);
            if (g.line == 0) {
                firstMinY = std::min(firstMinY, g.shape->minY);
                firstMaxY = std::max(firstMaxY, g.shape->maxY);
            }
        }
    }
    m.width = static_cast<float>(m.lineCount == 1 ? layout.widths[0] : widest);

    Placement at;
    // A line is placed by its own extent; more lines are centred around where the first one
    // alone would be.
    at.shift = m.lineCount == 1 || firstMinY > firstMaxY
                   ? verticalShift(m.minY, m.maxY)
                   : verticalShift(firstMinY, firstMaxY) - (m.lineCount - 1) * lineStep / 2.0;
    at.yMin = truncateToInt(m.minY);
    at.yMax = truncateToInt(m.maxY);
    at.width = m.width;
    at.filter1 = p.filter1;
    at.filter2 = p.filter2;
    at.bevelWidth = p.bevelWidth;
    at.bevelOn = p.bevelOn;
    at.shapeEpoch = shapeEpoch;
    // Each character writes only its own entry; the chunks only decide which thread does it.
    WorkerPool::shared().forEach(count, count < kParallelFrom ? count : kCharactersPerTask,
                                 [&](size_t begin, size_t end) {
                                     for (size_t i = begin; i != end; ++i)
                                         buildCharacter(m.entries[i], *shapes[i], at);
                                 });

    m.entryCount = static_cast<int>(count);
    openedFontFile_ = resolvedFont_;
    ++buildGeneration_;
    lastBuildMs_ =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return {};
}

}  // namespace vyr
