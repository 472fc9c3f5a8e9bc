// Frames drawn headless at 640 x 480 on the EGL surfaceless context: the viewport frame, the
// wire frame of a drag, and the final render with its effects, for "@", one line and a long
// text. Each iteration ends with glFinish, so the time includes the rasteriser's work.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <string>

#include "render/Accumulator.h"
#include "render/OffscreenContext.h"
#include "render/Renderer.h"
#include "scene/Scene.h"

namespace {

constexpr const char* kFont = VYR_BENCH_FONT_DEJAVU;
constexpr const char* kLine = "The quick brown fox jumps over the lazy dog 0123456789 ABCDEFG";
constexpr int kWidth = 640, kHeight = 480;

std::string textOf(int which) {
    if (which == 0)
        return "@";
    if (which == 1)
        return kLine;
    std::string s;
    for (int i = 0; i < 32; ++i)
        s += (i ? " " : "") + std::string(kLine);
    return s;
}

void frames(benchmark::State& state, vyr::RenderOptions settings,
            vyr::Accumulator::Method emulation = vyr::Accumulator::Method::ReadBack) {
    vyr::OffscreenContext context(kWidth, kHeight);
    if (!context.ok()) {
        state.SkipWithError(context.error().c_str());
        return;
    }
    vyr::Scene scene("/unused");
    scene.text().parameters.chooseFontPath(kFont);
    scene.text().parameters.text = textOf(static_cast<int>(state.range(0)));
    if (!scene.text().buildMesh().ok) {
        state.SkipWithError("font missing");
        return;
    }
    vyr::Renderer renderer;
    renderer.initialise();
    if (settings.flare && !renderer.flareAvailable())
        state.SetLabel("without flare: no textures");
    renderer.resize(kWidth, kHeight);
    renderer.accumulator().setEmulation(emulation);
    renderer.drawScene(scene, settings);  // compiles the display lists
    glFinish();
    for (auto _ : state) {
        renderer.drawScene(scene, settings);
        glFinish();
    }
    state.counters["chars"] = static_cast<double>(scene.text().parameters.text.size());
}

vyr::RenderOptions finalRender(bool antialias, bool glow, bool flare) {
    vyr::RenderOptions s;
    s.finalFrame = true;
    s.antialias = antialias;
    s.glow = glow;
    s.glowThickness = 3;
    s.flare = flare;
    return s;
}

void BM_ViewportFrame(benchmark::State& state) {
    frames(state, vyr::RenderOptions{});
}

void BM_WireFrame(benchmark::State& state) {
    vyr::RenderOptions s;
    s.interactiveDrag = true;
    frames(state, s);
}

void BM_FinalRenderAll(benchmark::State& state) {
    frames(state, finalRender(true, true, true));
}

void BM_FinalRenderAllGpuFloat(benchmark::State& state) {
    frames(state, finalRender(true, true, true), vyr::Accumulator::Method::GpuFloat);
}

void BM_FinalRenderAntialias(benchmark::State& state) {
    frames(state, finalRender(true, false, false));
}

void BM_FinalRenderAntialiasGpuFloat(benchmark::State& state) {
    frames(state, finalRender(true, false, false), vyr::Accumulator::Method::GpuFloat);
}

void BM_FinalRenderGlow(benchmark::State& state) {
    frames(state, finalRender(false, true, false));
}

// The accumulation alone: clear, eight passes added, the sum returned (the scene is not
// drawn). Argument: 0 the GPU float emulation, 1 the read-back.
void BM_Accumulate(benchmark::State& state) {
    vyr::OffscreenContext context(kWidth, kHeight);
    if (!context.ok()) {
        state.SkipWithError(context.error().c_str());
        return;
    }
    vyr::Accumulator accumulator;
    accumulator.setEmulation(state.range(0) == 0 ? vyr::Accumulator::Method::GpuFloat
                                                 : vyr::Accumulator::Method::ReadBack);
    GLint framebuffer = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &framebuffer);
    for (auto _ : state) {
        accumulator.clear(static_cast<unsigned>(framebuffer), kWidth, kHeight);
        for (int pass = 0; pass < 8; ++pass)
            accumulator.add(0.125f);
        accumulator.returnSum(1.0f);
        glFinish();
    }
}

}  // namespace

BENCHMARK(BM_Accumulate)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
// 0: "@", 1: the 62-character line, 2: its 2,015-character repetition.
BENCHMARK(BM_ViewportFrame)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WireFrame)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinalRenderAll)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinalRenderAllGpuFloat)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinalRenderAntialias)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinalRenderAntialiasGpuFloat)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinalRenderGlow)->Arg(1)->Unit(benchmark::kMillisecond);
