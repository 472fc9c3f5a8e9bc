#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "render/Accumulator.h"
#include "render/OffscreenContext.h"
#include "render/Renderer.h"
#include "scene/Scene.h"
#include "scene/ViewSettings.h"

using namespace vyr;
using Image = std::vector<unsigned char>;

namespace {

constexpr int kW = 65, kH = 48;  // rows of odd length

// Pixels a weight picks: weighted centroid, total weight, box (left, right, top, bottom).
struct Spot {
    double x = 0, y = 0, weight = 0, box[4] = {1e9, -1e9, 1e9, -1e9};
    void add(double px, double py) {
        box[0] = std::min(box[0], px), box[1] = std::max(box[1], px);
        box[2] = std::min(box[2], py), box[3] = std::max(box[3], py);
    }
};

// Expected pixels from the look-at and perspective computed here: x, y from the left, top.
class RenderImage : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!gl.ok())
            GTEST_SKIP() << gl.error();
        scene.text().parameters.chooseFontPath(VYR_TEST_FONT_LIBERATION);
        renderer.initialise();
        renderer.resize(kW, kH);
    }
    template <typename P>
    static Vec3 v3(P p) {
        return {p.x, p.y, p.z};
    }
    // Where gluLookAt(camera) and a perspective of `fovy` degrees put world point p.
    static std::array<double, 2> pixelOf(const Camera& c, Vec3 p, double fovy) {
        const Vec3 f = normalize(v3(c.target) - v3(c.eye)), s = normalize(cross(f, v3(c.up)));
        const Vec3 d = p - v3(c.eye);
        const double k = kH / 2.0 / std::tan(fovy * M_PI / 360) / dot(d, f);
        return {kW / 2.0 + k * dot(d, s), kH / 2.0 - k * dot(d, cross(s, f))};
    }
    template <typename Weight>
    static Spot find(const Image& rgb, Weight weight) {
        Spot s;
        for (int i = 0; i < kW * kH; ++i) {
            const double w = weight(&rgb[3 * i]), x = i % kW, y = i / kW;
            if (w > 0)
                s.x += w * (x + 0.5), s.y += w * (y + 0.5), s.weight += w, s.add(x, y),
                    s.add(x + 1, y + 1);
        }
        s.x /= s.weight, s.y /= s.weight;
        return s;
    }
    // The light markers and the flare point beyond the far plane of every view, without beams.
    void parkMarkers() {
        for (int slot = 1; slot <= 3; ++slot) {
            Light& light = scene.light(slot);
            light.position = light.beamEnd = {0, 0, 1000, 1};
            light.referencePoint = light.targetPoint;
        }
        settings.flarePosition = {0, 0, 1000, 1};
    }
    // A flat "." (rectangle) in green 204: world centre, box in a frame of `fovy` along -z.
    Spot flatDot(float sx, float sy, double fovy) {
        Text& t = scene.text();
        t.parameters.text = ".", t.parameters.bevelOn = 0, t.parameters.extrusionLength = 0,
        t.parameters.scale = {sx, sy, sx};
        t.parameters.frontMaterial = t.parameters.sideMaterial = {{0, 0.8f, 0, 1}};
        EXPECT_TRUE(t.buildMesh().ok);
        Spot g, r;
        for (const VertexRecord& v : t.mesh().entries.at(0).records)
            g.add((v.position.x - t.mesh().width / 2) * sx, v.position.y * sy);
        for (int k = 0; k < 4; ++k) {
            const auto p = pixelOf(scene.camera(), {g.box[k / 2], g.box[2 + k % 2], 0}, fovy);
            r.add(p[0], p[1]);
        }
        r.x = (g.box[0] + g.box[1]) / 2, r.y = (g.box[2] + g.box[3]) / 2;
        return r;
    }
    void look(Float3 eye, Float3 target, Float3 up = {0, 1, 0}) {
        scene.camera().eye = eye, scene.camera().target = target, scene.camera().up = up;
    }
    Image draw(bool finalFrame, bool antialias) {
        settings.finalFrame = finalFrame, settings.antialias = antialias;
        renderer.drawScene(scene, settings);
        return renderer.readFrameRgb();
    }

    OffscreenContext gl{kW, kH};
    Scene scene{"/unused"};
    Renderer renderer;
    RenderOptions settings;
};

