#include <GL/gl.h>
#include <gtest/gtest.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include "render/Accumulator.h"
#include "render/ImageFile.h"
#include "render/OffscreenContext.h"
#include "render/Renderer.h"
#include "scene/Scene.h"
#include "scene/ViewSettings.h"

extern "C" void InitVyrText(void);
extern "C" void DisplayVyrText(void);

using namespace vyr;
using Image = std::vector<unsigned char>;

namespace {

// The default scene ("@", font by path) on a 160 x 120 headless frame; final frames without
// antialiasing unless a test says otherwise.
class RenderImage : public ::testing::Test {
  protected:
    static constexpr int kW = 160, kH = 120;
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
    // A light behind the eye, shining away from the scene: neither it nor its markers show.
    void hide(CLight& light) {
        light.position = light.beamEnd = {0.0f, 0.0f, 10.0f, 1.0f};
        light.beamEnd.z = 12.0f;
        light.referencePoint = {0.0f, 0.0f, -2.0f, 1.0f};
    }
    // Farthest distance from the centre of a pixel brighter than `level` in any channel.
    static double reach(const Image& rgb, int level = 0) {
        double r = 0.0;
        for (int i = 0; i < kW * kH; ++i) {
            if (std::max({rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]}) > level)
                r = std::max(r, std::hypot(i % kW + 0.5 - kW / 2.0, i / kW + 0.5 - kH / 2.0));
        }
        return r;
    }
    static std::set<int> colours(const Image& rgb) {
        std::set<int> s;
        for (size_t i = 0; i < rgb.size(); i += 3)
            s.insert(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]);
        return s;
    }

    OffscreenContext gl{kW, kH};
    Scene scene{"/unused"};
    Renderer renderer;
    ViewSettings settings;
};

TEST_F(RenderImage, DefaultSceneShowsLitTextAroundTheCentreOnly) {
    settings.antialiasingOn = 1;
    const Image rgb = draw();
    int lit = 0;
    for (size_t i = 0; i < rgb.size(); i += 3)
        lit += std::max({rgb[i], rgb[i + 1], rgb[i + 2]}) > 150;
    EXPECT_GT(lit, 100);
    EXPECT_LT(reach(rgb), 25.0) << "background beyond the text";
}

TEST_F(RenderImage, WithoutEffectsTheFinalFrameIsTheViewportFrameWithoutMarkers) {
    hide(scene.yellowLight());
    hide(scene.blueLight());
    hide(scene.greenLight());
    settings.flarePosition = {0.0f, 0.0f, 10.0f, 1.0f};
    const Image final = draw();
    settings.renderMode = 0;
    EXPECT_EQ(draw(), final);
}

TEST_F(RenderImage, ConeAlongTheZAxisPointsItsWay) {
    hide(scene.blueLight());
    hide(scene.greenLight());
    scene.text().scale = {0.0f, 0.0f, 0.0f};
    settings.renderMode = 0;
    settings.flarePosition = {0.0f, 0.0f, 10.0f, 1.0f};
    CLight& light = scene.yellowLight();
    light.position = {0.0f, 0.0f, 2.0f, 1.0f};
    // Away from the eye the cone's rim is 3 units off (about 20 pixels wide), toward it 1.
    for (const float dz : {-1.0f, 1.0f}) {
        SCOPED_TRACE(dz);
        light.referencePoint = {0.0f, 0.0f, -dz, 1.0f};
        light.beamEnd = {0.0f, 0.0f, 2.0f + dz, 1.0f};
        const double r = reach(draw());
        EXPECT_TRUE(dz < 0 ? r > 12 && r < 30 : r > 45) << r;
    }
}

TEST_F(RenderImage, DegenerateCameraKeepsTheLastSoundView) {
    const Image sound = draw();
    CCamera& camera = scene.camera();
    camera.eye = camera.target;
    EXPECT_EQ(draw(), sound) << "eye on the target";
    camera.eye = {0.0f, 0.0f, 4.0f};
    camera.up = {0.0f, 0.0f, -2.0f};
    EXPECT_EQ(draw(), sound) << "up along the line of sight";
}

