#include "render/Renderer.h"

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/Angles.h"
#include "render/Accumulator.h"
#include "render/IdentityMatrices.h"
#include "render/LensFlare.h"
#include "render/TextLists.h"
#include "scene/Scene.h"

namespace vyr {

namespace {

constexpr float kByteToUnit = 0.00392156886f;  // 1/255 in single precision

void setColourFromRgb(uint32_t rgb, float out[4], float alpha) {
    out[0] = static_cast<float>(rgb & 0xFF) * kByteToUnit;
    out[1] = static_cast<float>((rgb >> 8) & 0xFF) * kByteToUnit;
    out[2] = static_cast<float>((rgb >> 16) & 0xFF) * kByteToUnit;
    out[3] = alpha;
}

// Sub-pixel offsets of the eight antialiasing passes, in this order.
constexpr float kJitter[8][2] = {
    {-0.334818f, 0.435331f},  {0.286438f, -0.393495f}, {0.459462f, 0.141540f},
    {-0.414498f, -0.192829f}, {-0.183790f, 0.082102f}, {-0.079263f, -0.317383f},
    {0.102254f, 0.299133f},   {0.164216f, -0.054399f},
};

// The viewport projection: 45 degrees, near plane 0.1f widened, far plane 100.
void viewportProjection(int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = static_cast<double>(width) / (height == 0 ? 1 : height);
    gluPerspective(45.0, aspect, static_cast<double>(0.1f), 100.0);
    glMatrixMode(GL_MODELVIEW);
}

// A frustum shifted by a fraction of a pixel (pixdx, pixdy) and, for depth of field, an eye
// offset (eyedx, eyedy) focused at `focus`.
void accFrustum(double left, double right, double bottom, double top, double nearPlane,
                double farPlane, double pixdx, double pixdy, double eyedx, double eyedy,
                double focus) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const double vw = std::max(viewport[2], 1), vh = std::max(viewport[3], 1);
    const double dx = -(pixdx * (right - left) / vw + eyedx * nearPlane / focus);
    const double dy = -(pixdy * (top - bottom) / vh + eyedy * nearPlane / focus);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(left + dx, right + dx, bottom + dy, top + dy, nearPlane, farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(-eyedx, -eyedy, 0.0);
}

// A perspective projection (fovy in degrees) through accFrustum; the near plane is halved.
void accPerspective(double fovy, double aspect, double nearPlane, double farPlane, double pixdx,
                    double pixdy, double eyedx, double eyedy, double focus) {
    const double half = fovy * std::numbers::pi * (1.0 / 180.0) * 0.5;
    const double nearHalf = nearPlane * 0.5;
    const double top = nearHalf / (std::cos(half) / std::sin(half));
    const double right = top * aspect;
    accFrustum(-right, right, -top, top, nearHalf, farPlane, pixdx, pixdy, eyedx, eyedy, focus);
}

// A look-at transform as gluLookAt takes it.
struct LookAt {
    Float3 eye{0.0f, 0.0f, 4.0f};
    Float3 target{0.0f, 0.0f, 0.0f};
    Float3 up{0.0f, 1.0f, 0.0f};

    // Whether gluLookAt makes a regular matrix of it: finite values, the eye off the target
    // and the up vector off the line of sight. Checked in single precision, as GLU works.
    bool sound() const {
        const float values[9] = {eye.x,    eye.y, eye.z, target.x, target.y,
                                 target.z, up.x,  up.y,  up.z};
        for (float v : values) {
            if (!std::isfinite(v))
                return false;
        }
        const Float3 f = target - eye;
        const float fl = std::sqrt(f.x * f.x + f.y * f.y + f.z * f.z);
        if (!(fl > 0.0f) || !std::isfinite(fl))
            return false;
        const Float3 side = cross({f.x / fl, f.y / fl, f.z / fl}, up);
        const float sl = std::sqrt(side.x * side.x + side.y * side.y + side.z * side.z);
        return sl > 0.0f && std::isfinite(sl);
    }
    void load() const {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, up.x, up.y, up.z);
    }
};

// Restores the framebuffer bindings a frame started with, whatever happens in between.
class FramebufferBindings {
  public:
    FramebufferBindings() {
        glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw_);
        glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read_);
    }
    ~FramebufferBindings() {
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(draw_));
        glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read_));
    }
    FramebufferBindings(const FramebufferBindings&) = delete;
    FramebufferBindings& operator=(const FramebufferBindings&) = delete;
    unsigned draw() const { return static_cast<unsigned>(draw_); }

  private:
    GLint draw_ = 0, read_ = 0;
};

}  // namespace

