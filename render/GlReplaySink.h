#pragma once

#include "text/GlSink.h"

namespace vyr {

/// Issues the calls of a display-list stream to the current OpenGL context, as legacy
/// immediate-mode calls (inside glNewList they are compiled into the list).
class GlReplaySink : public GlSink {
  public:
    void enable(unsigned cap) override;
    void matrixMode(unsigned mode) override;
    void pushMatrix() override;
    void popMatrix() override;
    void translate(double x, double y, double z) override;
    void material(unsigned face, unsigned pname, const float* values) override;
    void color3f(float r, float g, float b) override;
    void begin(unsigned mode) override;
    void end() override;
    void normal3d(double x, double y, double z) override;
    void normal3f(float x, float y, float z) override;
    void vertex3d(double x, double y, double z) override;
    void vertex3f(float x, float y, float z) override;
};

}  // namespace vyr
