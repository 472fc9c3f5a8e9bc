#include "render/Accumulator.h"

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "render/IdentityMatrices.h"

namespace vyr {

namespace {

// Saves what drawing a full-window quad changes and sets the state it needs.
class QuadState {
  public:
    QuadState(int width, int height) {
        glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT | GL_VIEWPORT_BIT |
                     GL_TEXTURE_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | GL_POLYGON_BIT |
                     GL_PIXEL_MODE_BIT);
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_STENCIL_TEST);
        glDisable(GL_FOG);
        glDisable(GL_CULL_FACE);
        glDisable(GL_SCISSOR_TEST);
        glDisable(GL_ALPHA_TEST);
        glDisable(GL_DITHER);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glViewport(0, 0, width, height);
    }
    ~QuadState() { glPopAttrib(); }
    QuadState(const QuadState&) = delete;
    QuadState& operator=(const QuadState&) = delete;

  private:
    // Matrices and attributes are separate stacks: the order of their pushes does not matter.
    IdentityMatrices identity_;
};

// Draws `texture` over the whole viewport, each texel times `factor`, pixel for texel.
void drawTexture(unsigned texture, float factor) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(factor, factor, factor, factor);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
}

unsigned makeTexture(GLint internalFormat, GLenum type, int width, int height) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, GL_RGBA, type, nullptr);
    return texture;
}

unsigned attach(unsigned texture) {
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    return framebuffer;
}

}  // namespace

// The emulation's resources, remade when the size changes.
struct Accumulator::Gpu {
    int width = 0, height = 0;
    // The running sum (GpuFloat).
    GLuint sumTexture = 0, sumFramebuffer = 0;
    // A single-sampled copy of one pass; the source of the GPU sum and of the read-back of a
    // multisampled framebuffer.
    GLuint passTexture = 0, passFramebuffer = 0;
    std::vector<float> sum;
    std::vector<unsigned char> pass;

    ~Gpu() { release(); }
    void release() {
        const GLuint framebuffers[2] = {sumFramebuffer, passFramebuffer};
        const GLuint textures[2] = {sumTexture, passTexture};
        if (sumFramebuffer || passFramebuffer)
            glDeleteFramebuffers(2, framebuffers);
        if (sumTexture || passTexture)
            glDeleteTextures(2, textures);
        sumTexture = sumFramebuffer = passTexture = passFramebuffer = 0;
    }
    void ensure(int w, int h) {
        if (w == width && h == height && sumFramebuffer != 0)
            return;
        release();
        GLint texture = 0, drawFramebuffer = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawFramebuffer);
        sumTexture = makeTexture(GL_RGBA32F, GL_FLOAT, w, h);
        sumFramebuffer = attach(sumTexture);
        passTexture = makeTexture(GL_RGBA8, GL_UNSIGNED_BYTE, w, h);
        passFramebuffer = attach(passTexture);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(drawFramebuffer));
        width = w;
        height = h;
    }
};

Accumulator::Accumulator() = default;
Accumulator::~Accumulator() = default;

void Accumulator::clear(unsigned framebuffer, int width, int height) {
    framebuffer_ = framebuffer;
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    GLint accumBits = 0;
    glGetIntegerv(GL_ACCUM_RED_BITS, &accumBits);
    method_ = accumBits > 0 ? Method::Native : emulation_;
    switch (method_) {
        case Method::Native:
            glClear(GL_ACCUM_BUFFER_BIT);
            return;
        case Method::GpuFloat: {
            if (!gpu_)
                gpu_ = std::make_unique<Gpu>();
            gpu_->ensure(width_, height_);
            GLfloat clearColour[4];
            glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColour);
            glBindFramebuffer(GL_DRAW_FRAMEBUFFER, gpu_->sumFramebuffer);
            glPushAttrib(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT);
            glDisable(GL_SCISSOR_TEST);
            glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
            glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
            glClear(GL_COLOR_BUFFER_BIT);
            glPopAttrib();
            glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer_);
            return;
        }
        case Method::ReadBack:
            if (!gpu_)
                gpu_ = std::make_unique<Gpu>();
            gpu_->sum.assign(static_cast<size_t>(width_) * height_ * 4, 0.0f);
            return;
    }
}

void Accumulator::add(float weight) {
    if (method_ == Method::Native) {
        glAccum(GL_ACCUM, weight);
        return;
    }
    GLint readFramebuffer = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readFramebuffer);
    GLint samples = 0;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &samples);
    if (method_ == Method::GpuFloat || samples > 0) {
        // Copy the pass (resolving multisampling) into the single-sampled pass texture.
        gpu_->ensure(width_, height_);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, gpu_->passFramebuffer);
        glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT,
                          GL_NEAREST);
    }
    if (method_ == Method::GpuFloat) {
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, gpu_->sumFramebuffer);
        {
            const QuadState quad(width_, height_);
            glEnable(GL_BLEND);
            glBlendEquation(GL_FUNC_ADD);
            glBlendFunc(GL_ONE, GL_ONE);
            drawTexture(gpu_->passTexture, weight);
        }
    } else {
        // Bytes come back as a plain copy; the weighting is done here, in floats.
        std::vector<unsigned char>& pass = gpu_->pass;
        pass.resize(gpu_->sum.size());
        glBindFramebuffer(GL_READ_FRAMEBUFFER, samples > 0 ? gpu_->passFramebuffer : framebuffer_);
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glPixelStorei(GL_PACK_ROW_LENGTH, 0);
        glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pass.data());
        glPopClientAttrib();
        const float scale = weight / 255.0f;
        float* sum = gpu_->sum.data();
        const unsigned char* bytes = pass.data();
        const size_t count = pass.size();
        for (size_t i = 0; i < count; ++i)
            sum[i] += scale * static_cast<float>(bytes[i]);
    }
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer_);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readFramebuffer));
}

void Accumulator::returnSum(float factor) {
    switch (method_) {
        case Method::Native:
            glAccum(GL_RETURN, factor);
            return;
        case Method::GpuFloat: {
            glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer_);
            const QuadState quad(width_, height_);
            glDisable(GL_BLEND);
            drawTexture(gpu_->sumTexture, factor);
            return;
        }
        case Method::ReadBack: {
            std::vector<unsigned char> bytes(gpu_->sum.size());
            for (size_t i = 0; i < bytes.size(); ++i) {
                const float v = std::clamp(gpu_->sum[i] * factor, 0.0f, 1.0f);
                bytes[i] = static_cast<unsigned char>(std::lround(v * 255.0f));
            }
            // Into the pass texture, then copied over the framebuffer unchanged.
            gpu_->ensure(width_, height_);
            GLint texture = 0, readFramebuffer = 0;
            glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
            glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readFramebuffer);
            glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
            glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
            glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
            glBindTexture(GL_TEXTURE_2D, gpu_->passTexture);
            glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE,
                            bytes.data());
            glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
            glBindFramebuffer(GL_READ_FRAMEBUFFER, gpu_->passFramebuffer);
            glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer_);
            glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT);
            glDisable(GL_SCISSOR_TEST);
            glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
            glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT,
                              GL_NEAREST);
            glPopAttrib();
            glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readFramebuffer));
            glPopClientAttrib();
            return;
        }
    }
}

}  // namespace vyr
