#include "cli/ImageOutput.h"

#include <charconv>
#include <cmath>

#include "cli/CliOptions.h"
#include "render/ImageFile.h"
#include "render/OffscreenContext.h"
#include "render/Renderer.h"
#include "scene/Scene.h"

namespace vyr {

namespace {

constexpr int kMaxImageSide = 4096;

// "A,B[,C]": exactly N numbers within +-limit.
template <size_t N>
std::optional<std::array<float, N>> numbers(const std::string& s, char separator, double limit) {
    std::array<float, N> out{};
    size_t start = 0;
    for (size_t k = 0; k < N; ++k) {
        const size_t cut = s.find(separator, start);
        if ((k + 1 < N) != (cut != std::string::npos))
            return std::nullopt;
        const auto v = parseNumber(s.substr(start, cut - start));
        if (!v || std::fabs(*v) > limit)
            return std::nullopt;
        out[k] = static_cast<float>(*v);
        start = cut + 1;
    }
    return out;
}

// "RRGGBB" in hexadecimal as 0x00BBGGRR.
std::optional<uint32_t> colour(const std::string& s) {
    if (s.size() != 6)
        return std::nullopt;
    uint32_t rgb = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + 6, rgb, 16);
    if (ec != std::errc() || ptr != s.data() + 6)
        return std::nullopt;
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

std::optional<int> whole(const std::string& s, int lo, int hi) {
    int v = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || ptr != s.data() + s.size() || v < lo || v > hi)
        return std::nullopt;
    return v;
}

std::optional<int> onOff(const std::string& s) {
    if (s == "on")
        return 1;
    if (s == "off")
        return 0;
    return std::nullopt;
}

}  // namespace

bool parseImageOption(const std::vector<std::string>& args, size_t& i, ImageOptions& into,
                      std::string& error) {
    const std::string& name = args[i];
    if (name == "--flat") {
        into.flat = true;
        return true;
    }
    if (name == "--viewport-frame") {
        into.viewportFrame = true;
        return true;
    }
    static const char* const withValue[] = {
        "--size",           "--antialias", "--glow",           "--glow-colour",
        "--glow-thickness", "--flare",     "--flare-position", "--quality",
        "--background",     "--view",      "--camera-eye",     "--camera-target"};
    bool known = false;
    for (const char* option : withValue)
        known |= name == option;
    if (!known)
        return false;
    if (i + 1 >= args.size()) {
        error = "option " + name + " needs a value";
        return true;
    }
    const std::string& value = args[++i];
    auto bad = [&](const std::string& wants) {
        error = name + " takes " + wants + ", not \"" + value + "\"";
        return true;
    };
    if (name == "--size") {
        const size_t x = value.find('x');
        const auto w = whole(value.substr(0, x), 1, kMaxImageSide);
        const auto h =
            x == std::string::npos ? std::nullopt : whole(value.substr(x + 1), 1, kMaxImageSide);
        if (!w || !h)
            return bad("WIDTHxHEIGHT, each from 1 to 4096");
        into.width = *w;
        into.height = *h;
    } else if (name == "--antialias" || name == "--glow" || name == "--flare") {
        const auto v = onOff(value);
        if (!v)
            return bad("on or off");
        (name == "--antialias" ? into.antialias : name == "--glow" ? into.glow : into.flare) = *v;
    } else if (name == "--glow-colour" || name == "--background") {
        const auto c = colour(value);
        if (!c)
            return bad("a colour RRGGBB in hexadecimal");
        (name == "--glow-colour" ? into.glowColour : into.background) = *c;
    } else if (name == "--glow-thickness") {
        const auto n = whole(value, 0, 50);
        if (!n)
            return bad("a whole number from 0 to 50");
        into.glowThickness = *n;
    } else if (name == "--flare-position") {
        const auto xy = numbers<2>(value, ',', 10000.0);
        if (!xy)
            return bad("X,Y, two numbers from -10000 to 10000");
        into.flarePosition = *xy;
    } else if (name == "--quality") {
        const auto q = whole(value, 1, 100);
        if (!q)
            return bad("a whole number from 1 to 100");
        into.quality = *q;
    } else if (name == "--view") {
        if (value != "front" && value != "back" && value != "up" && value != "down" &&
            value != "right" && value != "left")
            return bad("front, back, up, down, right or left");
        into.view = value;
    } else {
        const auto xyz = numbers<3>(value, ',', 10000.0);
        if (!xyz)
            return bad("X,Y,Z, three numbers from -10000 to 10000");
        (name == "--camera-eye" ? into.cameraEye : into.cameraTarget) = *xyz;
    }
    return true;
}

