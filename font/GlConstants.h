#pragma once

namespace vyr {

/// OpenGL enumerants used by the geometry libraries, which describe drawing without calling
/// OpenGL. Values are those of GL/gl.h.
enum GlEnum : unsigned {
    kGlLines = 0x0001,
    kGlLineStrip = 0x0003,
    kGlTriangles = 0x0004,
    kGlTriangleStrip = 0x0005,
    kGlTriangleFan = 0x0006,
    kGlQuadStrip = 0x0008,
    kGlFront = 0x0404,
    kGlNormalize = 0x0BA1,
    kGlAmbient = 0x1200,
    kGlDiffuse = 0x1201,
    kGlSpecular = 0x1202,
    kGlEmission = 0x1600,
    kGlShininess = 0x1601,
    kGlModelView = 0x1700,
};

}  // namespace vyr