struct Renderer::State {
    TextLists textLists;
    LensFlare flare;
    Accumulator accumulator;
    int width = 1;
    int height = 1;
    // The framebuffer the last frame was drawn into.
    unsigned frameFramebuffer = 0;
    // The last look-at that gave a regular matrix; a camera that does not is drawn with it.
    LookAt lookAt;
    // The text object of the frame being drawn, for the glow pass.
    const Text* text = nullptr;

    void drawCamera(const Camera& camera) {
        const LookAt wanted{camera.eye, camera.target, camera.up};
        if (wanted.sound())
            lookAt = wanted;
        lookAt.load();
    }

    void drawLight(const Light& light, const RenderOptions& options) {
        float colour[4];
        setColourFromRgb(light.colour, colour, 1.0f);
        const Vec3 d = light.direction();
        const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);

        if (!options.finalFrame) {
            glPointSize(6.8f);
            if (glIsEnabled(GL_LIGHTING))
                glDisable(GL_LIGHTING);
            const Float3 marker = light.markerColour();
            glColor3f(marker.x, marker.y, marker.z);
            glBegin(GL_POINTS);
            glVertex4f(light.position.x, light.position.y, light.position.z, light.position.w);
            glEnd();
            glColor4fv(colour);
            glBegin(GL_LINES);
            glVertex3f(light.position.x, light.position.y, light.position.z);
            glVertex3f(light.beamEnd.x, light.beamEnd.y, light.beamEnd.z);
            glEnd();

            GLUquadric* cone = gluNewQuadric();
            gluQuadricDrawStyle(cone, GLU_LINE);
            gluQuadricNormals(cone, GLU_FLAT);
            gluQuadricOrientation(cone, GLU_OUTSIDE);
            const float fogColour[4] = {0.0f, 0.0f, 0.0f, 0.0f};
            glHint(GL_FOG_HINT, GL_NICEST);
            glFogi(GL_FOG_MODE, GL_EXP2);
            glFogfv(GL_FOG_COLOR, fogColour);
            glFogf(GL_FOG_DENSITY, 0.3f);
            glFogf(GL_FOG_START, 48.0f);
            glFogf(GL_FOG_END, 50.0f);
            glEnable(GL_FOG);
            glMatrixMode(GL_MODELVIEW);
            glPushMatrix();
            glTranslatef(light.position.x, light.position.y, light.position.z);
            if (length > 0.0 && std::isfinite(length)) {
                const double nx = d.x / length, ny = d.y / length, nz = d.z / length;
                const float axisX = static_cast<float>(-ny), axisY = static_cast<float>(nx);
                if (axisX == 0.0f && axisY == 0.0f) {
                    // Along the z axis the turn axis vanishes: +z needs no turn, -z a half
                    // turn about x.
                    if (nz < 0.0)
                        glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
                } else {
                    glRotatef(
                        static_cast<float>(std::acos(std::clamp(nz, -1.0, 1.0)) * kRoughRadToDeg),
                        axisX, axisY, 0.0f);
                }
            }
            const float halfAngle = (light.cutOff - 0.1f * light.cutOff) * kRoughDegToRadF;
            gluCylinder(cone, 0.0, std::tan(halfAngle) * length, length, 10, 10);
            glPopMatrix();
            gluDeleteQuadric(cone);
            glDisable(GL_FOG);
            glEnable(GL_LIGHTING);
        }