bool isImageExtension(const std::string& ext) {
    return ext == "jpg" || ext == "jpeg" || ext == "png";
}

void applyImageCamera(const ImageOptions& o, Scene& scene) {
    Camera& camera = scene.camera();
    if (o.view) {
        const std::string& v = *o.view;
        if (v == "front")
            camera.viewFront();
        else if (v == "back")
            camera.viewBack();
        else if (v == "up")
            camera.viewUp();
        else if (v == "down")
            camera.viewDown();
        else if (v == "right")
            camera.viewRight();
        else
            camera.viewLeft();
    }
    if (o.cameraEye)
        camera.setEye((*o.cameraEye)[0], (*o.cameraEye)[1], (*o.cameraEye)[2]);
    if (o.cameraTarget)
        camera.setTarget((*o.cameraTarget)[0], (*o.cameraTarget)[1], (*o.cameraTarget)[2]);
}

bool ImageOutput::render(const Scene& scene, std::string& error,
                         std::vector<std::string>& warnings) {
    const ImageOptions& o = options_;
    OffscreenContext context(o.width, o.height);
    if (!context.ok()) {
        error = "no OpenGL context to render in: " + context.error();
        return false;
    }
    Renderer renderer;
    const std::vector<std::string> problems = renderer.initialise();
    if (o.flare && !o.viewportFrame)
        warnings.insert(warnings.end(), problems.begin(), problems.end());
    renderer.resize(o.width, o.height);

    RenderOptions options;
    options.finalFrame = !o.viewportFrame;
    options.antialias = o.antialias;
    options.glow = o.glow;
    options.flare = o.flare;
    options.flat = o.flat;
    if (o.glowColour)
        options.glowColour = *o.glowColour;
    if (o.glowThickness)
        options.glowThickness = *o.glowThickness;
    if (o.background)
        options.background = *o.background;
    if (o.flarePosition)
        options.flarePosition = {(*o.flarePosition)[0], (*o.flarePosition)[1], 0.0f, 1.0f};
    renderer.drawScene(scene, options);
    rgb_ = renderer.readFrameRgb();
    rendered_ = true;
    return true;
}

bool ImageOutput::encode(const Scene& scene, const std::string& ext,
                         std::vector<unsigned char>& bytes, std::string& error,
                         std::vector<std::string>& warnings) {
    if (!rendered_ && !render(scene, error, warnings))
        return false;
    const ImageOptions& o = options_;
    bytes = ext == "png" ? encodePng(rgb_.data(), o.width, o.height, &error)
                         : encodeJpegToMemory(rgb_.data(), o.width, o.height, 3, o.quality, &error);
    return !bytes.empty();
}

const char* imageUsageText() {
    return "Images:\n"
           "Pictures (-o FILE.jpg, -o FILE.png) are rendered headless, as the modeller's final\n"
           "render.\n"
           "  --size WxH              picture size in pixels (default 640x480)\n"
           "  --antialias on|off      eight-pass antialiasing (default on)\n"
           "  --glow on|off           a glow outline around the text (default off)\n"
           "  --glow-colour RRGGBB    the glow's colour (default FF0000)\n"
           "  --glow-thickness N      the glow's width in rings, 0 to 50 (default 3)\n"
           "  --flare on|off          the lens flare (default off)\n"
           "  --flare-position X,Y    the flare point (default 0.5,0.5)\n"
           "  --quality Q             JPEG quality, 1 to 100 (default 75)\n"
           "  --background RRGGBB     background colour (default 000000)\n"
           "  --flat                  flat shading\n"
           "  --view NAME             front, back, up, down, right or left\n"
           "  --camera-eye X,Y,Z      the camera's eye (default 0,0,4)\n"
           "  --camera-target X,Y,Z   the camera's target (default 0,0,0)\n"
           "  --viewport-frame        the modeller's ordinary frame (light markers, the flare\n"
           "                          point) instead of the final render\n"
           "  The camera options also change the camera of .vyr and .wrl outputs.\n";
}

}  // namespace vyr