TEST_F(RenderImage, MarkersLandWhereTheLookAtAndThePerspectiveProjectThem) {
    const Spot dot = flatDot(0.01f, 0.01f, 45);
    parkMarkers();
    scene.yellowLight().colour = 0;  // its marker alone shows
    // Eye, target, up, flare point, light. A camera gluLookAt cannot use (eye on the target,
    // up along the line of sight) leaves the last sound one, at first the start view. Two look
    // across, their side vectors mostly along z and y; one looks mostly along -x. The last is
    // closer than one unit, its markers nearer than the final frame's near plane.
    const float rows[][15] = {
        {0.5f, -0.4f, 1.5f, 0.5f, -0.4f, 1.5f, 0.3f, 0.4f, 0.5f, -0.8f, 0.5f, 0.3f, 1.2f, 0.4f,
         -0.2f},
        {2.5f, 1.5f, 3, 0.9f, 0.4f, 0.1f, 0.3f, 1, -0.2f, -0.3f, 0.7f, 0.3f, 1.6f, 1, -0.2f},
        {1, 2, 3.5f, 0.2f, 0.4f, 0.3f, -0.4f, -0.8f, -1.6f, -0.3f, 0.7f, 0.3f, 1.6f, 1, -0.2f},
        {0.5f, -3, -2.5f, -0.6f, 0.8f, 0, 0, 0, -0.5f, -1.6f, 0.6f, 0.3f, 0.3f, 1.4f, -0.2f},
        {-2.3f, 0.1f, 1.8f, 0.1f, 0.1f, 0, 0, 1, 0, -0.3f, 0.5f, 0.2f, 0.4f, -0.3f, 0.3f},
        {2.4f, -0.3f, 1.9f, 0.1f, 0.1f, 0.1f, 0, 0, 1, 0.3f, 0.6f, -0.2f, -0.2f, 0.5f, 0.3f},
        {3.5f, -0.9f, 1, 0.5f, 0.1f, 0.5f, 0, 1, 0, 0.8f, 0.3f, 0.4f, 1, -0.2f, 0.3f},
        {0.1f, 0.9f, 0.6f, 0.15f, 0.15f, 0.2f, 0, 0, -1, -0.15f, 0.2f, 0.2f, 0.35f, 0.1f, 0.1f}};
    Camera seen;
    for (const float* r : rows) {
        SCOPED_TRACE(r[0]);
        look({r[0], r[1], r[2]}, {r[3], r[4], r[5]}, {r[6], r[7], r[8]});
        if (r != rows[0] && r != rows[2])
            seen = scene.camera();
        settings.flarePosition = {r[9], r[10], r[11]};
        scene.yellowLight().position = scene.yellowLight().beamEnd = {r[12], r[13], r[14]};
        // Viewport: white flare point, yellow marker, green text; final (50 degrees): text.
        const Image viewport = draw(0, 1), final = draw(1, 1);
        const Spot found[4] = {find(viewport, [](auto p) { return p[0] && p[2] ? 1.0 : 0.0; }),
                               find(viewport, [](auto p) { return p[0] && !p[2] ? 1.0 : 0.0; }),
                               find(viewport, [](auto p) { return p[0] ? 0.0 : p[1]; }),
                               find(final, [](auto p) { return double(p[1]); })};
        const Vec3 points[4] = {
            {r[9], r[10], r[11]}, {r[12], r[13], r[14]}, {dot.x, dot.y, 0}, {dot.x, dot.y, 0}};
        for (int k = 0; k < 4; ++k) {
            const auto expected = pixelOf(seen, points[k], k < 3 ? 45 : 50);
            EXPECT_NEAR(found[k].x, expected[0], 0.5) << k;
            EXPECT_NEAR(found[k].y, expected[1], 0.5) << k;
        }
    }
}

