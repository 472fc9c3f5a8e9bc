#include <gtest/gtest.h>

#include <cmath>

#include "FuzzTargets.h"
#include "export/SolidMesh.h"
#include "font/FontTestSupport.h"
#include "font/OutlineVectorizer.h"
#include "scene/SceneFile.h"
#include "text/Filters.h"
#include "text/TextTestSupport.h"

// Inputs at the limits: each builds and writes only finite values, or is refused with a
// message that says why and leaves the running scene as it was.

using namespace vyr;

namespace {

CText& pangram(Scene& scene, const char* font = VYR_TEST_FONT_LIBERATION) {
    CText& t = scene.text();
    t.fontPath = font;
    t.text = test::kPangram;
    return t;
}

}  // namespace

TEST(HostileInput, FinestPrecisionAndWidestDeepestBevelWriteFiniteFiles) {
    Scene fine("/nonexistent"), bevelled("/nonexistent");
    pangram(fine, "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf").precision = 1;
    pangram(bevelled).bevelWidth = 100;
    bevelled.text().bevelDepth = 10000;
    for (Scene* s : {&fine, &bevelled}) {
        ASSERT_TRUE(s->text().buildMesh().ok);
        fuzz::writeEverything(*s);
    }
}

TEST(HostileInput, EveryFilterPairAtExtremeScalesWritesFiniteFiles) {
    Scene scene("/nonexistent");
    CText& t = pangram(scene);
    t.text = "@i";
    for (t.filter1 = 0; t.filter1 < kFilterCount; ++t.filter1) {
        for (t.filter2 = 0; t.filter2 < kFilterCount; ++t.filter2) {
            ASSERT_TRUE(t.buildMesh().ok);
            for (float s : {0.0f, 1e-30f, -1e4f, 3e38f}) {
                SCOPED_TRACE(std::to_string(t.filter1) + " " + std::to_string(t.filter2));
                t.scale = {s, s, s};
                fuzz::writeEverything(scene);
            }
        }
    }
}

TEST(HostileInput, TheLongestTextBuildsAndALongerOneIsRefused) {
    Scene scene("/nonexistent");
    CText& t = pangram(scene);
    while (t.text.size() < CText::kMaxTextLength)
        t.text += t.text;
    t.text.resize(CText::kMaxTextLength);
    ASSERT_TRUE(t.buildMesh().ok);
    EXPECT_EQ(t.mesh().entryCount, 100000);
    for (const auto& v : buildSolidMesh(t).vertices)
        ASSERT_TRUE(std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]));

    t.text += "x";
    const BuildResult refused = t.buildMesh();
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.message.find("at most 100000"), std::string::npos) << refused.message;
    EXPECT_EQ(t.mesh().entryCount, 100000);
}

TEST(HostileInput, SceneFilesBeyondTheLimitsAreRefusedAndChangeNothing) {
    Scene running("/nonexistent");
    pangram(running).buildMesh();
    const std::vector<uint8_t> before = sceneBytes(running);
    const struct {
        void (*change)(CText&);
        const char* why;
    } cases[] = {
        {[](CText& t) { t.text.assign(CText::kMaxTextLength + 1, 'x'); }, "100001 characters"},
        {[](CText& t) { t.precision = 0.5; }, "precision is 0.5 pixels"},
        {[](CText& t) { t.fontPath.assign(65534, 'p'); }, "font path is 65534 bytes"},
        {[](CText& t) { t.fontsFolder.assign(65533, 'f'); }, "fonts folder is 65533 bytes"},
    };
    for (const auto& c : cases) {
        Scene source("/nonexistent");
        c.change(source.text());
        const std::vector<uint8_t> bytes = sceneBytes(source);
        const SceneFileResult r = loadSceneBytes(running, bytes.data(), bytes.size(), "big.vyr");
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(c.why), std::string::npos) << r.message;
        EXPECT_EQ(sceneBytes(running), before);
        EXPECT_EQ(running.text().mesh().entryCount, 62);
    }
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
