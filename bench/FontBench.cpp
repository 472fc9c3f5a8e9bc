// Cost of the font layer for one mesh build: opening the face, flattening and triangulating
// single glyphs and a whole line, and the full path from the font file to the triangles.
//
// Run with --benchmark_repetitions=5 --benchmark_report_aggregates_only=true for medians.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "font/FontFace.h"
#include "font/GlyphListFont.h"
#include "font/OutlineVectorizer.h"
#include "font/TriangleList.h"

namespace {

using namespace vyr;

constexpr const char* kFontPath = VYR_BENCH_FONT_DEJAVU;
constexpr double kPointSize = 220.0;
constexpr double kPrecision = 18.0;
const std::string kLine = "The quick brown fox jumps over the lazy dog 0123456789 ABCDEFG";

// What the mesh builder does for one character's front face. Returns the triangle count.
int vectorizeAndTriangulate(const FontGlyph* glyph) {
    OutlineVectorizer v;
    v.setPrecision(kPrecision);
    if (!v.init(glyph))
        return 0;
    v.vectorize();
    TriangleList front(&v);
    front.setGlyph(glyph);
    front.build();
    return front.triangleCount;
}

// A face and its glyph font, with the glyphs the benchmark needs already loaded.
struct OpenFont {
    OpenFont() : font(&face) {
        ok = face.open(kFontPath) == 1 && font.create(kPointSize) == 1;
        if (ok) {
            for (char ch : kLine + "@")
                font.glyph(static_cast<unsigned char>(ch));
        }
    }
    FontFace face;
    GlyphListFont font;
    bool ok = false;
};

void BM_OpenFace(benchmark::State& state) {
    for (auto _ : state) {
        FontFace face;
        if (!face.open(kFontPath)) {
            state.SkipWithError("cannot open the font");
            break;
        }
        benchmark::DoNotOptimize(face.glyphIndex('A'));
    }
}
BENCHMARK(BM_OpenFace)->Unit(benchmark::kMicrosecond);

void BM_AtSign(benchmark::State& state) {
    OpenFont f;
    if (!f.ok) {
        state.SkipWithError("cannot open the font");
        return;
    }
    const FontGlyph* glyph = f.font.glyph('@');
    int triangles = 0;
    for (auto _ : state) {
        triangles = vectorizeAndTriangulate(glyph);
        benchmark::DoNotOptimize(triangles);
    }
    state.counters["triangles"] = triangles;
}
BENCHMARK(BM_AtSign)->Unit(benchmark::kMicrosecond);

void BM_Line(benchmark::State& state) {
    OpenFont f;
    if (!f.ok) {
        state.SkipWithError("cannot open the font");
        return;
    }
    std::vector<const FontGlyph*> glyphs;
    for (char ch : kLine)
        glyphs.push_back(f.font.glyph(static_cast<unsigned char>(ch)));
    int triangles = 0;
    for (auto _ : state) {
        triangles = 0;
        for (const FontGlyph* g : glyphs)
            triangles += vectorizeAndTriangulate(g);
        benchmark::DoNotOptimize(triangles);
    }
    state.counters["triangles"] = triangles;
}
BENCHMARK(BM_Line)->Unit(benchmark::kMicrosecond);

void BM_LineFromFontFile(benchmark::State& state) {
    int triangles = 0;
    for (auto _ : state) {
        FontFace face;
        GlyphListFont font(&face);
        if (!face.open(kFontPath) || !font.create(kPointSize)) {
            state.SkipWithError("cannot open the font");
            break;
        }
        triangles = 0;
        for (char ch : kLine) {
            triangles += vectorizeAndTriangulate(font.glyph(static_cast<unsigned char>(ch)));
        }
        benchmark::DoNotOptimize(triangles);
    }
    state.counters["triangles"] = triangles;
}
BENCHMARK(BM_LineFromFontFile)->Unit(benchmark::kMicrosecond);

}  // namespace
