#pragma once

#include "font/GlConstants.h"

namespace vyr {

struct ContourPoint;
class ContourTriangulator;

/// Receiver of tessellator output. The base receives and ignores primitives; it only reports
/// tessellator errors, and only when `report` is set.
class TriangleSink {
  public:
    explicit TriangleSink(int reportErrors = 0) : report(reportErrors) {}
    virtual ~TriangleSink();

    virtual void begin(unsigned type);
    virtual void vertex(ContourPoint* point);
    virtual void end();
    /// Prints "GLU error #<code> (<text>)" to standard error when `report` is set.
    virtual void error(unsigned code);

    int report = 0;
    /// The triangulator feeding this sink during a run, otherwise nullptr.
    ContourTriangulator* currentTriangulator = nullptr;
};

}  // namespace vyr