        const int index = light.rendererLight();
        if (index < 0)
            return;
        const GLenum glLight = GL_LIGHT0 + static_cast<GLenum>(index);
        if (!light.enabled) {
            glDisable(glLight);
            return;
        }
        if (options.interactiveDrag) {
            glDisable(GL_LIGHTING);
            return;
        }
        const float direction[3] = {static_cast<float>(d.x), static_cast<float>(d.y),
                                    static_cast<float>(d.z)};
        const float position[4] = {light.position.x, light.position.y, light.position.z,
                                   light.position.w};
        glLightf(glLight, GL_SPOT_CUTOFF, light.cutOff);
        glLightfv(glLight, GL_SPOT_DIRECTION, direction);
        glLightfv(glLight, GL_POSITION, position);
        glLightfv(glLight, GL_DIFFUSE, colour);
        glLightfv(glLight, GL_SPECULAR, colour);
    }

    void drawText(const Text& textObject, const RenderOptions& options) {
        text = &textObject;
        if (textLists.update(textObject))
            textLists.draw(textObject, options.interactiveDrag);
    }

    // The camera's transform first, then the lights and the text in it.
    void drawObjects(const Scene& scene, const RenderOptions& options) {
        drawCamera(scene.camera());
        for (int light = 1; light <= 3; ++light)
            drawLight(scene.light(light), options);
        drawText(scene.text(), options);
    }

    // Outline rings around the text, from the widest (in the colour nearest the background)
    // to the narrowest (in the glow colour). Ring m is the set of pixels that copies of the
    // text drawn through shifted viewports (offsets up to m) cover and the text itself does
    // not; the rings are painted from m = N down to 0, each over the last.
    void glowPass(const RenderOptions& options) {
        const int n = options.glowThickness;
        if (n < 0)
            return;
        GLint viewport[4], stencilBits = 0;
        glGetIntegerv(GL_VIEWPORT, viewport);
        glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
        const int w = viewport[2], h = viewport[3];
        glEnable(GL_STENCIL_TEST);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glStencilMask(0xFF);
        glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
        // Every pixel of a stencil image keeps the smallest m whose copies cover it, so each
        // copy is drawn once instead of once per ring, with the same painted result. Rings
        // beyond the stencil's values go in batches, the widest first: a pixel that a later
        // batch covers is painted over by it.
        const int values = (1 << std::min<int>(stencilBits, 8)) - 1;
        for (int high = n; high >= 0 && values > 0; high -= values) {
            const int low = std::max(high - values + 1, 0);
            auto value = [low](int m) { return m - low + 1; };
            glClear(GL_STENCIL_BUFFER_BIT);
            glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
            for (int m = high; m >= std::max(low, 1); --m) {
                glStencilFunc(GL_ALWAYS, value(m), 0xFF);
                for (int i : {-m, m}) {
                    drawGlowCopy(options, i, 0, w + i, h);
                    drawGlowCopy(options, 0, i, w, h + i);
                }
            }
            if (low == 0) {
                glStencilFunc(GL_ALWAYS, value(0), 0xFF);
                drawGlowCopy(options, 1, 1, w + 1, h + 1);
            }
            glStencilFunc(GL_ALWAYS, 0, 0xFF);
            drawGlowCopy(options, 0, 0, w, h);
            glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
            for (int m = high; m >= low; --m) {
                glStencilFunc(GL_EQUAL, value(m), 0xFF);
                paintRing(options, n, m);
            }
        }
        glViewport(0, 0, w, h);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glDisable(GL_STENCIL_TEST);
    }

    // A copy shifted by the viewport's size or more lies wholly outside it, and a viewport of
    // negative size would be refused and leave the last one in place: such copies are skipped.
    void drawGlowCopy(const RenderOptions& options, int x, int y, int w, int h) {
        if (w <= 0 || h <= 0)
            return;
        glViewport(x, y, w, h);
        if (text != nullptr && textLists.update(*text))
            textLists.drawOutline(*text, options.interactiveDrag);
    }

    // Fills the ring m of N (where the stencil test passes) in its colour, from the
    // background's at the widest ring to the glow colour at m = 0.
    static void paintRing(const RenderOptions& options, int n, int m) {
        float glow[4], background[4];
        setColourFromRgb(options.glowColour, glow, 1.0f);
        setColourFromRgb(options.background, background, 1.0f);
        const float t = static_cast<float>(m) / static_cast<float>(n + 1);
        glColor3f(glow[0] - (glow[0] - background[0]) * t, glow[1] - (glow[1] - background[1]) * t,
                  glow[2] - (glow[2] - background[2]) * t);
        // The whole viewport, of which the stencil test lets only the ring through, whatever
        // the camera looks at (a rectangle in the scene would miss the ring when the camera
        // looks along its plane).
        const IdentityMatrices identity;
        glRecti(-1, -1, 1, 1);
    }

    // Eight passes, each shifted by a fraction of a pixel under a 50 degree projection
    // (near 0.5, far 15), averaged; then the viewport projection again.
    void antialias(const Scene& scene, const RenderOptions& options, unsigned framebuffer) {
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        const int w = viewport[2], h = viewport[3];
        accumulator.clear(framebuffer, w, h);
        for (const auto& jitter : kJitter) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            accPerspective(50.0, static_cast<double>(w) / std::max(h, 1), 1.0, 15.0, jitter[0],
                           jitter[1], 0.0, 0.0, 1.0);
            drawObjects(scene, options);
            if (options.glow)
                glowPass(options);
            accumulator.add(0.125f);
        }
        accumulator.returnSum(1.0f);
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        viewportProjection(width, height);
    }

    // The flare along the line from the view's centre through the flare point; drawn over
    // the finished picture, so it is not antialiased.
    void drawFlare(const RenderOptions& options) {
        Float3 light{options.flarePosition.x, options.flarePosition.y, options.flarePosition.z};
        glEnable(GL_TEXTURE_2D);
        glDisable(GL_LIGHTING);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        flare.drawFlares(lookAt.eye, {0.1f, 0.1f, 0.1f}, light, 1.0f);
        glPopMatrix();
        glEnable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
    }
};

