#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vyr {

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
    std::vector<std::string> load();
    bool available() const;

    /// Draws the flare for an eye at `from` looking toward `at`, the flare point at `light`
    /// (overwritten with the point placed at unit distance from the eye), the centre of the
    /// view `nearDistance` in front of the eye. Does nothing when unavailable.
    void DrawFlares(const float from[3], const float at[3], float light[3], float nearDistance);

    /// Index of the next shine texture (0..9); advances by 3 with every flare drawn.
    int shineCounter() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace vyr
