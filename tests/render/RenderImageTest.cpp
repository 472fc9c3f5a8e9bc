#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>
#include <gtest/gtest.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "render/Accumulator.h"
#include "render/ImageFile.h"
#include "render/OffscreenContext.h"
#include "render/Renderer.h"
#include "scene/Scene.h"
#include "scene/ViewSettings.h"

extern "C" void InitVyrText(void), DisplayVyrText(void);  // the default scene's C export

using namespace vyr;
using Image = std::vector<unsigned char>;

namespace {

// The default scene on a 641 x 120 frame (rows of odd length); final frames, no antialiasing.
class RenderImage : public ::testing::Test {
  protected:
    static constexpr int kW = 641, kH = 120;
    void SetUp() override {
        if (!gl.ok())
            GTEST_SKIP() << gl.error();
        scene.text().fontPath = VYR_TEST_FONT_LIBERATION;
        ASSERT_TRUE(scene.text().buildMesh().ok);
        renderer.initialise();
        renderer.resize(kW, kH);
        settings.renderMode = 1;
        settings.antialiasingOn = 0;
    }
    Image draw() {
        renderer.DrawScene(scene, settings);
        return renderer.readFrameRgb();
    }
    // Lights behind the eye shining away, and the flare point there: no markers show.
    void hideMarkers(int firstLight) {
        for (int slot = firstLight; slot <= 3; ++slot) {
            CLight& light = scene.light(slot);
            light.position = {0.0f, 0.0f, 10.0f, 1.0f};
            light.beamEnd = {0.0f, 0.0f, 12.0f, 1.0f};
            light.referencePoint = {0.0f, 0.0f, -2.0f, 1.0f};
        }
        settings.flarePosition = {0.0f, 0.0f, 10.0f, 1.0f};
    }
    static double farthestLitPixel(const Image& rgb) {
        double r = 0.0;
        for (int i = 0; i < kW * kH; ++i)
            if (rgb[3 * i] || rgb[3 * i + 1] || rgb[3 * i + 2])
                r = std::max(r, std::hypot(i % kW + 0.5 - kW / 2.0, i / kW + 0.5 - kH / 2.0));
        return r;
    }

    OffscreenContext gl{kW, kH};
    Scene scene{"/unused"};
    Renderer renderer;
    ViewSettings settings;
};

TEST_F(RenderImage, DefaultSceneShowsLitTextAroundTheCentreOnly) {
    settings.antialiasingOn = 1;
    const Image rgb = draw();
    EXPECT_GT(std::count_if(rgb.begin(), rgb.end(), [](int c) { return c > 150; }), 200);
    EXPECT_LT(farthestLitPixel(rgb), 25.0) << "background beyond the text";
}

TEST_F(RenderImage, WithoutEffectsTheFinalFrameIsTheViewportFrameWithoutMarkers) {
    hideMarkers(1);
    const Image final = draw();
    settings.renderMode = 0;
    EXPECT_EQ(draw(), final);
}

TEST_F(RenderImage, ConeAlongTheZAxisPointsItsWay) {
    hideMarkers(2);
    scene.text().scale = {0.0f, 0.0f, 0.0f};
    settings.renderMode = 0;
    CLight& light = scene.yellowLight();
    light.position = {0.0f, 0.0f, 2.0f, 1.0f};
    // Pointing away, the cone's rim lies 3 units from the eye (about 20 pixels); toward, 1.
    for (const float dz : {-1.0f, 1.0f}) {
        light.referencePoint = {0.0f, 0.0f, -dz, 1.0f};
        light.beamEnd = {0.0f, 0.0f, 2.0f + dz, 1.0f};
        const double r = farthestLitPixel(draw());
        EXPECT_TRUE(dz < 0 ? r > 12 && r < 30 : r > 45) << dz << ": " << r;
    }
}

TEST_F(RenderImage, DegenerateCameraKeepsTheLastSoundView) {
    const Image sound = draw();
    CCamera& camera = scene.camera();
    camera.up = {0.0f, 0.0f, -2.0f};
    EXPECT_EQ(draw(), sound) << "up along the line of sight";
    camera.eye = camera.target;
    EXPECT_EQ(draw(), sound) << "eye on the target";
}

TEST_F(RenderImage, UnlitTextIsAmbientWithAntialiasedEdgesAndGradedGlowRings) {
    for (int slot = 1; slot <= 3; ++slot)
        scene.light(slot).enabled = 0;
    auto shades = [](const Image& rgb) {
        std::set<int> s;
        for (size_t i = 0; i < rgb.size(); i += 3)
            s.insert(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]);
        return s.size();
    };
    const Image plain = draw();
    EXPECT_EQ(*std::max_element(plain.begin(), plain.end()), 46) << "0.2 x the sides' 0.9";
    EXPECT_LE(shades(plain), 4u);
    settings.antialiasingOn = 1;
    EXPECT_GT(shades(draw()), 20u) << "edges in between";

