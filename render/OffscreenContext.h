#pragma once

#include <string>
#include <vector>

namespace vyr {

/// Keeps the OpenGL driver loaded now (Mesa's DRI driver, its EGL or GLX vendor library and
/// what they need) mapped until the process ends, so that a leak report at exit can still
/// name the driver's frames and its suppression applies. Harmless to call more than once.
void keepGlDriverLoaded();

/// A legacy (compatibility profile) OpenGL context without a window, through EGL's
/// surfaceless platform, drawing into a colour + depth/stencil framebuffer object of a fixed
/// size. For headless rendering and tests.
class OffscreenContext {
  public:
    OffscreenContext(int width, int height);
    ~OffscreenContext();
    OffscreenContext(const OffscreenContext&) = delete;
    OffscreenContext& operator=(const OffscreenContext&) = delete;

    /// False when no context could be made; error() says why.
    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }
    int width() const { return width_; }
    int height() const { return height_; }
    /// "OpenGL: RENDERER, VERSION" of a headless context, or why none could be made.
    static std::string rendererText();
    /// The framebuffer's pixels as RGB bytes, bottom row first.
    std::vector<unsigned char> readRgb() const;

  private:
    bool fail(std::string why);

    int width_, height_;
    bool ok_ = false;
    std::string error_;
    void* display_ = nullptr;
    void* context_ = nullptr;
    unsigned framebuffer_ = 0;
    unsigned renderbuffers_[2] = {0, 0};
};

}  // namespace vyr
