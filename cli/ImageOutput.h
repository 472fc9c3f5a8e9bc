#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vyr {

class Scene;

/// How vyr-cli renders `-o FILE.jpg` and `-o FILE.png`.
struct ImageOptions {
    int width = 640, height = 480;
    bool antialias = true;
    bool glow = false;
    /// 0x00BBGGRR, as the scene's colours.
    std::optional<uint32_t> glowColour;
    std::optional<int> glowThickness;
    bool flare = false;
    std::optional<std::array<float, 2>> flarePosition;
    int quality = 75;
    std::optional<uint32_t> background;
    bool flat = false;
    /// front, back, up, down, right or left.
    std::optional<std::string> view;
    std::optional<std::array<float, 3>> cameraEye;
    std::optional<std::array<float, 3>> cameraTarget;
    /// The modeller's ordinary frame (light markers, the flare point) instead of the final one.
    bool viewportFrame = false;
};

/// When args[i] is an image option, takes it and its value (moving i to the value) and
/// returns true; a bad value sets `error`. Returns false for any other argument.
bool parseImageOption(const std::vector<std::string>& args, size_t& i, ImageOptions& into,
                      std::string& error);

/// Whether an output extension ("jpg", "jpeg", "png") names an image.
bool isImageExtension(const std::string& ext);

/// The camera options (--view, then --camera-eye, then --camera-target) applied to the scene.
void applyImageCamera(const ImageOptions& options, Scene& scene);

/// Renders the scene once, headless, and encodes the picture for each image output.
class ImageOutput {
  public:
    explicit ImageOutput(const ImageOptions& options) : options_(options) {}

    /// The file's bytes for `ext` (JPEG or PNG); the scene is rendered at the first call.
    /// False with `error` set when no context could be made or encoding failed. Problems
    /// with the lens-flare textures are added to `warnings` (once) when the flare is on.
    bool encode(const Scene& scene, const std::string& ext, std::vector<unsigned char>& bytes,
                std::string& error, std::vector<std::string>& warnings);
    /// The rendered picture as RGB bytes, top row first; empty before the first encode.
    const std::vector<unsigned char>& pixels() const { return rgb_; }

  private:
    bool render(const Scene& scene, std::string& error, std::vector<std::string>& warnings);

    ImageOptions options_;
    bool rendered_ = false;
    std::vector<unsigned char> rgb_;
};

/// The usage lines of the image options.
const char* imageUsageText();

}  // namespace vyr
