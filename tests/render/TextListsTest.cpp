#include <GL/gl.h>
#include <gtest/gtest.h>

#include "render/OffscreenContext.h"
#include "render/TextLists.h"
#include "text/CText.h"

using namespace vyr;

namespace {

// Lit pixels (any channel above 64) of the framebuffer.
int litPixels(const OffscreenContext& gl) {
    const std::vector<unsigned char> rgb = gl.readRgb();
    int lit = 0;
    for (size_t i = 0; i < rgb.size(); i += 3)
        lit += rgb[i] > 64 || rgb[i + 1] > 64;
    return lit;
}

// An orthographic view of the text's centre, x and y in glyph pixels times the scale.
void lookAtText(const CText& text) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double half = 0.6 * text.mesh().width * text.scale[0];
    glOrtho(-half, half, -half, half, -10.0, 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

}  // namespace

TEST(TextLists, CompiledListsDrawTheTextAndRecompileOnlyAfterARebuild) {
    OffscreenContext gl(64, 64);
    if (!gl.ok())
        GTEST_SKIP() << gl.error();
    CText text("/unused");
    text.fontPath = VYR_TEST_FONT_DEJAVU;
    text.text = "H";
    ASSERT_TRUE(text.buildMesh().ok);

    TextLists lists;
    ASSERT_TRUE(lists.update(text));
    EXPECT_EQ(lists.solidList(), lists.wireList() + 1);
    EXPECT_TRUE(glIsList(lists.wireList()));
    EXPECT_TRUE(glIsList(lists.solidList()));
    const unsigned first = lists.wireList();
    ASSERT_TRUE(lists.update(text));
    EXPECT_EQ(lists.wireList(), first) << "no rebuild, no recompile";

    lookAtText(text);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    lists.draw(text, true);
    const int wire = litPixels(gl);
    EXPECT_GT(wire, 20);

    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    lists.draw(text, false);
    EXPECT_GT(litPixels(gl), wire) << "the solid H covers more than its wire edges";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    text.text = "I";
    ASSERT_TRUE(text.buildMesh().ok);
    ASSERT_TRUE(lists.update(text));
    EXPECT_TRUE(glIsList(lists.solidList()));
}
