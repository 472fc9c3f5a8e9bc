#pragma once

#include <vector>

#include "font/TriangleSink.h"

namespace vyr {

/// The OpenGL state names the display lists set (the values of GL/gl.h).
enum GlState : unsigned {
    kGlFront = 0x0404,
    kGlNormalize = 0x0BA1,
    kGlAmbient = 0x1200,
    kGlDiffuse = 0x1201,
    kGlSpecular = 0x1202,
    kGlEmission = 0x1600,
    kGlShininess = 0x1601,
    kGlModelView = 0x1700,
};

/// Receiver of the legacy OpenGL calls that make up the text's display lists. The renderer
/// replays them into OpenGL; tests record them.
class GlSink {
  public:
    virtual ~GlSink() = default;
    virtual void enable(unsigned cap) = 0;
    virtual void matrixMode(unsigned mode) = 0;
    virtual void pushMatrix() = 0;
    virtual void popMatrix() = 0;
    virtual void translate(double x, double y, double z) = 0;
    virtual void material(unsigned face, unsigned pname, const float* values) = 0;
    virtual void color3f(float r, float g, float b) = 0;
    virtual void begin(unsigned mode) = 0;
    virtual void end() = 0;
    virtual void normal3d(double x, double y, double z) = 0;
    virtual void normal3f(float x, float y, float z) = 0;
    virtual void vertex3d(double x, double y, double z) = 0;
    virtual void vertex3f(float x, float y, float z) = 0;
};

/// Records the calls, for tests and comparisons.
class GlRecorder : public GlSink {
  public:
    enum class Op : unsigned char {
        kEnable,
        kMatrixMode,
        kPushMatrix,
        kPopMatrix,
        kTranslate,
        kMaterial,
        kColor3f,
        kBegin,
        kEnd,
        kNormal3d,
        kNormal3f,
        kVertex3d,
        kVertex3f,
    };
    struct Call {
        Op op;
        unsigned arg0 = 0;
        unsigned arg1 = 0;
        double v[4] = {0, 0, 0, 0};
        friend bool operator==(const Call&, const Call&) = default;
    };

    void enable(unsigned cap) override { calls.push_back({Op::kEnable, cap}); }
    void matrixMode(unsigned mode) override { calls.push_back({Op::kMatrixMode, mode}); }
    void pushMatrix() override { calls.push_back({Op::kPushMatrix}); }
    void popMatrix() override { calls.push_back({Op::kPopMatrix}); }
    void translate(double x, double y, double z) override {
        calls.push_back({Op::kTranslate, 0, 0, {x, y, z, 0}});
    }
    void material(unsigned face, unsigned pname, const float* values) override;
    void color3f(float r, float g, float b) override {
        calls.push_back({Op::kColor3f, 0, 0, {r, g, b, 0}});
    }
    void begin(unsigned mode) override { calls.push_back({Op::kBegin, mode}); }
    void end() override { calls.push_back({Op::kEnd}); }
    void normal3d(double x, double y, double z) override {
        calls.push_back({Op::kNormal3d, 0, 0, {x, y, z, 0}});
    }
    void normal3f(float x, float y, float z) override {
        calls.push_back({Op::kNormal3f, 0, 0, {x, y, z, 0}});
    }
    void vertex3d(double x, double y, double z) override {
        calls.push_back({Op::kVertex3d, 0, 0, {x, y, z, 0}});
    }
    void vertex3f(float x, float y, float z) override {
        calls.push_back({Op::kVertex3f, 0, 0, {x, y, z, 0}});
    }

    std::vector<Call> calls;
};

}  // namespace vyr
