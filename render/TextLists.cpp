#include "render/TextLists.h"

#include <GL/gl.h>

#include <algorithm>
#include <iterator>

#include "render/GlReplaySink.h"
#include "text/Text.h"

namespace vyr {

namespace {

// Replays the geometry of a stream only: positions, matrices and primitives. Consecutive
// triangle batches become one, as nothing between them changes.
class OutlineSink : public GlReplaySink {
  public:
    ~OutlineSink() override { flush(); }
    void enable(unsigned) override {}
    void material(unsigned, unsigned, const float*) override {}
    void color3f(float, float, float) override {}
    void normal3d(double, double, double) override {}
    void normal3f(float, float, float) override {}
    void matrixMode(unsigned mode) override {
        flush();
        GlReplaySink::matrixMode(mode);
    }
    void pushMatrix() override {
        flush();
        GlReplaySink::pushMatrix();
    }
    void popMatrix() override {
        flush();
        GlReplaySink::popMatrix();
    }
    void translate(double x, double y, double z) override {
        flush();
        GlReplaySink::translate(x, y, z);
    }
    void begin(unsigned mode) override {
        if (open_ && mode == GL_TRIANGLES && mode_ == GL_TRIANGLES)
            return;
        flush();
        GlReplaySink::begin(mode);
        open_ = true;
        mode_ = mode;
    }
    void end() override {
        if (mode_ != GL_TRIANGLES)
            flush();
    }
    void flush() {
        if (open_)
            GlReplaySink::end();
        open_ = false;
    }

  private:
    bool open_ = false;
    unsigned mode_ = 0;
};

}  // namespace

TextLists::~TextLists() {
    if (base_ != 0)
        glDeleteLists(base_, kKinds);
}

bool TextLists::update(const Text& text) {
    if (base_ == 0)
        base_ = glGenLists(kKinds);
    if (base_ == 0)
        return false;
    if (!current_ || generation_ != text.buildGeneration()) {
        generation_ = text.buildGeneration();
        current_ = true;
        std::fill(std::begin(compiled_), std::end(compiled_), false);
    }
    return true;
}

unsigned TextLists::list(const Text& text, Kind kind) {
    if (!compiled_[kind]) {
        glNewList(base_ + kind, GL_COMPILE);
        if (kind == kOutline) {
            OutlineSink sink;  // ends its last primitive when it goes
            text.emitSolidList(sink);
        } else {
            GlReplaySink sink;
            if (kind == kWire)
                text.emitWireList(sink);
            else
                text.emitSolidList(sink);
        }
        glEndList();
        compiled_[kind] = true;
    }
    return base_ + kind;
}

void TextLists::draw(const Text& text, bool wire) {
    if (!current_)
        return;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glScalef(text.parameters.scale[0], text.parameters.scale[1], text.parameters.scale[2]);
    glCallList(list(text, wire ? kWire : kSolid));
    glPopMatrix();
}

void TextLists::drawOutline(const Text& text, bool wire) {
    if (wire || !current_)
        return draw(text, wire);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glScalef(text.parameters.scale[0], text.parameters.scale[1], text.parameters.scale[2]);
    glCallList(list(text, kOutline));
    glPopMatrix();
}

}  // namespace vyr
