#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/FloatPoints.h"

namespace vyr {

/// One sprite of the flare.
struct FlareElement {
    int type = 0;          ///< -1: the next of the ten shine textures; 0..5: a flare texture
    float scale = 0;       ///< half-size of the sprite along the flare's unit vectors, before x 1.5
    float location = 0;    ///< along the flare axis: 0 the view centre, 1 the light point
    float colour[3] = {};  ///< red, green, blue
};

/// The twelve sprites in drawing order: three shines at the light point, then rings and glows
/// down the axis through the view centre and beyond it.
std::array<FlareElement, 12> initFlareTable();

/// The lens flare of the final frame: a row of additively blended, textured sprites along
/// the line from the centre of the view through the flare point. Needs a current OpenGL
/// context for loading, drawing and destruction.
class LensFlare {
  public:
    LensFlare();
    ~LensFlare();
    LensFlare(const LensFlare&) = delete;
    LensFlare& operator=(const LensFlare&) = delete;

    /// Builds the element table and loads the 17 textures. Returns one message per problem
    /// (empty when all loaded); with any texture missing the flare is unavailable.
    /// The folder is the first of these that exists: "lensflare" in the current folder, the
    /// installed data folder, the build tree's copy. Nothing is printed: the caller shows
    /// the messages, each "<file name>: <reason>".
    std::vector<std::string> load();
    /// The same from the given folder.
    std::vector<std::string> load(const std::string& folder);
    bool available() const;

    /// Where load() looks for the textures (see there).
    static std::string textureFolder();

    /// Draws the flare for an eye at `from` looking toward `at`, the flare point at `light`
    /// (overwritten with the point placed at unit distance from the eye), the centre of the
    /// view `nearDistance` in front of the eye. Does nothing when unavailable.
    void drawFlares(Float3 from, Float3 at, Float3& light, float nearDistance);

    /// Index of the next shine texture (0..9); advances by 3 with every flare drawn.
    int shineCounter() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace vyr
