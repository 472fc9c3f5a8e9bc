#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vyr {

class Accumulator;
class Scene;
struct ViewSettings;

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

    /// One frame: the viewport frame (light markers, the flare point), or, with
    /// settings.renderMode set, the final frame with the effects the settings switch on.
    /// Flushes; the caller swaps or reads back.
    void drawScene(const Scene& scene, const ViewSettings& settings);

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
