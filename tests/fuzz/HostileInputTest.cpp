#include <gtest/gtest.h>

#include <cmath>

#include "FuzzTargets.h"
#include "font/FontTestSupport.h"
#include "font/OutlineVectorizer.h"
#include "scene/Scene.h"
#include "text/TextTestSupport.h"

// Inputs at the limits: each builds and writes only finite values, or is refused with a
// message that says why and leaves the running scene as it was.

using namespace vyr;

namespace {

Text& pangram(Scene& scene, const char* font = VYR_TEST_FONT_LIBERATION) {
    Text& t = scene.text();
    t.parameters.chooseFontPath(font);
    t.parameters.text = test::kPangram;
    return t;
}

}  // namespace

TEST(HostileInput, FinestPrecisionAndWidestDeepestBevelWriteFiniteFiles) {
    Scene fine("/nonexistent"), bevelled("/nonexistent");
    pangram(fine, "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf").parameters.precision = 1;
    pangram(bevelled).parameters.bevelWidth = 100;
    bevelled.text().parameters.bevelDepth = 10000;
    for (Scene* s : {&fine, &bevelled}) {
        ASSERT_TRUE(s->text().buildMesh().ok);
        fuzz::writeEverything(*s);
    }
}

TEST(HostileInput, TheLongestTextIsTakenAndALongerOneRefusedBeforeAnyFontIsRead) {
    Scene scene("/nonexistent");
    Text& t = pangram(scene, "/nonexistent/font.ttf");
    t.parameters.text.assign(TextParameters::kMaxTextLength, 'x');
    EXPECT_NE(t.buildMesh().message.find("/nonexistent/font.ttf"), std::string::npos);
    t.parameters.text += "x";
    const BuildResult refused = t.buildMesh();
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.message.find("at most 100000"), std::string::npos) << refused.message;
}

TEST(HostileInput, AHugeCurvedGlyphFlattensWithinItsPointBudget) {
    // 4,000 control points off the curve round a circle ten million pixels wide: at a step of
    // one pixel, some sixty million points.
    std::vector<test::P> ring;
    for (int k = 0; k < 4000; ++k)
        ring.push_back({1e7 * std::cos(k * 0.00157), 1e7 * std::sin(k * 0.00157), false});
    OutlineVectorizer v;
    v.setPrecision(1);
    ASSERT_EQ(v.initOutline(test::makeOutline({ring})), 1);
    v.vectorize();
    EXPECT_LE(v.pointCount(), OutlineVectorizer::kMaxPoints);
    EXPECT_GT(v.pointCount(), OutlineVectorizer::kMaxPoints / 4) << "coarser, not collapsed";
}
