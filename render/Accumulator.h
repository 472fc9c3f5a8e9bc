#pragma once

#include <memory>

namespace vyr {

/// Sums weighted copies of a framebuffer's colour, as OpenGL's accumulation buffer does:
/// clear, add weight x colour for every pass, then write the sum x factor back. Uses the
/// framebuffer's own accumulation buffer when it has one; otherwise emulates it (framebuffer
/// objects and Mesa's surfaceless contexts have none). Needs the context current for every
/// call, destruction included.
class Accumulator {
  public:
    enum class Method {
        Native,    ///< the framebuffer's accumulation buffer (glAccum)
        GpuFloat,  ///< a 32-bit float texture summed with additive blending on the GPU
        ReadBack,  ///< each pass read back as floats and summed on the CPU
    };

    Accumulator();
    ~Accumulator();
    Accumulator(const Accumulator&) = delete;
    Accumulator& operator=(const Accumulator&) = delete;

    /// The emulation used when the framebuffer has no accumulation buffer. ReadBack unless
    /// changed: on Mesa's llvmpipe it takes about half the time of GpuFloat (whose float
    /// blending runs on the rasteriser's slow path); bench/RenderBench.cpp compares them.
    void setEmulation(Method emulation) { emulation_ = emulation; }

    /// Starts a sum of `width` x `height` pixels of framebuffer `framebuffer` (the name bound
    /// for drawing, 0 for the window's) at zero.
    void clear(unsigned framebuffer, int width, int height);
    /// Adds weight x the framebuffer's current colour.
    void add(float weight);
    /// Writes the sum x factor into the framebuffer (clamped to 0..1 by the colour buffer).
    void returnSum(float factor);

    /// The method the last clear() chose.
    Method method() const { return method_; }

  private:
    struct Gpu;
    Method emulation_ = Method::ReadBack;
    Method method_ = Method::ReadBack;
    unsigned framebuffer_ = 0;
    int width_ = 0, height_ = 0;
    std::unique_ptr<Gpu> gpu_;
};

}  // namespace vyr
