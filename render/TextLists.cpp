#include "render/TextLists.h"

#include <GL/gl.h>

#include "render/GlReplaySink.h"
#include "text/CText.h"

namespace vyr {

TextLists::~TextLists() {
    if (base_ != 0)
        glDeleteLists(base_, 2);
}

bool TextLists::update(const CText& text) {
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
    generation_ = text.buildGeneration();
    compiled_ = true;
    return true;
}

void TextLists::draw(const CText& text, bool wire) const {
    if (!compiled_)
        return;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glScalef(text.scale[0], text.scale[1], text.scale[2]);
    glCallList(wire ? wireList() : solidList());
    glPopMatrix();
}

}  // namespace vyr