TEST_F(RenderImage, DisabledLightsLeaveAmbientOnlyAndAntialiasingAddsShades) {
    for (int slot = 1; slot <= 3; ++slot)
        scene.light(slot).enabled = 0;
    const Image plain = draw();
    int brightest = 0;
    for (unsigned char c : plain)
        brightest = std::max<int>(brightest, c);
    EXPECT_GT(brightest, 0);
    EXPECT_LE(brightest, 46) << "0.2 ambient x the sides' ambient 0.9";
    settings.antialiasingOn = 1;
    EXPECT_LE(colours(plain).size(), 4u);
    EXPECT_GT(colours(draw()).size(), 20u) << "edges in between";
}

TEST_F(RenderImage, GlowRingsGradeFromBackgroundToTheGlowColour) {
    for (int slot = 1; slot <= 3; ++slot)
        scene.light(slot).enabled = 0;
    settings.glowOn = 1;
    settings.glowColour = 0x0000FF00;
    for (const int thickness : {0, 3}) {
        SCOPED_TRACE(thickness);
        settings.glowThickness = thickness;
        const Image rgb = draw();
        std::map<int, std::pair<double, int>> rings;  // green level: distance sum, count
        for (int i = 0; i < kW * kH; ++i) {
            if (rgb[3 * i + 1] > 10) {
                auto& ring = rings[rgb[3 * i + 1]];
                ring.first += std::hypot(i % kW - kW / 2.0, i / kW - kH / 2.0);
                ++ring.second;
            }
        }
        std::vector<int> levels;
        for (const auto& [level, ring] : rings)
            levels.push_back(level);
        const std::vector<int> expected =
            thickness == 0 ? std::vector<int>{255} : std::vector<int>{64, 128, 191, 255};
        ASSERT_EQ(levels.size(), expected.size());
        for (size_t k = 0; k < levels.size(); ++k)
            EXPECT_NEAR(levels[k], expected[k], 1);
        const auto mean = [&](int level) { return rings[level].first / rings[level].second; };
        EXPECT_GE(mean(levels.front()), mean(levels.back())) << "the faintest ring outside";
    }
}

TEST_F(RenderImage, ConsecutiveFlaresTakeTheNextThreeShines) {
    ASSERT_TRUE(renderer.flareAvailable()) << "the build writes the flare textures";
    std::set<Image> frames{draw()};
    settings.lensFlareOn = 1;
    for (const int counter : {3, 6, 9}) {
        frames.insert(draw());
        EXPECT_EQ(renderer.shineCounter(), counter);
    }
    EXPECT_EQ(frames.size(), 4u) << "each flare differs, and from no flare";
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

TEST(Accumulator, EmulationsSumTheirPassesExactly) {
    constexpr int w = 33, h = 7;
    OffscreenContext gl(w, h);
    if (!gl.ok())
        GTEST_SKIP() << gl.error();
    std::mt19937 random(9);
    std::vector<Image> passes(8, Image(w * h * 4));
    std::vector<float> sum(w * h * 4, 0.0f);
    for (Image& pass : passes) {
        for (size_t i = 0; i < pass.size(); ++i) {
            pass[i] = static_cast<unsigned char>(random());
            sum[i] += 0.125f * pass[i];
        }
    }
    GLint framebuffer = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &framebuffer);
    for (const auto method : {Accumulator::Method::GpuFloat, Accumulator::Method::ReadBack}) {
        Accumulator accumulator;
        accumulator.setEmulation(method);
        accumulator.clear(framebuffer, w, h);
        for (const Image& pass : passes) {
            glRasterPos2i(-1, -1);
            glDrawPixels(w, h, GL_RGBA, GL_UNSIGNED_BYTE, pass.data());
            accumulator.add(0.125f);
        }
        accumulator.returnSum(1.0f);
        Image result(w * h * 4);
        glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, result.data());
        int worst = 0;
        for (size_t i = 0; i < result.size(); ++i)
            worst = std::max(worst, static_cast<int>(std::abs(result[i] - sum[i])));
        EXPECT_EQ(worst, 0) << static_cast<int>(method);
    }
}

