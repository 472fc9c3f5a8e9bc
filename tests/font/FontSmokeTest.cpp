#include <gtest/gtest.h>

#include "font/ContourTriangulator.h"
#include "font/FontFace.h"
#include "font/GlyphListFont.h"
#include "font/OutlineVectorizer.h"
#include "font/TriangleList.h"

using namespace vyr;

TEST(FontSmoke, AtSignTriangulates) {
    FontFace face;
    ASSERT_EQ(face.open(VYR_TEST_FONT_DEJAVU), 1);
    GlyphListFont font(&face);
    ASSERT_EQ(font.create(220), 1);
    OutlineVectorizer v;
    v.setPrecision(18);
    ASSERT_EQ(v.init(font.glyph('@')), 1);
    ASSERT_EQ(v.vectorize(), 1);
    EXPECT_EQ(v.contourCount(), 2);
    TriangleList list(&v);
    list.setGlyph(font.glyph('@'));
    EXPECT_EQ(list.build(), 1);
    EXPECT_GT(list.triangleCount, 10);
}
