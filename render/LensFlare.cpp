#include "render/LensFlare.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <filesystem>

#include "render/SgiImage.h"

namespace vyr {

namespace {

// Scales `a` to unit length; false (and `a` unchanged) when there is no direction to keep:
// the length is zero, tiny or not finite.
bool toUnit(Float3& a) {
    const float length = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    if (!(length > 1e-6f) || !std::isfinite(length))
        return false;
    a = {a.x / length, a.y / length, a.z / length};
    return true;
}

constexpr int kShineCount = 10;
constexpr int kFlareCount = 6;

// Binds `name`, sets its filters and builds its mipmaps from the grey-level SGI image `file`.
// False with "<file>: <reason>" when the file cannot be read; the texture stays empty then.
bool loadTexture(const std::string& file, GLuint name, GLint minFilter, GLint magFilter,
                 std::string& error) {
    glBindTexture(GL_TEXTURE_2D, name);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
    SgiTexture texture;
    if (!readTexture(file, texture, &error))
        return false;
    const GLint status = gluBuild2DMipmaps(GL_TEXTURE_2D, 1, texture.width, texture.height,
                                           GL_LUMINANCE, GL_UNSIGNED_BYTE, texture.pixels.data());
    if (status != 0) {
        error = file + ": " + reinterpret_cast<const char*>(gluErrorString(status));
        return false;
    }
    return true;
}

}  // namespace

std::array<FlareElement, 12> initFlareTable() {
    const float red[3] = {1, 0, 0}, green[3] = {0, 1, 0}, blue[3] = {0, 0, 1};
    std::array<FlareElement, 12> table;
    auto set = [&table](int i, int type, float location, float scale, const float colour[3],
                        float colourScale) {
        FlareElement& e = table[i];
        e.type = type;
        e.location = location;
        e.scale = scale;
        for (int c = 0; c < 3; ++c)
            e.colour[c] = colour[c] * colourScale;
    };
    set(0, -1, 1.0f, 0.3f, blue, 1.0f);
    set(1, -1, 1.0f, 0.2f, green, 1.0f);
    set(2, -1, 1.0f, 0.25f, red, 1.0f);
    set(3, 2, 1.3f, 0.04f, red, 0.6f);
    set(4, 3, 1.0f, 0.1f, red, 0.4f);
    set(5, 1, 0.5f, 0.2f, red, 0.3f);
    set(6, 3, 0.2f, 0.05f, red, 0.3f);
    set(7, 0, 0.0f, 0.04f, red, 0.3f);
    set(8, 5, -0.25f, 0.07f, red, 0.5f);
    set(9, 5, -0.4f, 0.02f, red, 0.6f);
    set(10, 5, -0.6f, 0.04f, red, 0.4f);
    set(11, 5, -1.0f, 0.03f, red, 0.4f);
    return table;
}

struct LensFlare::State {
    std::array<FlareElement, 12> table = initFlareTable();
    // Texture object names by role: the logo (loaded, never drawn), the shines, the flares.
    GLuint logoTexture = 0;
    GLuint shineTextures[kShineCount] = {};
    GLuint flareTextures[kFlareCount] = {};
    bool generated = false;
    bool available = false;
    int shineCounter = 0;

    void release() {
        if (!generated)
            return;
        glDeleteTextures(1, &logoTexture);
        glDeleteTextures(kShineCount, shineTextures);
        glDeleteTextures(kFlareCount, flareTextures);
        generated = false;
    }

    // Stops at the first texture that does not load, so a missing folder gives one message.
    std::vector<std::string> loadFlareTextures(const std::string& folder) {
        release();
        available = false;
        glGenTextures(1, &logoTexture);
        glGenTextures(kShineCount, shineTextures);
        glGenTextures(kFlareCount, flareTextures);
        generated = true;

        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        const GLint minFilter = GL_LINEAR_MIPMAP_LINEAR, magFilter = GL_LINEAR;
        const std::string prefix = folder.empty() ? std::string() : folder + "/";
        std::string error;
        bool ok = loadTexture(prefix + "OpenGL.bw", logoTexture, minFilter, magFilter, error);
        for (int i = 0; ok && i < kShineCount; ++i)
            ok = loadTexture(prefix + "Shine" + std::to_string(i) + ".bw", shineTextures[i],
                             minFilter, magFilter, error);
        for (int i = 1; ok && i <= kFlareCount; ++i)
            ok = loadTexture(prefix + "Flare" + std::to_string(i) + ".bw", flareTextures[i - 1],
                             minFilter, magFilter, error);
        glBindTexture(GL_TEXTURE_2D, 0);
        if (!ok) {
            release();
            return {error};
        }
        available = true;
        return {};
    }
};

LensFlare::LensFlare() : state_(std::make_unique<State>()) {}
LensFlare::~LensFlare() {
    state_->release();
}

std::string LensFlare::textureFolder() {
    // The current folder, then share/vyr/lensflare beside the program's bin folder (so that
    // an installed tree works wherever it was installed), then the configured install folder
    // and the build folder.
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::string besideProgram =
        ec ? std::string() : (program.parent_path().parent_path() / "share/vyr/lensflare").string();
    const std::string candidates[] = {"lensflare", besideProgram, VYR_LENSFLARE_INSTALL_DIR,
                                      VYR_LENSFLARE_BUILD_DIR};
    for (const std::string& folder : candidates) {
        if (!folder.empty() && std::filesystem::is_directory(folder, ec))
            return folder;
    }
    return candidates[0];
}

std::vector<std::string> LensFlare::load() {
    return load(textureFolder());
}

std::vector<std::string> LensFlare::load(const std::string& folder) {
    state_->table = initFlareTable();
    return state_->loadFlareTextures(folder);
}

bool LensFlare::available() const {
    return state_->available;
}

void LensFlare::drawFlares(Float3 from, Float3 at, Float3& light, float nearDistance) {
    if (!state_->available)
        return;
    const Float3 eye = from;
    Float3 view = at - eye;
    Float3 toLight = light - eye;
    // An eye on the target or on the flare point leaves no direction to lay the flare along.
    if (!toUnit(view) || !toUnit(toLight))
        return;
    const Float3 centre = eye + view * nearDistance;
    const Float3 lightPoint = eye + toLight;
    light = lightPoint;
    const Float3 axis = lightPoint - centre;
    Float3 dx = axis;
    // The flare point in line with the view direction: the flare has no axis and shows nothing.
    if (!toUnit(dx))
        return;
    const Float3 dy = cross(dx, view);

    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    for (const FlareElement& e : state_->table) {
        const Float3 sx = dx * (e.scale * 1.5f);
        const Float3 sy = dy * (e.scale * 1.5f);
        glColor3fv(e.colour);
        if (e.type < 0) {
            glBindTexture(GL_TEXTURE_2D, state_->shineTextures[state_->shineCounter]);
            state_->shineCounter = (state_->shineCounter + 1) % kShineCount;
        } else {
            glBindTexture(GL_TEXTURE_2D, state_->flareTextures[e.type]);
        }
        const Float3 p = centre + axis * e.location;
        const Float3 corners[4] = {p + sx + sy, p - sx + sy, p - sx - sy, p + sx - sy};
        const float st[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        glBegin(GL_QUADS);
        for (int k = 0; k < 4; ++k) {
            glTexCoord2fv(st[k]);
            glVertex3f(corners[k].x, corners[k].y, corners[k].z);
        }
        glEnd();
    }
}

int LensFlare::shineCounter() const {
    return state_->shineCounter;
}

}  // namespace vyr