// Decodes a JPEG to RGB; empty when it is not one.
Image decodeJpeg(const Image& jpeg, int& w, int& h) {
    tjhandle t = tjInitDecompress();
    int sub = 0, space = 0;
    Image rgb;
    if (tjDecompressHeader3(t, jpeg.data(), jpeg.size(), &w, &h, &sub, &space) == 0) {
        rgb.resize(static_cast<size_t>(w) * h * 3);
        tjDecompress2(t, jpeg.data(), jpeg.size(), rgb.data(), w, 0, h, TJPF_RGB, 0);
    }
    tjDestroy(t);
    return rgb;
}

TEST(JpegFile, EveryLayoutDecodesToItsPictureAtAnOddWidth) {
    constexpr int w = 641, h = 9;
    Image rgb(w * h * 3);
    for (int i = 0; i < w * h; ++i) {
        rgb[3 * i] = static_cast<unsigned char>(i % w / 16 % 2 * 200);  // a shear shows
        rgb[3 * i + 1] = static_cast<unsigned char>(i / w * 28);
        rgb[3 * i + 2] = 90;
    }
    const struct {
        PixelLayout layout;
        int order[4];  // source channel of each byte; -1 a skipped byte
        int size;
    } layouts[] = {{PixelLayout::Rgb, {0, 1, 2}, 3},
                   {PixelLayout::Bgr, {2, 1, 0}, 3},
                   {PixelLayout::Rgbx, {0, 1, 2, -1}, 4},
                   {PixelLayout::Bgrx, {2, 1, 0, -1}, 4},
                   {PixelLayout::Grey, {0}, 1}};
    for (const auto& l : layouts) {
        SCOPED_TRACE(static_cast<int>(l.layout));
        const int pitch = w * l.size + 3;  // padded rows
        Image pixels(pitch * h, 7);
        for (int i = 0; i < w * h; ++i)
            for (int b = 0; b < l.size; ++b)
                pixels[i / w * pitch + i % w * l.size + b] =
                    l.order[b] < 0 ? 250 : rgb[3 * i + l.order[b]];
        int dw = 0, dh = 0;
        const Image back = decodeJpeg(encodeJpeg(pixels.data(), w, h, pitch, l.layout, 95), dw, dh);
        ASSERT_EQ(dw, w);
        ASSERT_EQ(dh, h);
        double error = 0.0;
        for (int i = 0; i < w * h; ++i)
            error += std::abs(back[3 * i] - rgb[3 * i]);
        EXPECT_LT(error / (w * h), 8.0) << "4:2:0 chroma blurs the stripes a little, no more";
    }
}

TEST(JpegFile, RenderedFrameIsWrittenWholeOrReportedWithNoFile) {
    OffscreenContext gl(641, 40);
    if (!gl.ok())
        GTEST_SKIP() << gl.error();
    Scene scene("/unused");
    scene.text().fontPath = VYR_TEST_FONT_LIBERATION;
    ASSERT_TRUE(scene.text().buildMesh().ok);
    Renderer renderer;
    renderer.resize(641, 40);
    ViewSettings settings;
    renderer.DrawScene(scene, settings);
    const Image frame = renderer.readFrameRgb();
    const std::filesystem::path dir = ::testing::TempDir() + "vyr-jpeg-" + std::to_string(getpid());
    std::filesystem::create_directories(dir);
    std::string error;
    ASSERT_TRUE(SaveRenderJpeg((dir / "a.jpg").string(), 100, renderer, &error)) << error;
    std::ifstream in(dir / "a.jpg", std::ios::binary);
    int w = 0, h = 0;
    const Image back = decodeJpeg(Image(std::istreambuf_iterator<char>(in), {}), w, h);
    ASSERT_EQ(back.size(), frame.size());
    double diff = 0.0;
    for (size_t i = 0; i < back.size(); ++i)
        diff += std::abs(back[i] - frame[i]);
    EXPECT_LT(diff / back.size(), 3.0) << "unsheared";

    EXPECT_FALSE(SaveRenderJpeg((dir / "no/b.jpg").string(), 75, renderer, &error));
    EXPECT_NE(error.find("b.jpg"), std::string::npos) << error;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    std::filesystem::remove_all(dir);
}

}  // namespace
