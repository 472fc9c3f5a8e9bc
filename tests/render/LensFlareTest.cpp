#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "render/LensFlare.h"
#include "render/OffscreenContext.h"
#include "render/SgiImage.h"

using namespace vyr;

namespace {

// A fresh folder under the system's temporary folder, removed with everything in it.
struct TempFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("vyr-flare-" + std::to_string(getpid()));
    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

// A 64 x 64 frame seen from an eye at the origin looking down -z through an orthographic box
// of half-size 1, and a texture folder whose shine i is a flat grey of 20 (i + 1) and whose
// other textures are black: a pixel under the three shines reads back which were drawn.
class LensFlareTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!gl.ok())
            GTEST_SKIP() << gl.error();
        auto flat = [&](const std::string& name, int level) {
            const std::vector<unsigned char> pixels(16, static_cast<unsigned char>(level));
            const auto sgi = encodeSgi(pixels.data(), 4, 4, level % 40 == 0);
            std::ofstream(folder.file(name))
                .write(reinterpret_cast<const char*>(sgi.data()), sgi.size());
        };
        flat("OpenGL.bw", 0);
        for (int i = 0; i < 10; ++i)
            flat("Shine" + std::to_string(i) + ".bw", 20 * (i + 1));
        for (int i = 1; i <= 6; ++i)
            flat("Flare" + std::to_string(i) + ".bw", 0);
    }

    std::vector<unsigned char> draw(float light[3]) {
        glClear(GL_COLOR_BUFFER_BIT);
        glLoadIdentity();  // projection identity, the box in the model-view matrix
        glOrtho(-1, 1, -1, 1, -10, 10);
        glEnable(GL_TEXTURE_2D);
        const float eye[3] = {0, 0, 0}, at[3] = {0, 0, -1};
        flare.DrawFlares(eye, at, light, 1.0f);
        return gl.readRgb();
    }

    OffscreenContext gl{64, 64};
    TempFolder folder;
    LensFlare flare;
    const std::vector<unsigned char> black{std::vector<unsigned char>(64 * 64 * 3, 0)};
};

}  // namespace

TEST(LensFlareTable, ShinesSitAtTheLightPointElementEightAtTheCentreTheLastFourBeyondIt) {
    const auto table = InitFlareTable();
    const float expectedLocation[12] = {1, 1, 1, 1.3f, 1, 0.5f, 0.2f, 0, -0.25f, -0.4f, -0.6f, -1};
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(table[i].location == expectedLocation[i] && (table[i].type < 0) == (i < 3))
            << i + 1;
    EXPECT_EQ(table[7].type, 0) << "element 8 is Flare1";
}

TEST_F(LensFlareTest, ConsecutiveFlaresTakeTheShineTexturesInTurn) {
    ASSERT_TRUE(flare.load(folder.path.string()).empty());
    // The light point lands at (2, 0, -4) / sqrt(20), x = (1 + 0.4472) / 2 x 64 = 46.3 in the
    // middle row. The shines drawn first, second and third are blue, green and red.
    const int firstShine[4] = {0, 3, 6, 9}, counterAfter[4] = {3, 6, 9, 2};
    for (int render = 0; render < 4; ++render) {
        SCOPED_TRACE(render);
        float light[3] = {2, 0, -4};
        const std::vector<unsigned char> rgb = draw(light);
        EXPECT_NEAR(light[0], 0.4472136f, 1e-6f);
        EXPECT_EQ(flare.shineCounter(), counterAfter[render]);
        auto level = [&](int k) { return 20 * ((firstShine[render] + k) % 10 + 1); };
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(rgb[(32 * 64 + 46) * 3 + 2 - k], level(k), 1);
    }
}

TEST_F(LensFlareTest, AFlarePointInLineWithTheViewOrOnTheEyeDrawsNothing) {
    ASSERT_TRUE(flare.load().empty()) << "the build writes the textures into its own tree";
    float ahead[3] = {0, 0, -5}, onEye[3] = {0, 0, 0};
    for (float* light : {ahead, onEye}) {
        EXPECT_EQ(draw(light), black);
        EXPECT_EQ(flare.shineCounter(), 0);
        EXPECT_TRUE(std::isfinite(light[0] + light[1] + light[2]));
    }
}

TEST_F(LensFlareTest, AMissingTextureLeavesTheFlareUnavailableWithOneMessage) {
    const std::string none = folder.file("none");
    EXPECT_EQ(flare.load(none),
              std::vector<std::string>{none + "/OpenGL.bw: No such file or directory"});
    std::filesystem::remove(folder.file("Shine4.bw"));
    EXPECT_EQ(flare.load(folder.path.string()),
              std::vector<std::string>{folder.file("Shine4.bw") + ": No such file or directory"});
    EXPECT_FALSE(flare.available());
    float light[3] = {2, 0, -4};
    EXPECT_EQ(draw(light), black);
    EXPECT_EQ(flare.shineCounter(), 0);
}