TEST_F(RenderImage, SpotConesOpenFromTheLightAlongItsDirection) {
    parkMarkers();
    look({0, 0, 3}, {0, 0, 0});
    Light& light = scene.yellowLight();
    light.colour = 0x00FF0000, light.cutOff = 40;  // a blue cone of half-angle 36 degrees
    const std::pair<Float4, Vec3> rows[] = {{{0.3f, 0.2f, 0.5f}, {0, 0, -0.9}},
                                            {{-0.2f, 0, 0}, {0, 0, 0.9}},
                                            {{0, -0.5f, 0}, {0, 0.5, 0.7}},
                                            {{0.2f, 0.3f, 0}, {0.5, -0.4, -0.5}}};
    for (const auto& [position, d] : rows) {
        const Vec3 end = v3(position) + d;
        light.position = position, light.beamEnd = {float(end.x), float(end.y), float(end.z)};
        light.referencePoint = {-float(d.x), -float(d.y), -float(d.z)};
        // The apex at the light, the rim round the beam's end.
        Spot expected;
        const double r = std::tan(36 * M_PI / 180) * std::sqrt(dot(d, d));
        const Vec3 u = normalize(cross(d, {1, 2, 3})) * r, w = normalize(cross(d, u)) * r;
        for (double a = 0; a < 7; a += 0.01) {
            const auto p =
                pixelOf(scene.camera(),
                        a < 6.3 ? end + u * std::cos(a) + w * std::sin(a) : v3(position), 45);
            expected.add(p[0], p[1]);
        }
        const Spot cone = find(draw(0, 1), [](auto p) { return p[0] || p[1] ? 0.0 : p[2]; });
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(cone.box[k], expected.box[k], 1.5) << &position - &rows[0].first << k;
    }
}

TEST_F(RenderImage, AntialiasingAveragesEightPassesShiftedByTheirJitter) {
    ASSERT_TRUE(scene.text().buildMesh().ok);
    draw(1, 1);  // lists of the "@" first: the dot's rebuild must replace them
    const double jitter[8][2] = {
        {-0.334818, 0.435331}, {0.286438, -0.393495},  {0.459462, 0.141540}, {-0.414498, -0.192829},
        {-0.183790, 0.082102}, {-0.079263, -0.317383}, {0.102254, 0.299133}, {0.164216, -0.054399}};
    // An x and a y edge 0.02 to 0.03 pixels from pixel centres: every offset decides a pixel.
    look({0.11f, -0.466f, 3}, {0.11f, -0.466f, 0});
    const Spot dot = flatDot(0.02f, 0.02f, 50);
    const double* box = dot.box;
    for (const auto method : {Accumulator::Method::ReadBack, Accumulator::Method::GpuFloat}) {
        renderer.accumulator().setEmulation(method);
        const Image rgb = draw(1, 1);
        int wrong = 0;
        for (int i = 0; i < kW * kH; ++i) {
            int covered = 0;  // passes whose shifted picture covers the pixel's centre (y up)
            for (const auto& j : jitter) {
                const double x = i % kW + 0.5 - j[0], y = i / kW + 0.5 + j[1];
                covered += x > box[0] && x < box[1] && y > box[2] && y < box[3];
            }
            wrong +=
                std::abs(rgb[3 * i + 1] - 204 * covered / 8.0) > 1 || rgb[3 * i] || rgb[3 * i + 2];
        }
        EXPECT_EQ(wrong, 0) << static_cast<int>(method);
    }
}

