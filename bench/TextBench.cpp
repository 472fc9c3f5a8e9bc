// Mesh builds of the text object: a single character, a line, a long text, and the rebuild
// after one character of a line changed (typing).
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>
#include <string>
#include <thread>

#include "core/WorkerPool.h"
#include "export/MeshFormats.h"
#include "export/SolidMesh.h"
#include "text/Text.h"

namespace {

constexpr const char* kFont = VYR_BENCH_FONT_DEJAVU;
constexpr const char* kLine = "The quick brown fox jumps over the lazy dog 0123456789 ABCDEFG";

std::string longText() {
    std::string s;
    for (int i = 0; i < 32; ++i)
        s += (i ? " " : "") + std::string(kLine);
    return s;
}

// Builds use state.range(0) threads while it lives.
struct ThreadLimit {
    explicit ThreadLimit(const benchmark::State& state) {
        vyr::WorkerPool::shared().setThreads(static_cast<unsigned>(state.range(0)));
    }
    ~ThreadLimit() { vyr::WorkerPool::shared().setThreads(std::thread::hardware_concurrency()); }
};

vyr::Text textOf(const std::string& chars) {
    vyr::Text t("/unused");
    t.parameters.chooseFontPath(kFont);
    t.parameters.text = chars;
    return t;
}

// The builds run on at most state.range(0) threads.
void warmBuild(benchmark::State& state, const std::string& chars) {
    const ThreadLimit threads(state);
    vyr::Text t = textOf(chars);
    if (!t.buildMesh().ok)
        state.SkipWithError("font missing");
    for (auto _ : state) {
        t.buildMesh();
        benchmark::DoNotOptimize(t.mesh().width);
    }
    state.counters["chars"] = static_cast<double>(chars.size());
    state.counters["threads"] = static_cast<double>(state.range(0));
}

void BM_BuildAt(benchmark::State& state) {
    warmBuild(state, "@");
}
void BM_BuildLine(benchmark::State& state) {
    warmBuild(state, kLine);
}
void BM_BuildLong(benchmark::State& state) {
    warmBuild(state, longText());
}

// A fresh text object each time: the font is opened and the glyphs are loaded.
void BM_FirstBuildLine(benchmark::State& state) {
    const ThreadLimit threads(state);
    for (auto _ : state) {
        vyr::Text t = textOf(kLine);
        t.buildMesh();
        benchmark::DoNotOptimize(t.mesh().width);
    }
}

// Builds `text`, then in every iteration the text with character `at` replaced by `by`
// and the text itself in turn, so that every build differs from the one before.
void rebuildAlternating(benchmark::State& state, const std::string& text, size_t at, char by) {
    const ThreadLimit threads(state);
    vyr::Text t = textOf(text);
    t.buildMesh();
    std::string changed = text;
    changed[at] = by;
    bool flip = false;
    for (auto _ : state) {
        t.parameters.text = (flip = !flip) ? changed : text;
        t.buildMesh();
        benchmark::DoNotOptimize(t.mesh().width);
    }
}

// Typing: the line with one character changed.
void BM_RebuildLineOneCharChanged(benchmark::State& state) {
    rebuildAlternating(state, kLine, 10, 'X');
}

// Every character built again: the first character alternates between two of different
// advance, which moves all the others.
void BM_RebuildLongAllMoved(benchmark::State& state) {
    rebuildAlternating(state, longText(), 0, 'W');
    state.counters["threads"] = static_cast<double>(state.range(0));
}

// A build from nothing of the line (range(0) 0) or the long text (1), placed simply (range(1)
// 0) or shaped (1), on every core: what the shaping adds to a build.
void BM_FirstBuildLayout(benchmark::State& state) {
    const std::string chars = state.range(0) == 0 ? std::string(kLine) : longText();
    for (auto _ : state) {
        vyr::Text t = textOf(chars);
        if (state.range(1) == 1)
            t.parameters.layout = vyr::TextLayout::kShaped;
        t.buildMesh();
        benchmark::DoNotOptimize(t.mesh().width);
    }
}

void BM_SolidMeshLong(benchmark::State& state) {
    vyr::Text t = textOf(longText());
    t.buildMesh();
    for (auto _ : state) {
        const vyr::SolidMesh solid = vyr::buildSolidMesh(t);
        benchmark::DoNotOptimize(solid.triangles.size());
    }
}

// Writing the binary STL of a welded solid, into a stream that discards the bytes.
void BM_WriteStlLong(benchmark::State& state) {
    vyr::Text t = textOf(longText());
    t.buildMesh();
    const vyr::SolidMesh solid = vyr::buildSolidMesh(t);
    struct Discard : std::streambuf {
        std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
        int overflow(int c) override { return c; }
    } discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        vyr::writeStl(solid, out);
    }
    state.counters["triangles"] = static_cast<double>(solid.triangles.size());
}

}  // namespace

// Argument: the number of threads a build may use.
BENCHMARK(BM_BuildAt)->Unit(benchmark::kMillisecond)->Arg(1)->Arg(2);
BENCHMARK(BM_BuildLine)->Unit(benchmark::kMillisecond)->Arg(1)->Arg(2);
BENCHMARK(BM_BuildLong)->Unit(benchmark::kMillisecond)->Arg(1)->Arg(2);
BENCHMARK(BM_FirstBuildLine)->Unit(benchmark::kMillisecond)->Arg(1)->Arg(2);
BENCHMARK(BM_RebuildLineOneCharChanged)->Unit(benchmark::kMillisecond)->Arg(1)->Arg(2);
BENCHMARK(BM_RebuildLongAllMoved)->Unit(benchmark::kMillisecond)->Arg(1)->Arg(2);
// Arguments: the line or the long text, then simple or shaped, in pairs.
BENCHMARK(BM_FirstBuildLayout)
    ->Unit(benchmark::kMillisecond)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({1, 0})
    ->Args({1, 1});
BENCHMARK(BM_SolidMeshLong)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteStlLong)->Unit(benchmark::kMillisecond);