Renderer::Renderer() : state_(std::make_unique<State>()) {}
Renderer::~Renderer() = default;

std::vector<std::string> Renderer::initialise() {
    return state_->flare.load();
}

void Renderer::resize(int width, int height) {
    state_->width = width;
    state_->height = height;
    glViewport(0, 0, width, height);
    viewportProjection(width, height);
}

void Renderer::drawScene(const Scene& scene, const RenderOptions& options) {
    const FramebufferBindings bindings;
    state_->frameFramebuffer = bindings.draw();
    state_->text = &scene.text();
    const bool antialias = options.finalFrame && options.antialias;
    float clear[4];
    setColourFromRgb(options.background, clear, 0.0f);
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
    glClearAccum(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHT2);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(options.flat ? GL_FLAT : GL_SMOOTH);
    const float ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);

    // With antialiasing every pass clears and draws the whole scene itself.
    if (antialias)
        state_->drawCamera(scene.camera());
    else
        state_->drawObjects(scene, options);

    if (!options.finalFrame) {
        glDisable(GL_LIGHTING);
        glDisable(GL_FOG);
        glPointSize(12.8f);
        glColor3f(1.0f, 1.0f, 1.0f);
        glBegin(GL_POINTS);
        const Float4& f = options.flarePosition;
        glVertex4f(f.x, f.y, f.z, f.w);
        glEnd();
        glPointSize(6.8f);
        glEnable(GL_LIGHTING);
    } else {
        if (antialias)
            state_->antialias(scene, options, bindings.draw());
        else if (options.glow)
            state_->glowPass(options);
        if (options.flare)
            state_->drawFlare(options);
    }
    glFlush();
}

std::vector<unsigned char> Renderer::readFrameRgb() const {
    const int w = state_->width, h = state_->height;
    std::vector<unsigned char> bottomUp(static_cast<size_t>(w) * h * 3);
    GLint readFramebuffer = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readFramebuffer);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, state_->frameFramebuffer);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    glPopClientAttrib();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readFramebuffer));
    std::vector<unsigned char> topDown(bottomUp.size());
    const size_t row = static_cast<size_t>(w) * 3;
    for (int y = 0; y < h; ++y)
        std::copy_n(bottomUp.data() + static_cast<size_t>(h - 1 - y) * row, row,
                    topDown.data() + static_cast<size_t>(y) * row);
    return topDown;
}

bool Renderer::flareAvailable() const {
    return state_->flare.available();
}
Accumulator& Renderer::accumulator() {
    return state_->accumulator;
}
int Renderer::shineCounter() const {
    return state_->flare.shineCounter();
}
int Renderer::width() const {
    return state_->width;
}
int Renderer::height() const {
    return state_->height;
}

}  // namespace vyr
