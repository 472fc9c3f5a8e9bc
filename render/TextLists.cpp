#include "render/TextLists.h"

#include <GL/gl.h>

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
        glDeleteLists(base_, 2);
    if (outline_ != 0)
        glDeleteLists(outline_, 1);
}

bool TextLists::update(const Text& text) {
    if (compiled_ && generation_ == text.buildGeneration())
        return true;
    // Fresh names for every rebuild, as a consecutive pair: wire list first, solid second.
    if (base_ != 0)
        glDeleteLists(base_, 2);
    base_ = glGenLists(2);
    if (base_ == 0) {
        compiled_ = false;
        return false;
    }
    GlReplaySink sink;
    glNewList(base_, GL_COMPILE);
    text.emitWireList(sink);
    glEndList();
    glNewList(base_ + 1, GL_COMPILE);
    text.emitSolidList(sink);
    glEndList();
    if (outline_ == 0)
        outline_ = glGenLists(1);
    if (outline_ != 0) {
        glNewList(outline_, GL_COMPILE);
        {
            OutlineSink outline;
            text.emitSolidList(outline);
        }
        glEndList();
    }
    generation_ = text.buildGeneration();
    compiled_ = true;
    return true;
}

void TextLists::draw(const Text& text, bool wire) const {
    if (!compiled_)
        return;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glScalef(text.parameters.scale[0], text.parameters.scale[1], text.parameters.scale[2]);
    glCallList(wire ? wireList() : solidList());
    glPopMatrix();
}

void TextLists::drawOutline(const Text& text, bool wire) const {
    if (!compiled_)
        return;
    if (wire || outline_ == 0) {
        draw(text, wire);
        return;
    }
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glScalef(text.parameters.scale[0], text.parameters.scale[1], text.parameters.scale[2]);
    glCallList(outline_);
    glPopMatrix();
}

}  // namespace vyr
