#pragma once

namespace vyr {

/// OpenGL's primitive kinds, for the geometry libraries that describe drawing without calling
/// OpenGL (the values of GL/gl.h): what the tessellator hands a sink, and what the text's
/// display lists begin.
enum GlPrimitive : unsigned {
    kGlLines = 0x0001,
    kGlLineStrip = 0x0003,
    kGlTriangles = 0x0004,
    kGlTriangleStrip = 0x0005,
    kGlTriangleFan = 0x0006,
    kGlQuadStrip = 0x0008,
};

struct ContourPoint;
class ContourTriangulator;

/// Receiver of tessellator output. The base receives and ignores primitives; it only reports
/// tessellator errors, and only when `report` is set.
class TriangleSink {
  public:
    explicit TriangleSink(bool reportErrors = false) : report(reportErrors) {}
    virtual ~TriangleSink();

    virtual void begin(unsigned type);
    virtual void vertex(ContourPoint* point);
    virtual void end();
    /// Prints "GLU error #<code> (<text>)" to standard error when `report` is set.
    virtual void error(unsigned code);

    bool report = false;
    /// The triangulator feeding this sink during a run, otherwise nullptr.
    ContourTriangulator* currentTriangulator = nullptr;
};

}  // namespace vyr
