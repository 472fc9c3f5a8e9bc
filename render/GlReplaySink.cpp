#include "render/GlReplaySink.h"

#include <GL/gl.h>

namespace vyr {

void GlReplaySink::enable(unsigned cap) {
    glEnable(cap);
}
void GlReplaySink::matrixMode(unsigned mode) {
    glMatrixMode(mode);
}
void GlReplaySink::pushMatrix() {
    glPushMatrix();
}
void GlReplaySink::popMatrix() {
    glPopMatrix();
}
void GlReplaySink::translate(double x, double y, double z) {
    glTranslated(x, y, z);
}
void GlReplaySink::material(unsigned face, unsigned pname, const float* values) {
    glMaterialfv(face, pname, values);
}
void GlReplaySink::color3f(float r, float g, float b) {
    glColor3f(r, g, b);
}
void GlReplaySink::begin(unsigned mode) {
    glBegin(mode);
}
void GlReplaySink::end() {
    glEnd();
}
void GlReplaySink::normal3d(double x, double y, double z) {
    glNormal3d(x, y, z);
}
void GlReplaySink::normal3f(float x, float y, float z) {
    glNormal3f(x, y, z);
}
void GlReplaySink::vertex3d(double x, double y, double z) {
    glVertex3d(x, y, z);
}
void GlReplaySink::vertex3f(float x, float y, float z) {
    glVertex3f(x, y, z);
}

}  // namespace vyr
