// The image options through the CLI's own path, on pictures of 32x24 pixels.

#include <cmath>
#include <functional>
#include <set>

#include "CliTestSupport.h"
#include "scene/Scene.h"

using namespace vyr;

namespace {

// A picture of 0xRRGGBB pixels, top row first, and its JPEG encoding.
struct Picture {
    int w = 0, h = 0;
    std::vector<int> rgb;
    std::vector<unsigned char> jpeg;

    // The byte `offset` bytes after the JPEG marker FF `marker`, or -1.
    int jpegByte(unsigned char marker, size_t offset) const {
        const unsigned char m[] = {0xFF, marker};
        const size_t at = std::search(jpeg.begin(), jpeg.end(), m, m + 2) - jpeg.begin();
        return at + offset < jpeg.size() ? jpeg[at + offset] : -1;
    }
    // Whether the box around the white pixels is centred on the point (x, y, 0) as the default
    // camera shows it: 4 units away, with a vertical field of 45 degrees.
    bool whiteCentredOn(double x, double y) const {
        int x0 = w, y0 = h, x1 = -1, y1 = -1;
        for (int i = 0; i < w * h; ++i) {
            if (rgb[i] == 0xFFFFFF)
                x0 = std::min(x0, i % w), y0 = std::min(y0, i / w), x1 = std::max(x1, i % w),
                y1 = std::max(y1, i / w);
        }
        const double tan = 4 * std::tan(22.5 * 3.14159265358979 / 180);
        return std::hypot((x0 + x1 + 1) / 2.0 - w / 2.0 * (1 + x * h / (tan * w)),
                          (y0 + y1 + 1) / 2.0 - h / 2.0 * (1 - y / tan)) < 1;
    }
};

// From the arguments on: the camera options applied to the default scene (the test font's
// "@"), rendered headless, encoded as JPEG; 32x24 unless --size says otherwise.
Picture render(const std::string& options) {
    const ImageOptions o = parseArguments(test::split("--size 32x24 " + options)).options.image;
    Scene scene("/nonexistent");
    scene.text().parameters.chooseFontPath(VYR_TEST_FONT_LIBERATION);
    EXPECT_TRUE(scene.text().buildMesh().ok);
    applyImageCamera(o, scene);
    ImageOutput image(o);
    Picture p{o.width, o.height, {}, {}};
    std::string error;
    std::vector<std::string> warnings;
    EXPECT_TRUE(image.encode(scene, "jpg", p.jpeg, error, warnings)) << error;
    for (size_t i = 0; i + 2 < image.pixels().size(); i += 3)
        p.rgb.push_back(image.pixels()[i] << 16 | image.pixels()[i + 1] << 8 |
                        image.pixels()[i + 2]);
    return p;
}

}  // namespace

TEST(CliImage, EachImageOptionChangesThePictureAsDocumented) {
    const Picture base = render("");
    // JPEG quality 75 halves the standard luminance table, whose first entry is 16.
    EXPECT_EQ(base.jpegByte(0xDB, 5), 8);
    auto differs = [&](const Picture& p) { return p.rgb != base.rgb; };
    const std::pair<const char*, std::function<bool(const Picture&)>> rows[] = {
        // RRGGBB is red first; quality 100 makes every quantiser 1; the frame header holds
        // height and width.
        {"--size 20x10 --background FF8000 --quality 100",
         [](const Picture& p) {
             return p.rgb.size() == 200 && p.rgb[0] == 0xFF8000 && p.rgb[199] == 0xFF8000 &&
                    p.jpegByte(0xDB, 5) == 1 && p.jpegByte(0xC0, 6) == 10 &&
                    p.jpegByte(0xC0, 8) == 20;
         }},
        {"--flat", differs},
        {"--antialias off", differs},
        {"--flare on", differs},
        // Without antialiasing the rings keep their colours: ring 0 of 1 in the glow colour,
        // ring 1 halfway to the black background.
        {"--antialias off --glow on --glow-colour 0000FF --glow-thickness 1",
         [](const Picture& p) {
             std::set<int> blues;
             std::copy_if(p.rgb.begin(), p.rgb.end(), std::inserter(blues, blues.end()),
                          [](int c) { return c > 0 && c <= 0xFF; });
             return blues == std::set<int>{0x80, 0xFF} || blues == std::set<int>{0x7F, 0xFF};
         }},
        // The modeller's frame marks the flare point with a white dot 12.8 pixels wide.
        {"--size 64x48 --viewport-frame --flare-position 1.2,-0.8",
         [](const Picture& p) { return p.whiteCentredOn(1.2, -0.8); }},
    };
    for (const auto& [options, check] : rows)
        EXPECT_TRUE(check(render(options))) << options;
}

// The camera options apply in the documented order, --view, then --camera-eye, then
// --camera-target, whatever their order on the line. The views keep the distance, 4.
TEST(CliImage, CameraOptionsApplyViewThenEyeThenTarget) {
    const std::tuple<const char*, Float3, Float3> cases[] = {
        {"--view up", {0, 4, 0}, {0, 0, 0}},
        {"--view left", {4, 0, 0}, {0, 0, 0}},
        {"--camera-target 0,1,0 --view right", {-4, 0, 0}, {0, 1, 0}},
        {"--camera-eye 0,3,0 --view front", {0, 3, 0}, {0, 0, 0}},
    };
    for (const auto& [options, eye, target] : cases) {
        Scene scene("/nonexistent");
        applyImageCamera(parseArguments(test::split(options)).options.image, scene);
        EXPECT_EQ(std::tie(scene.camera().eye, scene.camera().target), std::tie(eye, target))
            << options;
    }
}
