#include "render/Renderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "core/SceneObject.h"
#include "render/TextLists.h"
#include "scene/Scene.h"
#include "scene/ViewSettings.h"

namespace vyr {

namespace {

constexpr float kByteToUnit = 0.00392156886f;  // 1/255 in single precision

void setColourFromRgb(uint32_t rgb, float out[4], float alpha) {
    out[0] = static_cast<float>(rgb & 0xFF) * kByteToUnit;
    out[1] = static_cast<float>((rgb >> 8) & 0xFF) * kByteToUnit;
    out[2] = static_cast<float>((rgb >> 16) & 0xFF) * kByteToUnit;
    out[3] = alpha;
}

}  // namespace

struct Renderer::State : SceneRenderer {
    TextLists textLists;
    int width = 1;
    int height = 1;

    void drawCamera(const CCamera& camera, const ViewState&) override {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(camera.eye.x, camera.eye.y, camera.eye.z, camera.target.x, camera.target.y,
                  camera.target.z, camera.up.x, camera.up.y, camera.up.z);
    }

    void drawLight(const CLight& light, const ViewState& view) override {
        float colour[4];
        setColourFromRgb(light.colour, colour, 1.0f);
        const Vec3 d = light.direction();
        const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);

        if (!view.renderMode) {
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
            if (length > 0.0) {
                const double nx = d.x / length, ny = d.y / length, nz = d.z / length;
                if (nx == 0.0 && ny == 0.0) {
                    // Along the z axis the turn axis vanishes: +z needs no turn, -z a half
                    // turn about x.
                    if (nz < 0.0)
                        glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
                } else {
                    glRotatef(static_cast<float>(std::acos(nz) * 57.3248405),
                              static_cast<float>(-ny), static_cast<float>(nx), 0.0f);
                }
            }
            const float halfAngle = (light.cutOff - 0.1f * light.cutOff) * 0.0174444448f;
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
        if (view.interactiveDrag()) {
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

    void drawText(const CText& text, const ViewState& view) override {
        if (textLists.update(text))
            textLists.draw(text, view.interactiveDrag());
    }
};

Renderer::Renderer() : state_(std::make_unique<State>()) {}
Renderer::~Renderer() = default;

std::vector<std::string> Renderer::initialise() {
    return {};
}

void Renderer::resize(int width, int height) {
    state_->width = width;
    state_->height = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = static_cast<double>(width) / (height == 0 ? 1 : height);
    gluPerspective(45.0, aspect, static_cast<double>(0.1f), 100.0);
    glMatrixMode(GL_MODELVIEW);
}

void Renderer::DrawScene(const Scene& scene, const ViewSettings& settings) {
    const ViewState view = settings.makeViewState();
    float clear[4];
    setColourFromRgb(settings.backgroundColour, clear, 0.0f);
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
    glClearAccum(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHT2);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(settings.flatShading ? GL_FLAT : GL_SMOOTH);
    const float ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);

    for (int slot = 0; slot < Scene::kSlotCount; ++slot)
        scene.object(slot).Draw(view, *state_);

    if (!view.renderMode) {
        glDisable(GL_LIGHTING);
        glDisable(GL_FOG);
        glPointSize(12.8f);
        glColor3f(1.0f, 1.0f, 1.0f);
        glBegin(GL_POINTS);
        const Float4& f = settings.flarePosition;
        glVertex4f(f.x, f.y, f.z, f.w);
        glEnd();
        glPointSize(6.8f);
        glEnable(GL_LIGHTING);
    }
    glFlush();
}

std::vector<unsigned char> Renderer::readFrameRgb() const {
    const int w = state_->width, h = state_->height;
    std::vector<unsigned char> bottomUp(static_cast<size_t>(w) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<unsigned char> topDown(bottomUp.size());
    const size_t row = static_cast<size_t>(w) * 3;
    for (int y = 0; y < h; ++y)
        std::copy_n(bottomUp.data() + static_cast<size_t>(h - 1 - y) * row, row,
                    topDown.data() + static_cast<size_t>(y) * row);
    return topDown;
}

bool Renderer::flareAvailable() const {
    return false;
}
int Renderer::width() const {
    return state_->width;
}
int Renderer::height() const {
    return state_->height;
}

}  // namespace vyr
