#include "font/TriangleSink.h"

#include <GL/glu.h>

#include <cstdio>

namespace vyr {

TriangleSink::~TriangleSink() = default;

void TriangleSink::begin(unsigned) {}
void TriangleSink::vertex(ContourPoint*) {}
void TriangleSink::end() {}

void TriangleSink::error(unsigned code) {
    if (!report)
        return;
    const GLubyte* text = gluErrorString(code);
    std::fprintf(stderr, "GLU error #%d (%s)\n", static_cast<int>(code),
                 text ? reinterpret_cast<const char*>(text) : "");
}

}  // namespace vyr
