#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/FloatPoints.h"

namespace vyr {

class Accumulator;
class Scene;

/// What a frame shows besides the scene, and how; the viewport and vyr-cli each fill it.
struct RenderOptions {
    /// The final render with the effects below, instead of the viewport frame (light
    /// markers, the flare point).
    bool finalFrame = false;
    /// A drag is in progress and the text follows it as its wireframe, unlit.
    bool interactiveDrag = false;
    bool flat = false;
    bool antialias = true;
    bool glow = false;
    bool flare = false;
    /// 0x00BBGGRR.
    uint32_t background = 0x00000000;
    uint32_t glowColour = 0x000000FF;
    int glowThickness = 3;
    Float4 flarePosition{0.5f, 0.5f, 0.0f, 1.0f};
};

/// Draws the scene into the current OpenGL context (compatibility profile), into whatever
/// framebuffer is bound when a call starts: a widget's, a window's or an offscreen one. The
/// modeller's viewport and vyr-cli's headless images draw through this one class. Every call
/// needs the context current, destruction included.
class Renderer {
  public:
    Renderer();
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    /// Once, with the context current: the lens-flare table and textures. Returns one message
    /// per thing that could not be set up (empty when all is well); drawing works regardless,
    /// without the flare.
    std::vector<std::string> initialise();

    /// Viewport (0, 0, w, h) and the viewport projection: 45 degrees vertical field of view,
    /// aspect w / h, near plane 0.1f widened to double, far plane 100. A zero height counts as 1.
    void resize(int width, int height);

    /// One frame: the viewport frame, or the final frame with the effects the options switch
    /// on. Flushes; the caller swaps or reads back.
    void drawScene(const Scene& scene, const RenderOptions& options);

    /// The frame just drawn, as RGB bytes, top row first (width x height x 3).
    std::vector<unsigned char> readFrameRgb() const;

    /// Whether the lens-flare textures loaded.
    bool flareAvailable() const;
    int width() const;
    int height() const;

    /// The antialiasing's accumulation (to choose its emulation).
    Accumulator& accumulator();
    /// Index of the next shine texture of the lens flare.
    int shineCounter() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace vyr