// A multisampled framebuffer is resolved before its colour is summed: passes of weight 1/2
// cleared to red 0.2 and 0.6 give 0.4 (102) in every sample.
TEST_F(RenderImage, AccumulationResolvesAMultisampledFramebuffer) {
    GLint shown = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &shown);
    GLuint framebuffer = 0, colour = 0;
    glGenFramebuffers(1, &framebuffer);
    glGenRenderbuffers(1, &colour);
    glBindRenderbuffer(GL_RENDERBUFFER, colour);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, 4, GL_RGBA8, kW, kH);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), GLenum(GL_FRAMEBUFFER_COMPLETE));
    for (const auto method : {Accumulator::Method::ReadBack, Accumulator::Method::GpuFloat}) {
        Accumulator sum;
        sum.setEmulation(method);
        sum.clear(framebuffer, kW, kH);
        for (const float red : {0.2f, 0.6f, 0.0f}) {
            glClearColor(red, 1, 0, 1);
            glClear(GL_COLOR_BUFFER_BIT);
            if (red > 0)
                sum.add(0.5f);
        }
        sum.returnSum(1);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(shown));
        glBlitFramebuffer(0, 0, kW, kH, 0, 0, kW, kH, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        glBindFramebuffer(GL_FRAMEBUFFER, GLuint(shown));
        const Image rgb = gl.readRgb();
        for (size_t i = 0; i < rgb.size(); i += 3)
            ASSERT_EQ(Image(&rgb[i], &rgb[i + 3]), (Image{102, 255, 0})) << int(method) << " " << i;
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    }
}

// A framebuffer wider than the driver allows leaves the context unusable, and says so.
TEST(OffscreenContext, AFramebufferBeyondTheDriversLimitFails) {
    const OffscreenContext gl(1 << 20, 1);
    EXPECT_TRUE(!gl.ok() && gl.error() != "");
}

TEST_F(RenderImage, GlowRingsFollowTheShiftedCopiesOfTheText) {
    look({-1.2f, -0.7f, 3}, {-1.2f, -0.7f, 0});
    const Spot dot = flatDot(0.02f, 0.025f, 45);
    const double* box = dot.box;
    // A copy drawn through viewport (x, y, kW + ax, kH + ay), in window coordinates (y up).
    auto covers = [&](double px, double py, int x, int y, int ax, int ay) {
        const double sx = (kW + ax) / double(kW), sy = (kH + ay) / double(kH);
        return px > x + box[0] * sx && px < x + box[1] * sx && py > y + (kH - box[3]) * sy &&
               py < y + (kH - box[2]) * sy;
    };
    settings.glow = true, settings.glowColour = 0x00C08040, settings.background = 0x00102030;
    const int glow[3] = {0x40, 0x80, 0xC0}, background[3] = {0x30, 0x20, 0x10};
    // 280 rings take two passes of the stencil's 255 values.
    for (const int n : {0, 3, 280}) {
        settings.glowThickness = n;
        const Image rgb = draw(1, 0);
        int wrong = 0;
        for (int i = 0; i < kW * kH; ++i) {
            const double x = i % kW + 0.5, y = kH - i / kW - 0.5;
            // The text keeps its colour; ring m: the first whose copies cover the pixel.
            int m = covers(x, y, 0, 0, 0, 0) ? -2 : -1;
            for (int k = 0; k <= n && m == -1; ++k)
                if (k ? covers(x, y, -k, 0, -k, 0) || covers(x, y, k, 0, k, 0) ||
                            covers(x, y, 0, -k, 0, -k) || covers(x, y, 0, k, 0, k)
                      : covers(x, y, 1, 1, 1, 1))
                    m = k;
            const double t = m >= 0 ? double(m) / (n + 1) : 1;
            for (int c = 0; c < 3; ++c)
                wrong += std::abs(rgb[3 * i + c] -
                                  (m == -2 ? (c == 1) * 204
                                           : glow[c] - (glow[c] - background[c]) * t)) > 1;
        }
        EXPECT_EQ(wrong, 0) << n;
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << n;
    }
}

}  // namespace