    settings.antialiasingOn = 0;
    settings.glowOn = 1;
    settings.glowColour = 0x0000FF00;  // the unlit text's green stays below 10
    for (const int thickness : {0, 3}) {
        settings.glowThickness = thickness;
        const Image rgb = draw();
        std::set<int> levels;
        for (size_t i = 1; i < rgb.size(); i += 3)
            if (rgb[i] > 10)
                levels.insert(rgb[i]);
        EXPECT_EQ(levels, (thickness ? std::set<int>{64, 128, 191, 255} : std::set<int>{255}));
        const unsigned char* green = &rgb[3 * kW * (kH / 2) + 1];  // along the middle row
        while (*green <= 10)
            green += 3;
        EXPECT_EQ(*green, *levels.begin()) << "the faintest ring outside";
    }
}

TEST_F(RenderImage, ConsecutiveFlaresTakeTheNextThreeShines) {
    ASSERT_TRUE(renderer.flareAvailable()) << "the build writes the flare textures";
    const Image plain = draw();
    settings.lensFlareOn = 1;
    for (const int counter : {3, 6, 9}) {
        EXPECT_NE(draw(), plain);
        EXPECT_EQ(renderer.shineCounter(), counter);
    }
}

TEST_F(RenderImage, ExportedCSourceDrawsTheSolidListsPicture) {
    const Image solid = draw();
    scene.text().scale = {0.0f, 0.0f, 0.0f};
    draw();  // the same camera and lights, no text
    InitVyrText();
    DisplayVyrText();
    const Image exported = renderer.readFrameRgb();
    int off = 0;
    for (size_t i = 0; i < solid.size(); ++i)
        off += std::abs(solid[i] - exported[i]) > 1;
    EXPECT_LE(off, 12) << "channels off by more than one level (vertices kept to 0.01)";
}

TEST_F(RenderImage, JpegOfTheFrameIsUnshearedOrReportedWithNoFile) {
    const Image frame = draw();
    const std::filesystem::path dir = ::testing::TempDir() + "vyr-jpeg-" + std::to_string(getpid());
    std::filesystem::create_directories(dir);
    std::string error;
    ASSERT_TRUE(SaveRenderJpeg((dir / "a.jpg").string(), 100, renderer, &error)) << error;
    std::ifstream in(dir / "a.jpg", std::ios::binary);
    Image jpeg(std::istreambuf_iterator<char>(in), {}), back(frame.size());
    tjhandle decoder = tjInitDecompress();
    EXPECT_EQ(tjDecompress2(decoder, jpeg.data(), jpeg.size(), back.data(), kW, 0, kH, TJPF_RGB, 0),
              0);
    tjDestroy(decoder);
    double diff = 0.0;
    for (size_t i = 0; i < back.size(); ++i)
        diff += std::abs(back[i] - frame[i]);
    EXPECT_LT(diff / back.size(), 1.0);

    EXPECT_FALSE(SaveRenderJpeg((dir / "no/b.jpg").string(), 75, renderer, &error));
    EXPECT_NE(error.find("b.jpg"), std::string::npos) << error;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    std::filesystem::remove_all(dir);
}

TEST_F(RenderImage, AccumulationEmulationsRoundTheExactSumOfTheirPasses) {
    GLint framebuffer = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &framebuffer);
    for (const auto method : {Accumulator::Method::GpuFloat, Accumulator::Method::ReadBack}) {
        std::mt19937 random(9);
        std::vector<float> sum(kW * kH * 4, 0.0f);
        Image pass(sum.size());
        Accumulator accumulator;
        accumulator.setEmulation(method);
        accumulator.clear(framebuffer, kW, kH);
        for (int k = 0; k < 8; ++k) {
            for (size_t i = 0; i < pass.size(); ++i)
                sum[i] += 0.125f * (pass[i] = static_cast<unsigned char>(random()));
            glWindowPos2i(0, 0);
            glDrawPixels(kW, kH, GL_RGBA, GL_UNSIGNED_BYTE, pass.data());
            accumulator.add(0.125f);
        }
        accumulator.returnSum(1.0f);
        glReadPixels(0, 0, kW, kH, GL_RGBA, GL_UNSIGNED_BYTE, pass.data());
        for (size_t i = 0; i < pass.size(); ++i)
            ASSERT_LE(std::abs(pass[i] - sum[i]), 0.5f) << static_cast<int>(method) << ", " << i;
    }
}

}  // namespace
