#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

#include "render/LensFlare.h"
#include "render/OffscreenContext.h"
#include "render/SgiImage.h"
#include "tests/Support.h"

using namespace vyr;
using Image = std::vector<unsigned char>;

namespace {

// A 64 x 64 frame and a "lensflare" folder in a fresh temporary one. Shine i holds quadrants
// of 6 (4 i + q) + 12: q = 0 where s and t are below 0.5, + 1 where s is above, + 2 where t
// is. Flare1 is a flat 250, the others black.
class LensFlareTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!gl.ok())
            GTEST_SKIP() << gl.error();
        std::filesystem::create_directory(folder);
        for (int i = 0; i < 17; ++i) {
            Image pixels(256);
            for (int k = 0; k < 256; ++k)
                pixels[k] =
                    i < 10 ? 6 * (4 * i + (k % 16 > 7) + 2 * (k / 16 > 7)) + 12 : 250 * (i == 10);
            const Image sgi = encodeSgi(pixels.data(), 16, 16, i % 2);
            const std::string name = i < 10   ? "Shine" + std::to_string(i)
                                     : i < 16 ? "Flare" + std::to_string(i - 9)
                                              : "OpenGL";
            std::ofstream(folder + "/" + name + ".bw") << std::string(sgi.begin(), sgi.end());
        }
    }
    // Eye (1, 2, 3) looking along (-2, 1, -2) with up (-1, 2, 2), the view's axes turned by an
    // exact rotation, through an orthographic box of half-size 1.
    Image draw(Float3& light) {
        glClear(GL_COLOR_BUFFER_BIT);
        glLoadIdentity();  // box and view in the model-view matrix
        glOrtho(-1, 1, -1, 1, -10, 10);
        gluLookAt(1, 2, 3, -1, 3, 1, -1, 2, 2);
        glEnable(GL_TEXTURE_2D);
        flare.drawFlares(eye, at, light, 1.0f);
        return gl.readRgb();
    }

    OffscreenContext gl{64, 64};
    const test::TempFolder parent;
    const std::string folder = parent / "lensflare";
    const Float3 eye{1, 2, 3}, at{-1, 3, 1};
    LensFlare flare;
};

}  // namespace

TEST(LensFlareTable, TwelveElementsOfTypeLocationScaleAndColour) {
    // Type, location, scale, colour scale; the shines blue, green and red, the rest red.
    const float expected[12][4] = {
        {-1, 1, 0.3f, 1},        {-1, 1, 0.2f, 1},        {-1, 1, 0.25f, 1},
        {2, 1.3f, 0.04f, 0.6f},  {3, 1, 0.1f, 0.4f},      {1, 0.5f, 0.2f, 0.3f},
        {3, 0.2f, 0.05f, 0.3f},  {0, 0, 0.04f, 0.3f},     {5, -0.25f, 0.07f, 0.5f},
        {5, -0.4f, 0.02f, 0.6f}, {5, -0.6f, 0.04f, 0.4f}, {5, -1, 0.03f, 0.4f}};
    const auto table = initFlareTable();
    for (int i = 0; i < 12; ++i) {
        const float *e = expected[i],
                    colour[3] = {i < 2 ? 0 : e[3], i == 1 ? e[3] : 0, i ? 0 : e[3]};
        EXPECT_TRUE(table[i].type == e[0] && table[i].location == e[1] && table[i].scale == e[2] &&
                    std::equal(colour, colour + 3, table[i].colour))
            << i;
    }
}

TEST_F(LensFlareTest, SpritesShowTheirTexturesAsOrientedAndTheShinesInTurn) {
    ASSERT_TRUE(flare.load(folder).empty());
    // In view coordinates the flare point lies along (2, 0, -4): the light point at x = 0.447,
    // pixel 46.3 of the middle row. The shines (blue, green, red; half-sizes 14, 9.3, 11.7
    // pixels) have s = 0 on the right, t = 0 at the top: the pixels 7 right or left and above
    // or below read quadrants 0 to 3. Flare1 x 0.3 red lies at the view centre, pixel 32.
    const int quadrant[4][2] = {{53, 39}, {39, 39}, {53, 25}, {39, 25}};
    for (const int first : {0, 3, 6, 9}) {
        Float3 light{-3, 10, -7};
        const Image rgb = draw(light);
        const Float3 d = light - Float3{0.701858f, 2.596285f, 2.254644f};  // eye + (-4,8,-10)/13.4
        EXPECT_LT(std::hypot(d.x, d.y, d.z), 2e-5f);
        EXPECT_EQ(flare.shineCounter(), (first + 3) % 10);
        for (int k = 0; k < 12; ++k)
            EXPECT_NEAR(rgb[(quadrant[k % 4][1] * 64 + quadrant[k % 4][0]) * 3 + 2 - k / 4],
                        6 * (4 * ((first + k / 4) % 10) + k % 4) + 12, 1)
                << first << k;
        EXPECT_NEAR(rgb[(32 * 64 + 32) * 3], 75, 1);
    }
    // The first shine alone is blue: a square of side 28.8 pixels, whose pixel count is its
    // area, 829, within half its perimeter, wherever the flare axis points (also in depth).
    for (Float3 light : {Float3{-3, 10, -7}, Float3{-1, 3.3f, 1.3f}}) {
        const Image rgb = draw(light);
        int lit = 0;
        for (size_t k = 2; k < rgb.size(); k += 3)
            lit += rgb[k] > 0;
        EXPECT_NEAR(lit, 829, 58) << light.z;
    }
    // A flare point in line with the view leaves no axis: nothing is drawn.
    Float3 ahead = at;
    EXPECT_TRUE(draw(ahead) == Image(64 * 64 * 3) && std::isfinite(ahead.x));
}

TEST_F(LensFlareTest, AMissingTextureLeavesTheFlareUnavailableWithOneMessage) {
    std::filesystem::remove(folder + "/Shine4.bw");
    EXPECT_EQ(flare.load(folder), std::vector{folder + "/Shine4.bw: No such file or directory"});
    Float3 light{-3, 10, -7};
    EXPECT_TRUE(!flare.available() && draw(light) == Image(64 * 64 * 3));
    EXPECT_EQ(flare.shineCounter(), 0);
}
